#include <QJSEngine>
#include <QTemporaryFile>
#include <QtTest>

#include "bridge_raspi.h"
#include "log_capture.h"
#include "state_objects.h"
#include "test_app.h"

#include <unistd.h>

// The whole road with the stand-in controller: a screen's request goes through
// the worker's slot to the controller, which writes the state back.
class TstWorkerRoad : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<Bridge> m_bridge;
    QJSEngine m_js;

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        qputenv("PYTHONPATH", qgetenv("TAVELL_SOURCE_DIR") + "/py");
        LogCapture log;
        m_bridge.reset(new Bridge(QStringList{QStringLiteral("x")}, false));
        QVERIFY(log.waitFor(QStringLiteral("Interpreter mit Modul 'controller' initialisiert")));
    }

    void cleanupTestCase() { m_bridge.reset(); }

    void wifiPasswordIsWrittenNowhere()
    {
        const QString password = QStringLiteral("Hopfen&Malz-9913");
        QTemporaryFile out;
        QVERIFY(out.open());
        const int savedStdout = ::dup(STDOUT_FILENO);
        ::dup2(out.handle(), STDOUT_FILENO);

        LogCapture log;
        QJSValue login = m_js.newArray(2);
        login.setProperty(0, QStringLiteral("Brauerei"));
        login.setProperty(1, password);
        Q_EMIT g_wifi.toPy(Wifi::Connect, login); // blocks until the controller answered

        ::dup2(savedStdout, STDOUT_FILENO);
        ::close(savedStdout);

        QCOMPARE(g_wifi.state(), Wifi::Connected);
        QCOMPARE(g_wifi.ssid(), QStringLiteral("Brauerei"));
        QVERIFY(!log.matching(QStringLiteral("<verborgen>")).isEmpty());
        QVERIFY(log.matching(password).isEmpty());
        out.seek(0);
        QVERIFY(!QString::fromUtf8(out.readAll()).contains(password));
    }

    void inputRequestIsStoredWhenTheEmitReturns()
    {
        Q_EMIT g_sensor.requestStateChange(Sensor::Ls1, QJSValue(true));
        QCOMPARE(g_sensor.ls1()->state(), true);
        Q_EMIT g_sensor.requestStateChange(Sensor::Ls1, QJSValue(false));
        QCOMPARE(g_sensor.ls1()->state(), false);
    }

    void handFrequencyReachesTheValuesEntryPointAsInt()
    {
        QVERIFY(!g_auto.isActive());
        LogCapture log;
        g_autoHandManager.setFuFreqPump1(37);
        QVERIFY(log.waitFor(QStringLiteral("[Py] controller: value_from_cpp(<ValueEnum.")));
        const QStringList lines = log.matching(QStringLiteral("controller: value_from_cpp("));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].endsWith(QStringLiteral(", 37)")), qPrintable(lines[0]));
    }

    void simulatorVariantIntArrivesAsInt()
    {
        LogCapture log;
        Q_EMIT g_simulator.toPy(Simulator::SimAIn0, QVariant(42));
        QVERIFY(log.waitFor(QStringLiteral("controller: simulator_value_from_cpp(<SimuEnum.AIn0")));
        const QStringList lines = log.matching(QStringLiteral("controller: simulator_value_from_cpp("));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].endsWith(QStringLiteral(", 42)")), qPrintable(lines[0]));
    }

    void toggleFlipsAnOutputUnlessBlocked()
    {
        DOut *out = g_actuator.doutFromEnum(ActuatorEnum(5));
        QVERIFY(out);
        const bool before = out->state();
        out->toggle();
        QTRY_COMPARE(out->state(), !before);
    }
};

QTEST_GUILESS_MAIN(TstWorkerRoad)
#include "tst_worker_road.moc"
