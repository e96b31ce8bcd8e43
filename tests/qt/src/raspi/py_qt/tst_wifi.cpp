#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include "wifi.h"

namespace {

// Sets a value twice: the first call stores and emits once, the second is no change.
template <typename T, typename Setter, typename Getter>
void checkSetter(Wifi &wifi, Setter setter, void (Wifi::*changed)(), Getter getter, const T &value,
                 const T &equalValue)
{
    QSignalSpy spy(&wifi, changed);
    (wifi.*setter)(value);
    QCOMPARE(spy.count(), 1);
    QCOMPARE((wifi.*getter)(), value);
    (wifi.*setter)(equalValue);
    QCOMPARE(spy.count(), 1);
}

QVariantMap iface(const QString &name, const QString &ip)
{
    return QVariantMap{{"name", name}, {"ip4", ip}, {"type_", "wifi"}, {"is_wg", false}};
}

} // namespace

class TstWifi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshObject()
    {
        Wifi wifi;
        QCOMPARE(wifi.state(), Wifi::Disconnected);
        QCOMPARE(int(Wifi::Connected), 0);
        QCOMPARE(int(Wifi::WifiStateEnumCount), 4);
        QCOMPARE(int(Wifi::RestartWireguard), 5);
        QCOMPARE(int(Wifi::WifiActionEnumCount), 6);
        QVERIFY(wifi.ssid().isEmpty());
        QCOMPARE(wifi.qualityPercentage(), 0);
        QCOMPARE(wifi.qualityLevel(), 0);
        QVERIFY(!wifi.is5GHz());
        QVERIFY(wifi.ipMapList().isEmpty());
        QVERIFY(wifi.scanResults().isEmpty());
    }

    void settersEmitOncePerChange()
    {
        Wifi wifi;
        checkSetter(wifi, &Wifi::setState, &Wifi::stateChanged, &Wifi::state, Wifi::Connected, Wifi::Connected);
        checkSetter(wifi, &Wifi::setSsid, &Wifi::ssidChanged, &Wifi::ssid, QStringLiteral("Brauerei"),
                    QStringLiteral("Braue") + QStringLiteral("rei"));
        checkSetter(wifi, &Wifi::setQualityPercentage, &Wifi::qualityPercentageChanged, &Wifi::qualityPercentage, 57,
                    57);
        checkSetter(wifi, &Wifi::setIs5GHz, &Wifi::is5GHzChanged, &Wifi::is5GHz, true, true);
        const QVector<QVariantMap> ifaces{iface("wlan0", "10.0.0.2"), iface("wg0", "10.8.0.1")};
        checkSetter(wifi, &Wifi::setIpMapList, &Wifi::ipMapListChanged, &Wifi::ipMapList, ifaces,
                    QVector<QVariantMap>{iface("wlan0", "10.0.0.2"), iface("wg0", "10.8.0.1")});
        const QVariantMap scan{{"<b>x</b>", QVariantMap{{"quality", 40}, {"is5GHz", true}}}};
        checkSetter(wifi, &Wifi::setScanResults, &Wifi::scanResultsChanged, &Wifi::scanResults, scan,
                    QVariantMap{{"<b>x</b>", QVariantMap{{"quality", 40}, {"is5GHz", true}}}});

        // Back to an empty value is a change as well.
        QSignalSpy scanSpy(&wifi, &Wifi::scanResultsChanged);
        wifi.setScanResults(QVariantMap());
        QCOMPARE(scanSpy.count(), 1);
    }

    void ipMapListOrderIsAChange()
    {
        Wifi wifi;
        wifi.setIpMapList({iface("wlan0", "10.0.0.2"), iface("eth0", "10.0.1.2")});
        QSignalSpy spy(&wifi, &Wifi::ipMapListChanged);
        wifi.setIpMapList({iface("eth0", "10.0.1.2"), iface("wlan0", "10.0.0.2")});
        QCOMPARE(spy.count(), 1);
        QCOMPARE(wifi.ipMapList().first().value("name").toString(), QStringLiteral("eth0"));
    }

    void qualityLevelThresholds_data()
    {
        QTest::addColumn<int>("percentage");
        QTest::addColumn<int>("level");
        QTest::newRow("negative") << -5 << 1;
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("34") << 34 << 1;
        QTest::newRow("35") << 35 << 2;
        QTest::newRow("64") << 64 << 2;
        QTest::newRow("65") << 65 << 3;
        QTest::newRow("100") << 100 << 3;
    }

    void qualityLevelThresholds()
    {
        QFETCH(int, percentage);
        QFETCH(int, level);
        Wifi wifi;
        wifi.setState(Wifi::Connected);
        wifi.setQualityPercentage(percentage + 1); // so that the value below is a change
        QSignalSpy spy(&wifi, &Wifi::qualityLevelChanged);
        wifi.setQualityPercentage(percentage);
        QCOMPARE(wifi.qualityLevel(), level);
        // Emitted only when the level moves.
        const int before = (percentage + 1 > 64) ? 3 : (percentage + 1 >= 35) ? 2 : 1;
        QCOMPARE(spy.count(), before == level ? 0 : 1);
    }

    void notConnectedGivesLevelZero_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("Connecting") << int(Wifi::Connecting);
        QTest::newRow("Disconnected") << int(Wifi::Disconnected);
        QTest::newRow("Aborted") << int(Wifi::Aborted);
    }

    void notConnectedGivesLevelZero()
    {
        QFETCH(int, state);
        Wifi wifi;
        wifi.setState(Wifi::Connected);
        wifi.setQualityPercentage(90);
        QCOMPARE(wifi.qualityLevel(), 3);
        wifi.setState(Wifi::WifiState(state));
        wifi.setQualityPercentage(91);
        QCOMPARE(wifi.qualityLevel(), 0);
    }

    void onlyAPercentageChangeRecomputes()
    {
        Wifi wifi;
        wifi.setState(Wifi::Connected);
        wifi.setQualityPercentage(80);
        QSignalSpy levelSpy(&wifi, &Wifi::qualityLevelChanged);
        QSignalSpy stateSpy(&wifi, &Wifi::stateChanged);
        wifi.setState(Wifi::Disconnected);
        QCOMPARE(stateSpy.count(), 1);
        QCOMPARE(wifi.qualityLevel(), 3);
        wifi.setQualityPercentage(80);
        QCOMPARE(wifi.qualityLevel(), 3);
        QCOMPARE(levelSpy.count(), 0);
        wifi.setQualityPercentage(79);
        QCOMPARE(wifi.qualityLevel(), 0);
        QCOMPARE(levelSpy.count(), 1);
    }

    // The controller sets the percentage on the worker thread; the level is
    // computed afterwards on the object's (GUI) thread.
    void levelComputedQueuedOnOwnThread()
    {
        Wifi wifi;
        QThread *levelThread = nullptr;
        connect(&wifi, &Wifi::qualityLevelChanged, &wifi, [&] { levelThread = QThread::currentThread(); },
                Qt::DirectConnection);

        QThread *worker = QThread::create([&] {
            wifi.setState(Wifi::Connected);
            wifi.setQualityPercentage(50);
        });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;

        QCOMPARE(wifi.qualityPercentage(), 50);
        QCOMPARE(wifi.qualityLevel(), 0); // not yet: the slot waits in this thread's queue
        QTRY_COMPARE(wifi.qualityLevel(), 2);
        QCOMPARE(levelThread, QThread::currentThread());
    }
};

QTEST_GUILESS_MAIN(TstWifi)
#include "tst_wifi.moc"
