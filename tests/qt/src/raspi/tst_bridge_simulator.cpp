#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "bridge_raspi.h"
#include "log_capture.h"
#include "state_objects.h"
#include "test_app.h"

// Simulator mode is read once per process, so it has a test binary of its own.
class TstBridgeSimulator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        QSettings settings;
        settings.setValue(QStringLiteral("python/simulator"), true);
        settings.sync();
    }

    void cleanupTestCase()
    {
        QSettings settings;
        settings.remove(QStringLiteral("python/simulator"));
    }

    void powerCommandsOnlyShowAMessage()
    {
        QVERIFY2(powerCommandsAreStandIns(), "poweroff/reboot must be the test stand-ins");
        QTemporaryDir dir;
        const QString record = dir.filePath(QStringLiteral("power.record"));
        qputenv("TAVELL_TEST_POWER_RECORD", record.toLocal8Bit());

        LogCapture log;
        Bridge bridge(QStringList{QStringLiteral("x")}, false);
        QVERIFY(log.waitFor(QStringLiteral("[Py] controller: init(True, True)")));
        QCOMPARE(log.matching(QStringLiteral("] Debug Build - Raspi (Simulator: ja)")).size(), 1);

        QSignalSpy messages(&g_gui, &Gui::message);
        bridge.poweroff();
        bridge.reboot();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0],
                 (QVariantList{QStringLiteral("Poweroff"), QStringLiteral("Funktion im Simulator nicht verfügbar"),
                               QStringLiteral("info"), 0}));
        QCOMPARE(messages[1][0].toString(), QStringLiteral("Reboot"));
        QVERIFY(!QFile::exists(record));
        QVERIFY(!bridge.startInterpreter()); // still running
    }

    void settingIsReadOnce()
    {
        LogCapture log;
        QSettings().setValue(QStringLiteral("python/simulator"), false);
        Bridge bridge(QStringList{QStringLiteral("x")}, false);
        QVERIFY(bridge.isSimulator());
        QVERIFY(log.waitFor(QStringLiteral("[Py] controller: init(True, True)")));
        QVERIFY(log.matching(QStringLiteral("Debug Build")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstBridgeSimulator)
#include "tst_bridge_simulator.moc"
