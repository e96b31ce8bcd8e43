#pragma once
// Network state for the network tab. Written by the worker thread (the
// controller through Python), read by the screens on the GUI thread. The lock
// covers all seven values; a change is announced on the GUI thread, at most
// one queued notice per signal (change_notice.h), so _setQualityLevel runs
// there after a percentage change made on the worker thread.

#include <QJSValue>
#include <QObject>
#include <QRecursiveMutex>
#include <QString>
#include <QVariantMap>
#include <QVector>

namespace pybind11 { class module_; }

class Wifi : public QObject
{
    Q_OBJECT
    Q_PROPERTY(WifiState state READ state NOTIFY stateChanged)
    Q_PROPERTY(QString ssid READ ssid NOTIFY ssidChanged)
    Q_PROPERTY(int qualityPercentage READ qualityPercentage NOTIFY qualityPercentageChanged)
    Q_PROPERTY(int qualityLevel READ qualityLevel NOTIFY qualityLevelChanged)
    Q_PROPERTY(bool is5GHz READ is5GHz NOTIFY is5GHzChanged)
    Q_PROPERTY(QVector<QVariantMap> ipMapList READ ipMapList NOTIFY ipMapListChanged)
    Q_PROPERTY(QVariantMap scanResults READ scanResults NOTIFY scanResultsChanged)

public:
    // Connected is 0: compare with it, never use the state as a truth value.
    enum WifiState : int { Connected, Connecting, Disconnected, Aborted, WifiStateEnumCount };
    Q_ENUM(WifiState)

    enum WifiAction : int { Scan, IPData, Connect, Disconnect, Login, RestartWireguard, WifiActionEnumCount };
    Q_ENUM(WifiAction)

    Wifi();

    // Fills tavell.wifi; runs on the interpreter's thread when tavell is imported.
    static void prepareModule(pybind11::module_ &m);

    WifiState state() const;
    QString ssid() const;
    int qualityPercentage() const;
    int qualityLevel() const;
    bool is5GHz() const;
    QVector<QVariantMap> ipMapList() const;
    QVariantMap scanResults() const;

    // Called by the Python binding only.
    void setState(WifiState state);
    void setSsid(const QString &ssid);
    void setQualityPercentage(int percentage);
    void setIs5GHz(bool is5GHz);
    void setIpMapList(const QVector<QVariantMap> &ipMapList);
    void setScanResults(const QVariantMap &scanResults);

Q_SIGNALS:
    void stateChanged();
    void ssidChanged();
    void qualityPercentageChanged();
    void qualityLevelChanged();
    void is5GHzChanged();
    void ipMapListChanged();
    void scanResultsChanged();

    void toPy(Wifi::WifiAction action, const QJSValue &value);
    void gotLoginData(const QString &ssid, const QString &psk);
    void abortWifiScan();

public Q_SLOTS:
    // Only writer of qualityLevel; runs on a percentage change.
    void _setQualityLevel();

private:
    WifiState m_state = Disconnected;
    QString m_ssid;
    int m_qualityPercentage = 0;
    int m_qualityLevel = 0;
    bool m_is5GHz = false;
    QVector<QVariantMap> m_ipMapList;
    QVariantMap m_scanResults;
    mutable QRecursiveMutex m_lock;
};

using WifiState = Wifi::WifiState;
using WifiAction = Wifi::WifiAction;
