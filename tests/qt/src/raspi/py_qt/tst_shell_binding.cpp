#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "converter.h"
#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"

namespace py = pybind11;

// tavell.shell seen from Qt: what Python's writes and calls emit, the colours
// entries made by Python take, and lists that never share storage with Python.
class TstShellBinding : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;
    std::unique_ptr<QSignalSpy> records;

    ChangelogEntry &entry(const char *name) { return env->eval(name).cast<ChangelogEntry &>(); }
    QVector<ChangelogEntry> &vector(const char *name) { return env->eval(name).cast<QVector<ChangelogEntry> &>(); }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
        records.reset(new QSignalSpy(&env->bridge, &BridgeBase::exception));
        env->exec(R"(
from tavell.shell import Shell, ChangelogEntry, ChangelogEntryVector

def make(version, urgency="low", changes=("eins",)):
    e = ChangelogEntry(Shell)
    e.name = "tavell-brew"
    e.version = version
    e.urgency_str = urgency
    e.changes = list(changes)
    return e

def vec(*entries):
    v = ChangelogEntryVector()
    for e in entries:
        v.append(e)
    return v
)");
    }

    void cleanupTestCase()
    {
        records.reset();
        env.reset();
    }

    void init()
    {
        env->exec(R"(
for name in ("low", "medium", "high", "other"):
    setattr(Shell, "color_urgency_" + name, "")
Shell.testing_repo_enabled = False
Shell.locked = False
Shell.installed = []
Shell.upgradables = []
Shell.changelogs = ChangelogEntryVector()
)");
        QCoreApplication::processEvents();
        records->clear();
    }

    void cleanup() { QVERIFY(!PyErr_Occurred()); }

    void pythonWritesCompareBeforeStore_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QByteArray>("write");
        QTest::addColumn<QByteArray>("equalWrite");
        QTest::addColumn<int>("emitted");
        const char *const colours[] = {"low", "medium", "high", "other"};
        const char *const changeSignals[] = {SIGNAL(colorUrgencyLowChanged()), SIGNAL(colorUrgencyMediumChanged()),
                                       SIGNAL(colorUrgencyHighChanged()), SIGNAL(colorUrgencyOtherChanged())};
        for (int i = 0; i < 4; ++i) {
            const QByteArray property = QByteArray("Shell.color_urgency_") + colours[i];
            QTest::newRow(colours[i]) << QByteArray(changeSignals[i]) << property + " = 'red'" << property + " = '#FF0000'" << 1;
        }
        // Two unknown names are both the invalid colour the property starts with.
        QTest::newRow("unknown colour") << QByteArray(SIGNAL(colorUrgencyLowChanged()))
                                        << QByteArray("Shell.color_urgency_low = 'gelb'")
                                        << QByteArray("Shell.color_urgency_low = 5") << 0;
        QTest::newRow("testing") << QByteArray(SIGNAL(testingRepoEnabledChanged()))
                                 << QByteArray("Shell.testing_repo_enabled = True")
                                 << QByteArray("Shell.testing_repo_enabled = 1") << 1;
        QTest::newRow("locked") << QByteArray(SIGNAL(lockedChanged())) << QByteArray("Shell.locked = True")
                                << QByteArray("Shell.locked = True") << 1;
        QTest::newRow("installed") << QByteArray(SIGNAL(installedChanged()))
                                   << QByteArray("Shell.installed = [{'name': 'a', 'name2': False}]")
                                   << QByteArray("Shell.installed = ({'name': 'a', 'name2': False},)") << 1;
        QTest::newRow("upgradables") << QByteArray(SIGNAL(upgradablesChanged()))
                                     << QByteArray("Shell.upgradables = [{'name': 'a'}, {'name': 'b'}]")
                                     << QByteArray("Shell.upgradables = [{'name': 'a'}, {'name': 'b'}]") << 1;
        QTest::newRow("changelogs") << QByteArray(SIGNAL(changelogsChanged()))
                                    << QByteArray("Shell.changelogs = vec(make('1'), make('2'))")
                                    << QByteArray("Shell.changelogs = vec(make('1'), make('2'))") << 1;
    }

    void pythonWritesCompareBeforeStore()
    {
        QFETCH(QByteArray, signal);
        QFETCH(QByteArray, write);
        QFETCH(QByteArray, equalWrite);
        QFETCH(int, emitted);
        QSignalSpy spy(&g_shell, signal.constData());
        env->exec(write.constData());
        QCOMPARE(spy.count(), emitted);
        env->exec(equalWrite.constData());
        QCOMPARE(spy.count(), emitted);
        QCOMPARE(records->count(), 0);
    }

    void refusedChangelogsChangeNothing()
    {
        env->exec("Shell.changelogs = vec(make('1'))");
        QSignalSpy spy(&g_shell, &Shell::changelogsChanged);
        for (const char *write : {"Shell.changelogs = [make('2')]", "Shell.changelogs = None",
                                  "Shell.changelogs = make('2')", "Shell.locked = 'ja'"}) {
            try {
                env->exec(write);
                QFAIL(write);
            } catch (py::error_already_set &e) {
                QVERIFY2(e.matches(PyExc_TypeError), write);
            }
        }
        QCOMPARE(spy.count(), 0);
        QCOMPARE(g_shell.changelogEntries().size(), 1);
        QVERIFY(!g_shell.locked());
    }

    void listsNeverShareStorageWithPython()
    {
        env->exec("source = vec(make('1'), make('2'))\nShell.changelogs = source\nread = Shell.changelogs");
        const QVector<ChangelogEntry> stored = g_shell.changelogEntries();
        QVERIFY(stored.constData() != vector("source").constData());
        QVERIFY(stored.constData() != vector("read").constData());
        QVERIFY(vector("source").constData() != vector("read").constData());

        QSignalSpy spy(&g_shell, &Shell::changelogsChanged);
        env->exec("source[0] = make('x')\nread[1] = make('y')\nsource.append(make('3'))");
        QCOMPARE(spy.count(), 0);
        QCOMPARE(g_shell.changelogEntries().size(), 2);
        QCOMPARE(g_shell.changelogEntries().at(0).version(), QStringLiteral("1"));
        QCOMPARE(g_shell.changelogEntries().at(1).version(), QStringLiteral("2"));
    }

    void consoleOutput()
    {
        QSignalSpy out(&g_shell, &Shell::appendStdout);
        QSignalSpy err(&g_shell, &Shell::appendStderr);
        env->exec(R"(
Shell.append_stdout("Paketlisten werden gelesen ...")
Shell.append_stderr(42)
Shell.append_stdout(text="<b>fett</b>")
Shell.append_stderr("E: \udc80")
)");
        QCOMPARE(out.count(), 2);
        QCOMPARE(out.at(0).at(0).toString(), QStringLiteral("Paketlisten werden gelesen ..."));
        QCOMPARE(out.at(1).at(0).toString(), QStringLiteral("<b>fett</b>"));
        QCOMPARE(err.count(), 2);
        QCOMPARE(err.at(0).at(0).toString(), kPyQtConversionError);
        QCOMPARE(err.at(1).at(0).toString(), kPyQtConversionError);
        QCOMPARE(records->count(), 0);
    }

    void entriesFromPythonTakeTheShellsColours()
    {
        env->exec(R"(
Shell.color_urgency_high = "red"
Shell.color_urgency_other = "lime"
early = make("1", urgency="high")
capital = make("2", urgency="Low")
)");
        QCOMPARE(entry("early").shell(), &g_shell);
        QCOMPARE(entry("early").color(), QColor(Qt::red));
        QCOMPARE(entry("capital").color(), QColor(Qt::green));

        // Entries keep their colour; new ones and copies take the current one.
        env->exec(R"(
Shell.color_urgency_high = "blue"
late = make("3", urgency="high")
copied = ChangelogEntry(early)
)");
        QCOMPARE(entry("early").color(), QColor(Qt::red));
        QCOMPARE(entry("late").color(), QColor(Qt::blue));
        QCOMPARE(entry("copied").color(), QColor(Qt::blue));

        // A changed urgency picks its colour at once.
        env->exec("capital.urgency_str = 'high'");
        QCOMPARE(entry("capital").color(), QColor(Qt::blue));
    }

    void itemAssignmentByCopyAssignment()
    {
        env->exec(R"(
Shell.color_urgency_medium = "red"
v = vec(make("1"), make("2"), make("3"))
replacement = make("neu", urgency="medium", changes=["x", "y"])
Shell.color_urgency_medium = "blue"
v[1] = replacement
v[-1] = replacement
)");
        const QVector<ChangelogEntry> &v = vector("v");
        QCOMPARE(v.size(), 3);
        QVERIFY(v.at(1) == entry("replacement"));
        QCOMPARE(v.at(1).changes(), (StringVector{QStringLiteral("x"), QStringLiteral("y")}));
        // The colour is computed anew from the Shell, not copied.
        QCOMPARE(entry("replacement").color(), QColor(Qt::red));
        QCOMPARE(v.at(1).color(), QColor(Qt::blue));
        QCOMPARE(v.at(2).version(), QStringLiteral("neu"));
        QCOMPARE(v.at(0).version(), QStringLiteral("1"));
    }

    void failureInsidePythonShowsRecordAndEmpties()
    {
        env->exec("Shell.installed = [{'name': 'a'}]");
        QSignalSpy spy(&g_shell, &Shell::installedChanged);
        env->exec("Shell.installed = 5");
        QCOMPARE(records->count(), 1);
        QVERIFY(g_shell.installed().isEmpty());
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TstShellBinding)
#include "tst_shell_binding.moc"
