import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.wifi 1.0
import "../../singletons"
import "../../base"

// Network tab ("Netzwerk"): the joined network, the scan for networks with
// the signal icon, the interfaces with their addresses and the networks
// found. It keeps no network state beyond its rows and the pending scan.
MyGradientFlickContainer {
    id: root

    // True only while this tab is selected and the settings page is current.
    property bool enableWorker: false
    property bool scanPending: false
    // "0" no connection, "1" to "3" bars.
    property string iconState: "0"
    readonly property var iconSources: ({
        "0": "qrc:/img/wifi-off.svg",
        "1": "qrc:/img/wifi-1.svg",
        "2": "qrc:/img/wifi-2.svg",
        "3": "qrc:/img/wifi.svg"
    })
    readonly property bool connecting: connectingAnimation_.running

    function clear_(container) {
        for (let i = container.children.length - 1; i >= 0; --i)
            container.children[i].destroy()
    }

    function removeWifiLines() { networks_.model = [] }

    function scanOrAbort() {
        if (connecting) {
            Wifi.toPy(Wifi.Disconnect, null)
            return
        }
        // Marked first: the controller may end the scan before it returns.
        scanPending = true
        Wifi.toPy(Wifi.Scan, null)
    }

    function rebuildInterfaces() {
        const list = Wifi.ipMapList
        console.log(JSON.stringify(list))
        clear_(interfaces_)
        for (let i = 0; i < list.length; ++i)
            interfaceComponent_.createObject(interfaces_, { entry: list[i] })
    }

    function rebuildWifiLines() {
        const results = Wifi.scanResults
        const lines = []
        for (const ssid of Object.keys(results)) {
            if (ssid === current_.ssid)
                continue
            const found = results[ssid] || {}
            lines.push({
                ssid: ssid,
                quality: found.quality ? `${found.quality}%` : "?",
                is5GHz: found.is5GHz === true
            })
        }
        networks_.model = lines
        scanPending = false
    }

    objectName: "tabNetwork"

    // The tab is built with the settings page, when that is first shown: the
    // controller may have written the interfaces, the last scan and the signal
    // level before, so the rows and the icon start from what Wifi holds.
    Component.onCompleted: {
        if (Wifi.ipMapList.length > 0)
            rebuildInterfaces()
        if (Object.keys(Wifi.scanResults).length > 0)
            rebuildWifiLines()
        if (!connecting)
            iconState = String(Wifi.qualityLevel)
    }

    MyWifiLine {
        id: current_

        objectName: "currentNetwork"
        ssid: Wifi.ssid
        quality: Wifi.qualityPercentage !== 0 ? `${Wifi.qualityPercentage}%` : ""
        is5GHz: Wifi.is5GHz
        buttonText: "Trennen"
        buttonEnabled: Wifi.state === Wifi.Connected
        onButtonClicked: Wifi.toPy(Wifi.Disconnect, null)
    }

    RowLayout {
        spacing: Common.spacing
        Layout.fillWidth: true

        Button {
            id: scan_

            objectName: "scanButton"
            text: root.connecting ? "Verbindungsversuch abbrechen" : "Suche nach WLAN-Netzen"
            enabled: !root.scanPending
            Layout.fillWidth: true
            onClicked: root.scanOrAbort()

            BusyIndicator {
                objectName: "scanBusy"
                anchors.centerIn: parent
                height: parent.height
                width: height
                running: root.scanPending
                visible: running
            }
        }

        MyIcon {
            objectName: "signalIcon"
            source: root.iconSources[root.iconState]
        }
    }

    ColumnLayout {
        id: interfaces_

        objectName: "interfaces"
        spacing: Common.spacing
        Layout.fillWidth: true
    }

    // The found networks, 5 apart. A scan may find hundreds: only the rows
    // in sight of the scrolling tab (and a few beyond) are built. The list
    // is as high as the part of its rows the tab shows, lies over that part
    // and shows the rows that belong there.
    Item {
        id: networksArea_

        readonly property real rowsHeight: networks_.count > 0 ? networks_.count * (40 + networks_.spacing) - networks_.spacing : 0

        implicitHeight: rowsHeight
        Layout.fillWidth: true

        ListView {
            id: networks_

            objectName: "networks"
            width: parent.width
            height: Math.min(root.flickable.height, networksArea_.rowsHeight)
            y: Math.max(0, Math.min(root.flickable.contentY - networksArea_.y, networksArea_.rowsHeight - height))
            contentY: originY + y
            interactive: false
            spacing: 5
            model: []

            delegate: MyWifiLine {
                objectName: "networkRow"
                width: ListView.view.width
                ssid: modelData.ssid
                quality: modelData.quality
                is5GHz: modelData.is5GHz
                buttonText: "Verbinden"
                onButtonClicked: Wifi.toPy(Wifi.Login, ssid)
            }
        }
    }

    // Cycles through the bars while a connection is being made.
    Timer {
        id: connectingAnimation_

        interval: 300
        repeat: true
        running: Wifi.state === Wifi.Connecting
        onTriggered: root.iconState = root.iconState === "1" ? "2" : root.iconState === "2" ? "3" : "1"
    }

    Timer {
        objectName: "ipDataPoll"
        interval: 1000
        repeat: true
        running: root.enableWorker
        onTriggered: Wifi.toPy(Wifi.IPData, null)
    }

    Connections {
        target: Wifi
        function onIpMapListChanged() { root.rebuildInterfaces() }
        function onQualityLevelChanged() {
            if (!connectingAnimation_.running)
                root.iconState = String(Wifi.qualityLevel)
        }
        function onScanResultsChanged() { root.rebuildWifiLines() }
        function onAbortWifiScan() { root.scanPending = false }
    }

    // An interface with its address; WireGuard interfaces can be restarted.
    // Name, type and address come from the system: escaped in the styled label.
    Component {
        id: interfaceComponent_

        RowLayout {
            id: row_

            property var entry: ({})
            readonly property string name: entry.name === undefined ? "" : String(entry.name)
            readonly property string type: entry.type_ === undefined || entry.type_ === null ? "" : String(entry.type_)
            readonly property bool restartable: type !== "" ? entry.is_wg === true : name.startsWith("wg")

            spacing: Common.spacing
            Layout.fillWidth: true

            Label {
                objectName: "interfaceLabel"
                text: `<b>${Dialogs.escapeHtml(row_.name)}</b>` + (row_.type !== "" ? ` (${Dialogs.escapeHtml(row_.type)})` : "")
                      + `: ${Dialogs.escapeHtml(row_.entry.ip4 === undefined ? "" : row_.entry.ip4)}`
                textFormat: Text.StyledText
                color: Common.fg1
                elide: Text.ElideRight
                Layout.fillWidth: true
                Layout.leftMargin: 5
            }

            Button {
                id: restart_

                objectName: "restartButton"
                visible: row_.restartable
                text: `Schnittstelle ${row_.name} neu starten`
                contentItem: Label {
                    text: restart_.text
                    textFormat: Text.PlainText
                    font: restart_.font
                    color: restart_.enabled ? Common.fg1 : Common.fg2
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                }
                onClicked: Wifi.toPy(Wifi.RestartWireguard, row_.name)
            }
        }
    }
}
