#include <QSignalSpy>
#include <QtTest>

#include <pybind11/embed.h>

#include "bridge_raspi.h"
#include "log_capture.h"
#include "pybridge_worker.h"
#include "state_objects.h"
#include "test_app.h"

// Start-up of the interpreter with controllers that fail in different ways.
// Each scenario's controller package is chosen through PYTHONPATH, which the
// interpreter reads again at every start.
class TstPyWorkerStartup : public QObject
{
    Q_OBJECT

private:
    static void useController(const char *scenario)
    {
        qputenv("PYTHONPATH", qgetenv("TAVELL_SOURCE_DIR") + "/tests/py/controllers/" + scenario);
    }

    static QStringList pyArgs() { return {QStringLiteral("/opt/tavell/brew/py/venv/bin/python3.9"), QStringLiteral("a")}; }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
    }

    void initRaises()
    {
        useController("init_raises");
        LogCapture log;
        g_gui.setControlsEnabled(true);
        QScopedPointer<Bridge> bridge(new Bridge(pyArgs(), false));
        QSignalSpy errors(bridge.data(), &BridgeBase::exception);
        Q_EMIT bridge->pyAction(Action::GuiReady);

        QVERIFY(log.waitFor(QStringLiteral("Python-Funktion action_from_cpp() nicht gefunden")));
        QCOMPARE(g_gui.controlsEnabled(), false);
        QTRY_COMPARE(errors.size(), 1);
        const QVariantMap record = errors[0][0].toMap();
        QCOMPARE(record.value("type").toString(), QStringLiteral("ValueError"));
        QVERIFY2(record.value("text").toString().startsWith(QStringLiteral("kaputt beim Start\nZeile ")),
                 qPrintable(record.value("text").toString()));
        QVERIFY(record.value("text").toString().endsWith(QStringLiteral(" in pybridge_worker.cpp")));
        QCOMPARE(record.value("withTraceback").toBool(), true);
        const QVariantList trace = record.value("trace").toList();
        QVERIFY(!trace.isEmpty());
        QCOMPARE(trace.last().toMap().value("func").toString(), QStringLiteral("init"));
        QCOMPARE(trace.last().toMap().value("file").toString(), QStringLiteral("controller.py"));
        QCOMPARE(record.value("root").toString(), QDir::currentPath());

        QCOMPARE(log.matching(QStringLiteral("[CRIT ]")).filter(QStringLiteral("py::error_already_set")).size(), 1);
        QVERIFY(log.matching(QStringLiteral("Interpreter mit Modul")).isEmpty());
        QVERIFY(log.matching(QStringLiteral("must never be reached")).isEmpty());
        const QStringList notFound = log.matching(QStringLiteral("nicht gefunden"));
        QCOMPARE(notFound.size(), 1);
        QVERIFY2(notFound[0].contains(QStringLiteral(
                     "] Python-Funktion action_from_cpp() nicht gefunden -  pyAction ( Action::GuiReady ). (File: ")),
                 qPrintable(notFound[0]));
        QVERIFY(notFound[0].contains(QStringLiteral("Function: void PyWorker::pyAction(ActionEnum))")));
    }

    void importFails()
    {
        useController("import_fails");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        QSignalSpy errors(&bridge, &BridgeBase::exception);
        QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 10000);
        QCOMPARE(errors[0][0].toMap().value("type").toString(), QStringLiteral("ImportError"));
        QVERIFY(errors[0][0].toMap().value("text").toString().startsWith(QStringLiteral("Steuerung fehlt ein Paket")));
        QCOMPARE(g_gui.controlsEnabled(), false);
    }

    void oneMissingEntryPoint()
    {
        useController("missing_wifi");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        QSignalSpy errors(&bridge, &BridgeBase::exception);
        QVERIFY(log.waitFor(QStringLiteral("Interpreter mit Modul 'controller' initialisiert")));
        QVERIFY(g_gui.controlsEnabled());
        QTRY_COMPARE(errors.size(), 1);
        QCOMPARE(errors[0][0].toMap().value("type").toString(), QStringLiteral("AttributeError"));
        QVERIFY(errors[0][0].toMap().value("text").toString().contains(QStringLiteral("wifi_action_from_cpp")));

        Q_EMIT bridge.pyAction(Action::HeatingB);
        QVERIFY(log.waitFor(QStringLiteral("missing_wifi: action_from_cpp(<ActionEnum.HeatingB: 10>,)")));
        QCOMPARE(errors.size(), 1);
    }

    void searchPathArgvAndPrint()
    {
        useController("paths");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        QVERIFY(log.waitFor(QStringLiteral("Interpreter mit Modul")));
        const QStringList lines = log.matching(QStringLiteral("paths: sys.path[:2]="));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].endsWith(QStringLiteral(
                     "[Py] paths: sys.path[:2]=['/opt/tavell/brew/py', ''] "
                     "argv=['/opt/tavell/brew/py/venv/bin/python3.9', 'a']")),
                 qPrintable(lines[0]));
        QVERIFY(log.matching(QStringLiteral("[Py] Interpreter: ")).size() == 1);
    }

    void stubsMode()
    {
        useController("stubs");
        qunsetenv("TAVELL_MAKE_PY_STUBS");
        LogCapture log;
        g_gui.setControlsEnabled(false);
        {
            Bridge bridge(pyArgs(), true);
            QVERIFY(log.waitFor(QStringLiteral("stubs: TAVELL_MAKE_PY_STUBS=1")));
        } // waits for the worker thread to finish
        QVERIFY(log.matching(QStringLiteral("init must not be called")).isEmpty());
        QVERIFY(log.matching(QStringLiteral("Interpreter mit Modul")).isEmpty());
        QCOMPARE(g_gui.controlsEnabled(), false);
        QVERIFY(!Py_IsInitialized());
        qunsetenv("TAVELL_MAKE_PY_STUBS");
    }

    void secondWorkerIsRefused()
    {
        useController("paths");
        LogCapture log;
        Bridge bridge(pyArgs(), false);
        QVERIFY(log.waitFor(QStringLiteral("Interpreter mit Modul")));
        QSignalSpy messages(&g_gui, &Gui::message);
        qunsetenv("TAVELL_MAKE_PY_STUBS");
        {
            PyWorker refused(&bridge);
            QCOMPARE(refused.initInterpreter(), false);
            QCOMPARE(_pyWorker.load(), &refused);
        }
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0], (QVariantList{QStringLiteral("Python Interpreter"),
                                            QStringLiteral("Interpreter wurde bereits initialisiert"),
                                            QStringLiteral("warning"), 0}));
        QVERIFY(!qEnvironmentVariableIsSet("TAVELL_MAKE_PY_STUBS"));
        QVERIFY(Py_IsInitialized()); // the refused worker left it alone
        QCOMPARE(_pyWorker.load(), nullptr);
        // The bridge's own worker notices on its way out that it is no longer current.
        QVERIFY(bridge.stopInterpreter());
        QCOMPARE(log.matching(QStringLiteral("[~PyWorker()] _pyWorker != this")).size(), 1);
        QVERIFY(!Py_IsInitialized());
    }

    void workerWithoutInterpreter()
    {
        useController("paths");
        Bridge bridge(pyArgs(), false);
        QVERIFY(bridge.stopInterpreter());
        auto *worker = new PyWorker(&bridge);
        QCOMPARE(_pyWorker.load(), worker);
        delete worker;
        QCOMPARE(_pyWorker.load(), nullptr);
        QVERIFY(!Py_IsInitialized());
    }
};

QTEST_GUILESS_MAIN(TstPyWorkerStartup)
#include "tst_pyworker_startup.moc"
