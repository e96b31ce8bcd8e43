#include <pybind11/pybind11.h>

#include "wifi.h"

#include "binding_helpers.h"
#include "locked.h"
#include "state_objects.h"
#include "types.h"

namespace py = pybind11;

Wifi::Wifi()
{
    connect(this, &Wifi::qualityPercentageChanged, this, &Wifi::_setQualityLevel);
}

WifiState Wifi::state() const { return getLocked(m_lock, m_state); }
QString Wifi::ssid() const { return getLocked(m_lock, m_ssid); }
int Wifi::qualityPercentage() const { return getLocked(m_lock, m_qualityPercentage); }
int Wifi::qualityLevel() const { return getLocked(m_lock, m_qualityLevel); }
bool Wifi::is5GHz() const { return getLocked(m_lock, m_is5GHz); }
QVector<QVariantMap> Wifi::ipMapList() const { return getLocked(m_lock, m_ipMapList); }
QVariantMap Wifi::scanResults() const { return getLocked(m_lock, m_scanResults); }

void Wifi::setState(WifiState state) { setLocked(m_lock, m_state, state, this, &Wifi::stateChanged); }

void Wifi::setSsid(const QString &ssid) { setLocked(m_lock, m_ssid, ssid, this, &Wifi::ssidChanged); }

void Wifi::setQualityPercentage(int percentage)
{
    setLocked(m_lock, m_qualityPercentage, percentage, this, &Wifi::qualityPercentageChanged);
}

void Wifi::setIs5GHz(bool is5GHz) { setLocked(m_lock, m_is5GHz, is5GHz, this, &Wifi::is5GHzChanged); }

void Wifi::setIpMapList(const QVector<QVariantMap> &ipMapList)
{
    setLocked(m_lock, m_ipMapList, ipMapList, this, &Wifi::ipMapListChanged);
}

void Wifi::setScanResults(const QVariantMap &scanResults)
{
    setLocked(m_lock, m_scanResults, scanResults, this, &Wifi::scanResultsChanged);
}

void Wifi::_setQualityLevel()
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    int level = 0;
    if (m_state == Connected) {
        if (m_qualityPercentage > 64)
            level = 3;
        else if (m_qualityPercentage >= 35)
            level = 2;
        else
            level = 1;
    }
    setLocked(m_lock, m_qualityLevel, level, this, &Wifi::qualityLevelChanged);
}

void Wifi::prepareModule(py::module_ &m)
{
    py::enum_<WifiState> state(m, "WifiStateEnum");
    state.value("Connected", Connected)
        .value("Connecting", Connecting)
        .value("Disconnected", Disconnected)
        .value("Aborted", Aborted);
    TAVELL_ASSERT_ENUM_ENTRIES_AS(enumEntries1, state, WifiStateEnumCount);

    py::enum_<WifiAction> action(m, "WifiActionEnum");
    action.value("Scan", Scan)
        .value("IPData", IPData)
        .value("Connect", Connect)
        .value("Disconnect", Disconnect)
        .value("Login", Login)
        .value("RestartWireguard", RestartWireguard);
    TAVELL_ASSERT_ENUM_ENTRIES_AS(enumEntries2, action, WifiActionEnumCount);

    // Python refers to the one global object only and never deletes it.
    py::class_<Wifi, std::unique_ptr<Wifi, py::nodelete>> cls(m, "WifiClass");
    cls.def_property("state", &Wifi::state, &Wifi::setState)
        .def_property("ssid", &Wifi::ssid, &Wifi::setSsid)
        // A Python int only: no float, nothing converted through __int__.
        .def_property("quality_percantage", &Wifi::qualityPercentage,
                      py::cpp_function([](Wifi &self, int percentage) { self.setQualityPercentage(percentage); },
                                       py::is_method(cls), py::arg("value").noconvert()))
        .def_property("is_5_ghz", &Wifi::is5GHz, &Wifi::setIs5GHz)
        .def_property("ip_map_list", &Wifi::ipMapList,
                      [](Wifi &self, const py::object &value) {
                          self.setIpMapList(loadSequence<QVector<QVariantMap>>(value));
                      })
        .def_property("scan_results", &Wifi::scanResults, &Wifi::setScanResults)
        .def(
            "set_login_data",
            [](Wifi &self, const py::object &ssid, const py::object &psk) {
                Q_EMIT self.gotLoginData(textArgument(ssid), textArgument(psk));
            },
            py::arg("ssid"), py::arg("psk"))
        .def("abort_wifi_scan", [](Wifi &self) { Q_EMIT self.abortWifiScan(); });

    m.attr("Wifi") = py::cast(&g_wifi, py::return_value_policy::reference);
}
