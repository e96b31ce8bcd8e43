#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "bridge_raspi.h"
#include "log_capture.h"
#include "state_objects.h"
#include "test_app.h"
#include "test_timeouts.h"

namespace {

const char *const kInitialised = "Interpreter mit Modul 'controller' initialisiert";

// A web-server stand-in whose output and exit code the test controls.
const char *const kScript = R"(import sys, time
sys.stdout.write("abc\n ")
time.sleep(0.3)
sys.stderr.write("<i>fehler</i> & mehr\n")
time.sleep(0.3)
sys.stdout.write("\n")
time.sleep(0.3)
sys.exit(3)
)";

const char *const kSleepingScript = "import time\ntime.sleep(30)\n";

} // namespace

class TstBridge : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_startDir = QDir::currentPath();

    void writeScript(const QString &dir, const char *script = kScript)
    {
        QDir().mkpath(dir + QStringLiteral("/py"));
        QFile file(dir + QStringLiteral("/py/webserver.py"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(script);
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        QVERIFY(m_dir.isValid());
    }

    void cleanup() { QDir::setCurrent(m_startDir); }

    void interpreterStartsStopsAndRestarts()
    {
        LogCapture log;
        Bridge bridge(QStringList{QStringLiteral("/opt/tavell/brew/py/venv/bin/python3.9")}, false);
        QVERIFY(log.waitFor(QString::fromLatin1(kInitialised)));
        QVERIFY(log.waitFor(QStringLiteral("[Py] controller: init(True, False)")));
        QVERIFY(g_gui.controlsEnabled());

        QVERIFY(!bridge.startInterpreter());
        QVERIFY(bridge.stopInterpreter());
        QVERIFY(!bridge.stopInterpreter());

        log.clear();
        QVERIFY(bridge.startInterpreter());
        QVERIFY(log.waitFor(QString::fromLatin1(kInitialised)));
        QCOMPARE(log.matching(QStringLiteral("controller: init(")).size(), 1);

        Q_EMIT bridge.pyAction(Action::GuiReady);
        QVERIFY(log.waitFor(QStringLiteral("[Py] controller: action_from_cpp(<ActionEnum.GuiReady: 0>)")));
    }

    void pyActionWaitsForInit()
    {
        // Emitted right after construction: runs after init, never before.
        LogCapture log;
        Bridge bridge(QStringList{QStringLiteral("x")}, false);
        Q_EMIT bridge.pyAction(Action::GuiReady);
        Q_EMIT g_action.toPy(Action::ResetFlows);
        QVERIFY(log.waitFor(QStringLiteral("action_from_cpp(<ActionEnum.ResetFlows: 3>)")));
        const QStringList lines =
            log.lines().filter(QRegularExpression(QStringLiteral("\\[Py\\] controller: (init|action_from_cpp)\\(")));
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].contains(QStringLiteral("init(True, False)")));
        QVERIFY(lines[1].contains(QStringLiteral("GuiReady")));
    }

    void platformFacts()
    {
        Bridge bridge(QStringList{QStringLiteral("x")}, false);
        QCOMPARE(bridge.platform(), QStringLiteral("raspi"));
        QCOMPARE(bridge.property("debug").toBool(), true);
        QCOMPARE(bridge.isServerConnected(), false);
        QCOMPARE(bridge.isSimulator(), false);
        const QString uuid = bridge.createUuid();
        QVERIFY(QRegularExpression(QStringLiteral("^\\{[0-9a-f-]{36}\\}$")).match(uuid).hasMatch());
        QVERIFY(uuid != bridge.createUuid());
    }

    void rstrip_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("line feed and blank") << "abc\n " << "abc";
        QTest::newRow("single line feed stays") << "\n" << "\n";
        QTest::newRow("only white space keeps the first") << " \t\n" << " ";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("no-break space and tab") << QStringLiteral("a\u00a0\t") << "a";
        QTest::newRow("inner space kept") << "a b\r\n" << "a b";
    }

    void rstrip()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QString text = in;
        QCOMPARE(Bridge::_rstrip(text), out);
        QCOMPARE(text, out);
    }

    void webserverRelay()
    {
        const QString dir = m_dir.filePath(QStringLiteral("relay"));
        writeScript(dir);
        QDir::setCurrent(dir);
        Bridge bridge(QStringList{QStringLiteral("x")}, false);
        QCOMPARE(bridge.webserverArguments(),
                 (QStringList{QStringLiteral("-u"), QDir(dir).absoluteFilePath(QStringLiteral("py/webserver.py"))}));

        QSignalSpy process(&bridge, &Bridge::serverProcess);
        QSignalSpy messages(&bridge, &Bridge::serverMessage);
        bridge.startWebserver();
        QVERIFY(bridge.isWebserverRunning());
        bridge.startWebserver(); // already running: nothing happens
        QTRY_COMPARE_WITH_TIMEOUT(process.size(), 2, scaledTimeout(60000));

        QCOMPARE(process[0][0].toBool(), true);
        QCOMPARE(process[0][1].toString(), QStringLiteral("<b style=\"color:green\">Server-Prozess gestartet<b>"));
        QCOMPARE(process[1][0].toBool(), false);
        QCOMPARE(process[1][1].toString(),
                 QStringLiteral("<b style=\"color:red\">Der Prozess wurde mit dem Fehlercode 3 beendet</b>"));

        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages[0][0].toString(), QStringLiteral("<p><b>[0]</b> abc</p>"));
        // The server's own text is shown as written, not as markup.
        QCOMPARE(messages[1][0].toString(),
                 QStringLiteral("<p style=\"color:red\"><b>[1]</b> &lt;i&gt;fehler&lt;/i&gt; &amp; mehr</p>"));
        QCOMPARE(messages[2][0].toString(), QStringLiteral("<p><b>[2]</b> \n</p>"));

        // Numbering starts again after the server ended.
        bridge.startWebserver();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 4, scaledTimeout(60000));
        QCOMPARE(messages[3][0].toString(), QStringLiteral("<p><b>[0]</b> abc</p>"));
        QTRY_COMPARE_WITH_TIMEOUT(process.size(), 4, scaledTimeout(60000));
    }

    void stopWebserver()
    {
        const QString dir = m_dir.filePath(QStringLiteral("stop"));
        writeScript(dir, kSleepingScript);
        QDir::setCurrent(dir);
        Bridge bridge(QStringList{QStringLiteral("x")}, false);
        QSignalSpy process(&bridge, &Bridge::serverProcess);

        bridge.stopWebserver(); // not running: nothing
        QCOMPARE(process.size(), 0);

        bridge.startWebserver();
        QTRY_COMPARE_WITH_TIMEOUT(process.size(), 1, scaledTimeout(60000));
        QElapsedTimer timer;
        timer.start();
        bridge.stopWebserver();
        QVERIFY(timer.elapsed() < 2500);
        QTRY_COMPARE_WITH_TIMEOUT(process.size(), 2, 5000);
        QVERIFY(!bridge.isWebserverRunning());
    }

    void powerCommandFailure_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("rc");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("poweroff") << "poweroff" << 1 << "Poweroff" << "'poweroff' hat den Fehlercode 1 zurückgegeben";
        QTest::newRow("reboot") << "reboot" << 7 << "Reboot" << "'reboot' hat den Fehlercode 7 zurückgegeben";
    }

    void powerCommandFailure()
    {
        QFETCH(QString, which);
        QFETCH(int, rc);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QVERIFY2(powerCommandsAreStandIns(), "poweroff/reboot must be the test stand-ins");

        const QString record = m_dir.filePath(which + QStringLiteral(".record"));
        qputenv("TAVELL_TEST_POWER_RECORD", record.toLocal8Bit());
        qputenv("TAVELL_TEST_POWER_RC", QByteArray::number(rc));

        LogCapture log;
        Bridge bridge(QStringList{QStringLiteral("x")}, false);
        QVERIFY(log.waitFor(QString::fromLatin1(kInitialised)));
        QSignalSpy messages(&g_gui, &Gui::message);
        if (which == QLatin1String("poweroff"))
            bridge.poweroff();
        else
            bridge.reboot();

        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0][0].toString(), title);
        QCOMPARE(messages[0][1].toString(), text);
        QCOMPARE(messages[0][2].toString(), QStringLiteral("error"));
        QCOMPARE(messages[0][3].toInt(), 0);

        QFile called(record);
        QVERIFY(called.open(QIODevice::ReadOnly));
        QCOMPARE(called.readAll(), which.toLatin1() + " \n");

        // The interpreter was stopped first and can be started again.
        QVERIFY(bridge.startInterpreter());
        qunsetenv("TAVELL_TEST_POWER_RC");
    }
};

QTEST_GUILESS_MAIN(TstBridge)
#include "tst_bridge.moc"
