#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <thread>

#include "converter.h"
#include "log_capture.h"
#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"

namespace py = pybind11;

namespace {

const char *const kChangeSignals[] = {SIGNAL(stateChanged()),      SIGNAL(ssidChanged()),
                                      SIGNAL(qualityPercentageChanged()), SIGNAL(qualityLevelChanged()),
                                      SIGNAL(is5GHzChanged()),     SIGNAL(ipMapListChanged()),
                                      SIGNAL(scanResultsChanged())};

} // namespace

// tavell.wifi seen from Qt: what a Python write or call emits, what it leaves
// alone, and the quality level computed on the GUI thread after Python's call.
class TstWifiBinding : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;
    std::unique_ptr<QSignalSpy> records;

    // Counts of every change signal while it lives.
    struct ChangeSpies
    {
        ChangeSpies()
        {
            for (const char *signal : kChangeSignals)
                spies.emplace_back(new QSignalSpy(&g_wifi, signal));
        }
        int total() const
        {
            int n = 0;
            for (const auto &spy : spies)
                n += spy->count();
            return n;
        }
        std::vector<std::unique_ptr<QSignalSpy>> spies;
    };

    // Runs statements on a thread of their own, as the worker would, and
    // returns once they have finished; the GUI thread's events wait.
    QString runOnOtherThread(const char *statements)
    {
        QString error;
        py::gil_scoped_release release;
        std::thread thread([&] {
            py::gil_scoped_acquire gil;
            try {
                py::exec(statements, env->globals);
            } catch (py::error_already_set &e) {
                error = QString::fromUtf8(e.what());
            }
        });
        thread.join();
        return error;
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
        records.reset(new QSignalSpy(&env->bridge, &BridgeBase::exception));
        env->exec("from tavell.wifi import Wifi, WifiStateEnum, WifiActionEnum");
    }

    void cleanupTestCase()
    {
        records.reset();
        env.reset();
    }

    void init()
    {
        env->exec(R"(
Wifi.state = WifiStateEnum.Disconnected
Wifi.ssid = ""
Wifi.quality_percantage = 0
Wifi.is_5_ghz = False
Wifi.ip_map_list = []
Wifi.scan_results = {}
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
        QTest::newRow("state") << QByteArray(SIGNAL(stateChanged())) << QByteArray("Wifi.state = WifiStateEnum.Aborted")
                               << QByteArray("Wifi.state = WifiStateEnum(3)");
        QTest::newRow("ssid") << QByteArray(SIGNAL(ssidChanged())) << QByteArray("Wifi.ssid = 'Brauerei'")
                              << QByteArray("Wifi.ssid = 'Brau' + 'erei'");
        QTest::newRow("ssid int") << QByteArray(SIGNAL(ssidChanged())) << QByteArray("Wifi.ssid = 5")
                                  << QByteArray("Wifi.ssid = '5'");
        QTest::newRow("quality") << QByteArray(SIGNAL(qualityPercentageChanged()))
                                 << QByteArray("Wifi.quality_percantage = 57") << QByteArray("Wifi.quality_percantage = 57");
        QTest::newRow("5 GHz") << QByteArray(SIGNAL(is5GHzChanged())) << QByteArray("Wifi.is_5_ghz = True")
                               << QByteArray("Wifi.is_5_ghz = 2");
        QTest::newRow("interfaces") << QByteArray(SIGNAL(ipMapListChanged()))
                                    << QByteArray("Wifi.ip_map_list = [{'name': 'wlan0'}, {'name': 'eth0'}]")
                                    << QByteArray("Wifi.ip_map_list = ({'name': 'wlan0'}, {'name': 'eth0'})");
        QTest::newRow("scan results") << QByteArray(SIGNAL(scanResultsChanged()))
                                      << QByteArray("Wifi.scan_results = {'<b>x</b>': {'quality': 40}}")
                                      << QByteArray("Wifi.scan_results = [('<b>x</b>', {'quality': 40})]");
    }

    void pythonWritesCompareBeforeStore()
    {
        QFETCH(QByteArray, signal);
        QFETCH(QByteArray, write);
        QFETCH(QByteArray, equalWrite);
        QSignalSpy spy(&g_wifi, signal.constData());
        ChangeSpies all;
        env->exec(write.constData());
        QCOMPARE(spy.count(), 1);
        env->exec(equalWrite.constData());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(all.total(), 1);
        QCOMPARE(records->count(), 0);
    }

    void interfaceOrderIsAChange()
    {
        env->exec("Wifi.ip_map_list = [{'name': 'wlan0'}, {'name': 'eth0'}]");
        QSignalSpy spy(&g_wifi, &Wifi::ipMapListChanged);
        env->exec("Wifi.ip_map_list = [{'name': 'eth0'}, {'name': 'wlan0'}]");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(g_wifi.ipMapList().at(0).value("name").toString(), QStringLiteral("eth0"));
        QCOMPARE(g_wifi.ssid(), QString());
    }

    void refusedValuesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("write");
        QTest::newRow("state from int") << QByteArray("Wifi.state = 0");
        QTest::newRow("quality from float") << QByteArray("Wifi.quality_percantage = 57.0");
        QTest::newRow("5 GHz from str") << QByteArray("Wifi.is_5_ghz = 'ja'");
        QTest::newRow("interfaces from int") << QByteArray("Wifi.ip_map_list = 5");
    }

    void refusedValuesChangeNothing()
    {
        QFETCH(QByteArray, write);
        ChangeSpies all;
        try {
            env->exec(write.constData());
            QFAIL("no TypeError");
        } catch (py::error_already_set &e) {
            QVERIFY(e.matches(PyExc_TypeError));
        }
        QCoreApplication::processEvents();
        QCOMPARE(all.total(), 0);
        QCOMPARE(records->count(), 0);
        QCOMPARE(g_wifi.state(), Wifi::Disconnected);
        QCOMPARE(g_wifi.qualityPercentage(), 0);
        QVERIFY(!g_wifi.is5GHz());
        QVERIFY(g_wifi.ipMapList().isEmpty());
    }

    void failureInsidePythonShowsRecordAndEmpties()
    {
        env->exec("Wifi.scan_results = {'a': {}}\nWifi.ip_map_list = [{'name': 'wlan0'}]");
        QSignalSpy scanSpy(&g_wifi, &Wifi::scanResultsChanged);
        QSignalSpy ipSpy(&g_wifi, &Wifi::ipMapListChanged);

        env->exec("Wifi.scan_results = 5");
        QCOMPARE(records->count(), 1);
        QVERIFY(g_wifi.scanResults().isEmpty());
        QCOMPARE(scanSpy.count(), 1);

        env->exec("Wifi.ip_map_list = [{'name': 'eth0'}, 7]");
        QCOMPARE(records->count(), 2);
        QVERIFY(g_wifi.ipMapList().isEmpty());
        QCOMPARE(ipSpy.count(), 1);

        // Already empty: the record again, but no change.
        env->exec("Wifi.scan_results = 5");
        QCOMPARE(records->count(), 3);
        QCOMPARE(scanSpy.count(), 1);
    }

    void loginDataIsPassedOnNeverLogged()
    {
        LogCapture log;
        QSignalSpy spy(&g_wifi, &Wifi::gotLoginData);
        ChangeSpies all;
        env->exec(R"(
Wifi.set_login_data("Brauerei", "Hopfen&Malz-7731")
Wifi.set_login_data(ssid="Nachbar", psk=5)
Wifi.set_login_data(None, "Malz\udc80Hopfen")
)");
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0), (QVariantList{QStringLiteral("Brauerei"), QStringLiteral("Hopfen&Malz-7731")}));
        QCOMPARE(spy.at(1), (QVariantList{QStringLiteral("Nachbar"), QVariant(kPyQtConversionError)}));
        QCOMPARE(spy.at(2), (QVariantList{QVariant(kPyQtConversionError), QVariant(kPyQtConversionError)}));
        QCOMPARE(all.total(), 0);
        QCOMPARE(records->count(), 0);
        QCoreApplication::processEvents();
        QVERIFY(log.matching(QStringLiteral("Hopfen")).isEmpty());
        QVERIFY(log.matching(QStringLiteral("Malz")).isEmpty());
    }

    void abortWifiScanEmitsOnly()
    {
        QSignalSpy spy(&g_wifi, &Wifi::abortWifiScan);
        ChangeSpies all;
        env->exec("Wifi.abort_wifi_scan()");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(all.total(), 0);
    }

    void qualityLevelAfterTheCallReturns_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<int>("percentage");
        QTest::addColumn<int>("level");
        QTest::newRow("connected 34") << QByteArray("Connected") << 34 << 1;
        QTest::newRow("connected 35") << QByteArray("Connected") << 35 << 2;
        QTest::newRow("connected 64") << QByteArray("Connected") << 64 << 2;
        QTest::newRow("connected 65") << QByteArray("Connected") << 65 << 3;
        QTest::newRow("connecting 80") << QByteArray("Connecting") << 80 << 0;
    }

    void qualityLevelAfterTheCallReturns()
    {
        QFETCH(QByteArray, state);
        QFETCH(int, percentage);
        QFETCH(int, level);
        // Start from a level the row does not expect (same thread: at once).
        g_wifi.setState(Wifi::Connected);
        g_wifi.setQualityPercentage(level == 3 ? 10 : 90);
        const int before = level == 3 ? 1 : 3;
        QCOMPARE(g_wifi.qualityLevel(), before);

        QSignalSpy spy(&g_wifi, &Wifi::qualityLevelChanged);
        const QByteArray statements = "Wifi.state = WifiStateEnum." + state
            + "\nWifi.quality_percantage = " + QByteArray::number(percentage);
        QCOMPARE(runOnOtherThread(statements.constData()), QString());
        // Python has returned; the level waits for the GUI thread's event loop.
        QCOMPARE(g_wifi.qualityPercentage(), percentage);
        QCOMPARE(g_wifi.qualityLevel(), before);
        QCOMPARE(spy.count(), 0);
        QTRY_COMPARE(g_wifi.qualityLevel(), level);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TstWifiBinding)
#include "tst_wifi_binding.moc"
