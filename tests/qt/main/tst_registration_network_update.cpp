#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

#include "bridge_raspi.h"
#include "startup.h"
#include "state_objects.h"
#include "qml_registered.h"
#include "test_app.h"

// The network and update objects as start-up registers them for the screens.
class TstRegistrationNetworkUpdate : public QObject
{
    Q_OBJECT

private:
    RegisteredQml m_qml;

    std::unique_ptr<QObject> create(const QByteArray &qml, QString *error = nullptr) { return m_qml.create(qml, error); }

private Q_SLOTS:
    void initTestCase() { m_qml.start(); }

    void cleanupTestCase() { m_qml.stop(); }

    void metatypesByName()
    {
        QCOMPARE(QMetaType::type("QVector<ChangelogEntry>"), qMetaTypeId<QVector<ChangelogEntry>>());
        QCOMPARE(QMetaType::type("ShellAction"), qMetaTypeId<ShellAction>());
        // The alias names Qt's own QVector<QString> type, not a second one.
        QCOMPARE(QMetaType::type("StringVector"), qMetaTypeId<QVector<QString>>());
        QCOMPARE(QMetaType::type("WifiAction"), qMetaTypeId<WifiAction>());
        QCOMPARE(QMetaType::type("WifiState"), qMetaTypeId<WifiState>());
    }

    void singletonsAndEnums()
    {
        g_wifi.setScanResults({{"<b>x</b>", QVariantMap{{"quality", 40}, {"is5GHz", true}}}});
        g_wifi.setIpMapList({{{"name", "wlan0"}, {"ip4", "10.0.0.2"}}});
        g_shell.setColorUrgencyLow(QColor(QStringLiteral("#00ff00")));
        g_shell.setInstalled({{{"name", "tavell-brew"}, {"version", "2311221"}}});
        ChangelogEntry entry;
        entry.setName(QStringLiteral("tavell-brew"));
        entry.setUrgencyStr(QStringLiteral("low"));
        entry.setChanges({QStringLiteral("eins"), QStringLiteral("zwei")});
        QCOMPARE(entry.shell(), &g_shell);
        g_shell.setChangelogs({entry});

        std::unique_ptr<QObject> object = create(R"(
import QtQml 2.15
import tavell.shell 1.0
import tavell.wifi 1.0
QtObject {
    property bool disconnected: Wifi.state === Wifi.Disconnected && Wifi.Connected === 0
    property int level: Wifi.qualityLevel
    property real quality: Wifi.scanResults["<b>x</b>"].quality
    property string iface: Wifi.ipMapList[0].name
    property int action: Shell.ToggleTesting
    property int installed: Shell.installed.length
    property string changelog: Shell.changelogs[0].name + " " + Shell.changelogs[0].color + " "
                               + Shell.changelogs[0].changes[1] + " " + Shell.changelogs.length
}
)");
        QVERIFY(object);
        QVERIFY(object->property("disconnected").toBool());
        QCOMPARE(object->property("level").toInt(), 0);
        QCOMPARE(object->property("quality").toInt(), 40);
        QCOMPARE(object->property("iface").toString(), QStringLiteral("wlan0"));
        QCOMPARE(object->property("action").toInt(), int(Shell::ToggleTesting));
        QCOMPARE(object->property("installed").toInt(), 1);
        QCOMPARE(object->property("changelog").toString(), QStringLiteral("tavell-brew #00ff00 zwei 1"));
    }

    void screensSendActions()
    {
        QSignalSpy wifiSpy(&g_wifi, &Wifi::toPy);
        QSignalSpy shellSpy(&g_shell, &Shell::toPy);
        std::unique_ptr<QObject> object = create(R"(
import QtQml 2.15
import tavell.shell 1.0
import tavell.wifi 1.0
QtObject {
    Component.onCompleted: {
        Wifi.toPy(Wifi.Connect, ["Brauerei", "geheim"])
        Shell.toPy(Shell.LocalChangelog, "tavell-brew")
    }
}
)");
        QVERIFY(object);
        QCOMPARE(wifiSpy.count(), 1);
        QCOMPARE(wifiSpy.at(0).at(0).value<WifiAction>(), Wifi::Connect);
        const QJSValue payload = wifiSpy.at(0).at(1).value<QJSValue>();
        QVERIFY(payload.isArray());
        QCOMPARE(payload.property(0).toString(), QStringLiteral("Brauerei"));
        QCOMPARE(shellSpy.count(), 1);
        QCOMPARE(shellSpy.at(0).at(0).value<ShellAction>(), Shell::LocalChangelog);
        QCOMPARE(shellSpy.at(0).at(1).value<QJSValue>().toString(), QStringLiteral("tavell-brew"));
    }

    void changelogEntryNotCreatable()
    {
        QString errors;
        std::unique_ptr<QObject> object = create("import tavell.shell 1.0\nChangelogEntry {}\n", &errors);
        QVERIFY(!object);
        QVERIFY2(errors.contains(QStringLiteral("ChangelogEntry kann nicht instanziert werden.")), qPrintable(errors));
    }
};

QTEST_MAIN(TstRegistrationNetworkUpdate)
#include "tst_registration_network_update.moc"
