#include "wifi.h"

#include "locked.h"

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
