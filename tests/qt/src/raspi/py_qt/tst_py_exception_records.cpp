#include <QSignalSpy>
#include <QtTest>

#include <QTemporaryDir>

#include "exception_handler.h"
#include "log_capture.h"
#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"

namespace py = pybind11;

// The records handle_py_exception builds from caught Python errors, the
// catch blocks around it, and the module functions of tavell that reach it
// or the worker.
class TstPyExceptionRecords : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;
    std::unique_ptr<QSignalSpy> records;

    // Runs statements that must raise and returns the caught error.
    py::error_already_set raised(const char *statements)
    {
        try {
            env->exec(statements);
        } catch (py::error_already_set &e) {
            return e;
        }
        qFatal("no Python error raised");
    }

    QVariantMap onlyRecord() const
    {
        return records->size() == 1 ? records->first().at(0).toMap() : QVariantMap();
    }

    // What the handler printed on Python's standard output since the last call.
    QString printed()
    {
        const QString text = QString::fromStdString(env->eval("_out.getvalue()").cast<std::string>());
        env->exec("_out.seek(0)\n_out.truncate()");
        return text;
    }

    static QString root() { return QDir(QDir::currentPath()).absolutePath(); }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
        records.reset(new QSignalSpy(&env->bridge, &BridgeBase::exception));
        env->exec("import io, sys\n_out = io.StringIO()\nsys.stdout = _out");
    }

    void cleanupTestCase()
    {
        env->exec("sys.stdout = sys.__stdout__");
        records.reset();
        env.reset();
    }

    void init()
    {
        records->clear();
        printed();
    }

    void cleanup()
    {
        QVERIFY(!PyErr_Occurred());
        env->exec("if '_saved_tb' in globals():\n    sys.modules['traceback'] = _saved_tb\n    del _saved_tb");
    }

    void codeCompiledFromAString()
    {
        env->exec("code = compile('def f():\\n    x = 1\\n    raise ValueError(\"Kessel zu heiß\")\\n', "
                  "'<brauen>', 'exec')\nexec(code)");
        py::error_already_set error = raised("f()");
        handle_py_exception(&error, 42, "/irgendwo/im/quellbaum/bridge_raspi.cpp");

        const QVariantMap record = onlyRecord();
        QCOMPARE(record.value("type").toString(), QStringLiteral("ValueError"));
        QCOMPARE(record.value("text").toString(), QStringLiteral("Kessel zu heiß\nZeile 42 in bridge_raspi.cpp"));
        QCOMPARE(record.value("root").toString(), root());
        QCOMPARE(record.value("withTraceback"), QVariant(true));
        QCOMPARE(printed(), QStringLiteral("Kessel zu heiß\n"));

        const QVariantList trace = record.value("trace").toList();
        QCOMPARE(trace.size(), 2); // the exec'd call, then f
        const QVariantMap outer = trace[0].toMap();
        const QVariantMap inner = trace[1].toMap();
        QCOMPARE(outer.value("func").toString(), QStringLiteral("<module>"));
        QCOMPARE(inner.value("func").toString(), QStringLiteral("f"));
        QCOMPARE(inner.value("lineNo"), QVariant(3));
        QCOMPARE(inner.value("lineStr").toString(), QString());
        QCOMPARE(inner.value("pathAbs").toString(), root() + QStringLiteral("/<brauen>"));
        QCOMPARE(inner.value("pathRel").toString(), QStringLiteral("<brauen>"));
        QCOMPARE(inner.value("file").toString(), QStringLiteral("<brauen>"));
    }

    void fileOutsideTheWorkingDirectory()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(!QDir(dir.path()).absolutePath().startsWith(root() + QLatin1Char('/')));
        QFile module(dir.filePath(QStringLiteral("draussen.py")));
        QVERIFY(module.open(QIODevice::WriteOnly));
        module.write("def pumpe():\n"
                     "    # eine Zeile davor\n"
                     "    raise KeyError('weg')\n");
        module.close();

        env->globals["module_dir"] = dir.path().toStdString();
        py::error_already_set error = raised("sys.path.insert(0, module_dir)\nimport draussen\ndraussen.pumpe()");
        handle_py_exception(&error, 7, nullptr);

        const QVariantMap record = onlyRecord();
        QCOMPARE(record.value("type").toString(), QStringLiteral("KeyError"));
        QCOMPARE(record.value("text").toString(), QStringLiteral("weg")); // str(args[0]), not the repr
        const QVariantMap last = record.value("trace").toList().last().toMap();
        const QString pathAbs = QDir(dir.path()).absoluteFilePath(QStringLiteral("draussen.py"));
        QCOMPARE(last.value("pathAbs").toString(), pathAbs);
        QVERIFY(last.value("pathRel").toString().startsWith(QStringLiteral("../")));
        QCOMPARE(QDir::cleanPath(root() + QLatin1Char('/') + last.value("pathRel").toString()), pathAbs);
        QCOMPARE(last.value("file").toString(), QStringLiteral("draussen.py"));
        QCOMPARE(last.value("lineNo"), QVariant(3));
        QCOMPARE(last.value("lineStr").toString(), QStringLiteral("raise KeyError('weg')"));
        QCOMPARE(last.value("func").toString(), QStringLiteral("pumpe"));
        env->exec("sys.path.remove(module_dir)");
    }

    void errorTexts()
    {
        LogCapture log;
        py::error_already_set bare = raised("raise ValueError()");
        handle_py_exception(&bare, 12, "a/b/c.cpp");
        QCOMPARE(onlyRecord().value("text").toString(), QStringLiteral("\nZeile 12 in c.cpp"));
        const QStringList warnings = log.matching(QStringLiteral("Konnte den Fehlertext nicht aus args[0] bekommen: "));
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].startsWith(QStringLiteral("[WARN ]")));
        QVERIFY2(warnings[0].contains(QStringLiteral("IndexError")), qPrintable(warnings[0]));

        records->clear();
        py::error_already_set noFile = raised("raise ValueError()");
        handle_py_exception(&noFile, 12, nullptr);
        QCOMPARE(onlyRecord().value("text").toString(), QString());

        // The first argument alone, whatever its type, is the text.
        records->clear();
        py::error_already_set os = raised("raise OSError(2, 'keine Datei')");
        handle_py_exception(&os, -1, nullptr);
        QCOMPARE(onlyRecord().value("type").toString(), QStringLiteral("FileNotFoundError"));
        QCOMPARE(onlyRecord().value("text").toString(), QStringLiteral("2"));
    }

    void errorWithoutTraceback()
    {
        PyErr_SetString(PyExc_RuntimeError, "ohne Spur");
        py::error_already_set error;
        handle_py_exception(&error, 1, "x.cpp");
        const QVariantMap record = onlyRecord();
        QCOMPARE(record.value("type").toString(), QStringLiteral("RuntimeError"));
        QCOMPARE(record.value("text").toString(), QStringLiteral("ohne Spur\nZeile 1 in x.cpp"));
        QCOMPARE(record.value("withTraceback"), QVariant(false));
        QVERIFY(!record.contains(QStringLiteral("trace")));
        QCOMPARE(record.size(), 4);
    }

    void exceptionBeingHandled()
    {
        LogCapture log;
        handle_py_exception(nullptr, 5, "y.cpp");
        QCOMPARE(records->size(), 0);
        QCOMPARE(log.matching(QStringLiteral("] handle_py_exception() wurde gerufen, obwohl keine Exception geworfen wurde")).size(), 1);

        // Through tavell.forward_exception: the record has no position and nothing is printed by Python.
        env->exec("import tavell\n"
                  "try:\n"
                  "    {}['Sud']\n"
                  "except KeyError:\n"
                  "    result = tavell.forward_exception()\n");
        QVERIFY(env->eval("result").is_none());
        const QVariantMap record = onlyRecord();
        QCOMPARE(record.value("type").toString(), QStringLiteral("KeyError"));
        QCOMPARE(record.value("text").toString(), QStringLiteral("Sud"));
        QCOMPARE(record.value("withTraceback"), QVariant(true));
        QCOMPARE(record.value("trace").toList().last().toMap().value("lineStr").toString(), QString());
        QCOMPARE(printed(), QString());

        records->clear();
        env->exec("tavell.forward_exception()");
        QCOMPARE(records->size(), 0);
        QCOMPARE(log.matching(QStringLiteral("obwohl keine Exception geworfen wurde")).size(), 2);
    }

    void withoutWorker()
    {
        PyWorker *const saved = _pyWorker;
        _pyWorker = nullptr;
        LogCapture log;
        py::error_already_set error = raised("raise ValueError('niemand da')");
        handle_py_exception(&error, 1, "z.cpp");
        _pyWorker = saved;
        QCOMPARE(records->size(), 0);
        QCOMPARE(log.matching(QStringLiteral("[_emitException] pyWorker ist nullptr")).size(), 1);
        QCOMPARE(printed(), QStringLiteral("niemand da\n"));
    }

    void failureInsideTheHandler()
    {
        env->exec("import traceback\n_saved_tb = sys.modules['traceback']\nsys.modules['traceback'] = None");
        py::error_already_set error = raised("def g():\n    raise ValueError('x')\ng()");
        QVERIFY_EXCEPTION_THROWN(handle_py_exception(&error, 1, "a.cpp"), py::error_already_set);
        QCOMPARE(records->size(), 0);

        LogCapture log;
        QVERIFY(!TAVELL_GUARDED(env->exec("g()")));
        const QStringList crit = log.matching(QStringLiteral("[CRIT ]"));
        QCOMPARE(crit.size(), 2);
        QVERIFY(crit[0].endsWith(QStringLiteral("] py::error_already_set")));
        QVERIFY2(crit[1].contains(QStringLiteral("] std::exception während handle_py_exception(): ModuleNotFoundError")),
                 qPrintable(crit[1]));

        // forward_exception keeps it from Python and only warns.
        log.clear();
        env->exec("try:\n    g()\nexcept ValueError:\n    tavell.forward_exception()\n");
        QVERIFY(log.waitFor(QStringLiteral("forward_exception failed with: "), 0));
        QVERIFY(log.matching(QStringLiteral("forward_exception failed with: "))[0].startsWith(QStringLiteral("[WARN ]")));
        QCOMPARE(records->size(), 0);
    }

    void catchKinds()
    {
        LogCapture log;
        QVERIFY(TAVELL_GUARDED(env->exec("pass")));
        QVERIFY(!TAVELL_GUARDED(throw py::cast_error("kaputt")));
        QVERIFY(!TAVELL_GUARDED(throw std::runtime_error("auch kaputt")));
        QVERIFY(!TAVELL_GUARDED(throw 5));
        QVERIFY(!TAVELL_GUARDED(throw py::type_error("falscher Typ")));
        QCOMPARE(log.lines().size(), 4);
        QVERIFY(log.lines()[0].endsWith(QStringLiteral("] py::cast_error: kaputt")));
        QVERIFY(log.lines()[1].endsWith(QStringLiteral("] Std-Error: auch kaputt")));
        QVERIFY(log.lines()[2].endsWith(QStringLiteral("] sonst irgendein Fehler")));
        QVERIFY(log.lines()[3].endsWith(QStringLiteral("] Std-Error: falscher Typ")));

        // A conversion lets type_error through and logs the rest with its position.
        log.clear();
        QVERIFY_EXCEPTION_THROWN(guardConversion(TAVELL_CATCH_SITE, 0, []() -> int { throw py::type_error("t"); }),
                                 py::type_error);
        QCOMPARE(guardConversion(TAVELL_CATCH_SITE, -1, []() -> int { throw py::cast_error("c"); }), -1);
        QCOMPARE(guardConversion(TAVELL_CATCH_SITE, -1, []() -> int { throw 1; }), -1);
        QCOMPARE(guardConversion(TAVELL_CATCH_SITE, -1, [] { return 3; }), 3);
        QCOMPARE(log.lines().size(), 2);
        QVERIFY(log.lines()[0].contains(QStringLiteral("] py::cast_error: c (File: ")));
        QVERIFY(log.lines()[0].contains(QStringLiteral("tst_py_exception_records.cpp")));
        QVERIFY(log.lines()[1].contains(QStringLiteral("] sonst irgendein Fehler (File: ")));

        const int line = __LINE__ + 1;
        const int result = guardConversion(TAVELL_CATCH_SITE, -1, [this] { env->exec("raise LookupError('l')"); return 0; });
        QCOMPARE(result, -1);
        QCOMPARE(onlyRecord().value("text").toString(),
                 QStringLiteral("l\nZeile %1 in tst_py_exception_records.cpp").arg(line));
    }

    void powerFunctions()
    {
        QVERIFY(powerCommandsAreStandIns());
        QTemporaryDir dir;
        const QString calls = dir.filePath(QStringLiteral("calls"));
        qputenv("TAVELL_TEST_POWER_RECORD", calls.toLocal8Bit());
        QSignalSpy messages(&g_gui, &Gui::message);

        PyWorker *const saved = _pyWorker;
        _pyWorker = nullptr;
        const bool returnedNone = env->eval("tavell.poweroff() is None and tavell.reboot() is None").cast<bool>();
        _pyWorker = saved;
        QVERIFY(returnedNone);
        QCOMPARE(messages.size(), 0);
        QVERIFY(!QFile::exists(calls));

        // With a worker the bridge runs the (stand-in) command, which fails here.
        QVERIFY(env->eval("tavell.reboot()").is_none());
        QFile record(calls);
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(record.readAll(), QByteArray("reboot \n"));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0][1].toString(), QStringLiteral("'reboot' hat den Fehlercode 1 zurückgegeben"));
        qunsetenv("TAVELL_TEST_POWER_RECORD");
    }
};

QTEST_MAIN(TstPyExceptionRecords)
#include "tst_py_exception_records.moc"
