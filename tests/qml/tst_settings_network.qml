import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.testing 1.0
import tavell.wifi 1.0
import "qrc:/qml/content/pages"
import "qrc:/qml/content/settings"
import "qrc:/qml/singletons"

// The network tab shows what the controller wrote into Wifi and sends the
// operator's requests; names from the air and the system stay plain text.
Item {
    id: scene

    width: 800
    height: 600

    property var requests: []

    Connections {
        target: Wifi
        function onToPy(kind, value) { scene.requests.push([kind, value]) }
    }

    Component {
        id: tabComponent
        SettingsNetwork { width: 800; height: 600 }
    }

    Component {
        id: pageComponent
        SettingsPage { width: 800; height: 600 }
    }

    TestCase {
        name: "SettingsNetwork"
        when: windowShown

        property var tab: null

        function init() {
            scene.requests = []
            TestHooks.clearLog()
            tab = createTemporaryObject(tabComponent, scene)
            verify(tab)
        }

        function cleanup() {
            TestHooks.setWifiState(Wifi.Disconnected)
            // The level follows a change of the percentage only.
            TestHooks.setWifiQuality(1)
            TestHooks.setWifiQuality(0)
            TestHooks.setWifiSsid("")
            TestHooks.setWifiIs5GHz(false)
            TestHooks.setWifiScanResults({})
            TestHooks.setWifiIpMapList([])
        }

        // The rows of a column, or of a list (in its order; all are in sight here).
        function rows(containerName) {
            const container = findChild(tab, containerName)
            const found = []
            if (container.itemAtIndex) {
                container.forceLayout()
                for (let i = 0; i < container.count; ++i)
                    found.push(container.itemAtIndex(i))
                return found
            }
            for (let i = 0; i < container.children.length; ++i)
                found.push(container.children[i])
            return found
        }

        function ssids() {
            return rows("networks").map(r => r.ssid)
        }

        // "5GHz" keeps clear of the row's button.
        function test_bandLabelApartFromButton() {
            TestHooks.setWifiIs5GHz(true)
            const row = findChild(tab, "currentNetwork")
            waitForRendering(row)
            const band = findChild(row, "bandLabel")
            const button = findChild(row, "lineButton")
            compare(band.text, "5GHz")
            const textEnd = band.mapToItem(row, (band.width + band.contentWidth) / 2, 0).x
            verify(button.mapToItem(row, 0, 0).x - textEnd >= Common.spacing,
                   `Text endet bei ${textEnd}, Knopf beginnt bei ${button.mapToItem(row, 0, 0).x}`)
        }

        function test_currentNetworkRow() {
            const current = findChild(tab, "currentNetwork")
            const quality = findChild(current, "qualityLabel")
            const disconnect = findChild(current, "lineButton")
            compare(quality.text, "")
            verify(!disconnect.enabled)
            TestHooks.setWifiSsid("<b>Sudhaus</b>")
            TestHooks.setWifiState(Wifi.Connected)
            TestHooks.setWifiQuality(57)
            TestHooks.setWifiIs5GHz(true)
            compare(quality.text, "57%")
            compare(findChild(current, "bandLabel").text, "5GHz")
            const ssid = findChild(current, "ssidLabel")
            compare(ssid.text, "<b>Sudhaus</b>")
            compare(ssid.textFormat, Text.PlainText)
            verify(disconnect.enabled)
            mouseClick(disconnect)
            compare(scene.requests, [[Wifi.Disconnect, null]])
            TestHooks.setWifiQuality(0)
            compare(quality.text, "")
        }

        function test_foundNetworksSkipJoinedOne() {
            TestHooks.setWifiSsid("Brauerei")
            TestHooks.setWifiScanResults({
                "Brauerei": { quality: 78, is5GHz: false },
                "Nachbar": { is5GHz: true },
                "<b>x</b>": { quality: 0, is5GHz: false },
                "Keller": { quality: 33, is5GHz: false }
            })
            // In key order, without the joined network.
            compare(ssids(), ["<b>x</b>", "Keller", "Nachbar"])
            const lines = rows("networks")
            compare(lines.map(l => findChild(l, "qualityLabel").text), ["?", "33%", "?"])
            compare(lines.map(l => findChild(l, "bandLabel").text), ["", "", "5GHz"])
            // A name with markup shows as it is.
            const marked = findChild(lines[0], "ssidLabel")
            compare(marked.text, "<b>x</b>")
            compare(marked.textFormat, Text.PlainText)
            mouseClick(findChild(lines[2], "lineButton"))
            compare(scene.requests, [[Wifi.Login, "Nachbar"]])

            // A new result replaces every row; removeWifiLines drops them.
            TestHooks.setWifiScanResults({ "Nachbar": { quality: 40, is5GHz: false } })
            wait(0)
            compare(ssids(), ["Nachbar"])
            tab.removeWifiLines()
            wait(0)
            compare(ssids(), [])
        }

        function test_interfaceRows() {
            TestHooks.setWifiIpMapList([
                { name: "wg0", ip4: "10.8.0.3" },
                { name: "wgeth", ip4: "192.168.10.20", type_: "ethernet", is_wg: false },
                { name: "<b>x</b>", ip4: "1.2.3.4", type_: "wireguard", is_wg: true }
            ])
            const lines = rows("interfaces")
            compare(lines.length, 3)
            compare(lines.map(l => findChild(l, "restartButton").visible), [true, false, true])
            const labels = lines.map(l => findChild(l, "interfaceLabel").text)
            compare(labels[0], "<b>wg0</b>: 10.8.0.3")
            compare(labels[1], "<b>wgeth</b> (ethernet): 192.168.10.20")
            compare(labels[2], "<b>&lt;b&gt;x&lt;/b&gt;</b> (wireguard): 1.2.3.4")
            const restart = findChild(lines[2], "restartButton")
            compare(restart.text, "Schnittstelle <b>x</b> neu starten")
            compare(restart.contentItem.textFormat, Text.PlainText)
            mouseClick(findChild(lines[0], "restartButton"))
            compare(scene.requests, [[Wifi.RestartWireguard, "wg0"]])
            // The list goes to the console as JSON.
            verify(TestHooks.consoleLines().some(l => l.indexOf('"name":"wg0"') >= 0))

            TestHooks.setWifiIpMapList([{ name: "eth0", ip4: "192.168.10.20", type_: "", is_wg: false }])
            wait(0)
            const rebuilt = rows("interfaces")
            compare(rebuilt.length, 1)
            verify(!findChild(rebuilt[0], "restartButton").visible)
        }

        function test_scanPendingUntilChangeOrAbort() {
            const results = { "Nachbar": { quality: 21, is5GHz: false } }
            TestHooks.setWifiScanResults(results)
            const scan = findChild(tab, "scanButton")
            compare(scan.text, "Suche nach WLAN-Netzen")
            mouseClick(scan)
            compare(scene.requests, [[Wifi.Scan, null]])
            verify(!scan.enabled)
            verify(findChild(tab, "scanBusy").running)
            // The same results again change nothing: still pending.
            TestHooks.setWifiScanResults(results)
            verify(!scan.enabled)
            TestHooks.abortWifiScan()
            verify(scan.enabled)
            verify(!findChild(tab, "scanBusy").running)
            // Changed results end a scan too.
            mouseClick(scan)
            verify(!scan.enabled)
            TestHooks.setWifiScanResults({ "Keller": { quality: 50, is5GHz: false } })
            verify(scan.enabled)
        }

        function test_connectingScanButtonDisconnects() {
            TestHooks.setWifiState(Wifi.Connecting)
            const scan = findChild(tab, "scanButton")
            compare(scan.text, "Verbindungsversuch abbrechen")
            mouseClick(scan)
            compare(scene.requests, [[Wifi.Disconnect, null]])
            verify(scan.enabled)
        }

        // A tab built after the controller wrote the network state (the
        // settings page is built when first shown) shows that state at once.
        function test_builtLateShowsWhatWifiHolds() {
            TestHooks.setWifiSsid("Brauerei")
            TestHooks.setWifiState(Wifi.Connected)
            TestHooks.setWifiQuality(80)
            TestHooks.setWifiIpMapList([{ name: "wlan0", ip4: "192.168.10.21", type_: "wifi", is_wg: false }])
            TestHooks.setWifiScanResults({ "Brauerei": { quality: 80, is5GHz: false },
                                           "Keller": { quality: 33, is5GHz: true } })
            tab = createTemporaryObject(tabComponent, scene)
            compare(rows("interfaces").map(l => findChild(l, "interfaceLabel").text),
                    ["<b>wlan0</b> (wifi): 192.168.10.21"])
            compare(ssids(), ["Keller"])
            compare(findChild(tab, "signalIcon").source, "qrc:/img/wifi.svg")
            verify(findChild(tab, "scanButton").enabled)
        }

        function test_signalIcon() {
            const icon = findChild(tab, "signalIcon")
            compare(icon.source, "qrc:/img/wifi-off.svg")
            // Connecting: the bars cycle.
            TestHooks.setWifiState(Wifi.Connecting)
            tryCompare(icon, "source", "qrc:/img/wifi-1.svg", 1000)
            tryCompare(icon, "source", "qrc:/img/wifi-2.svg", 1000)
            tryCompare(icon, "source", "qrc:/img/wifi.svg", 1000)
            TestHooks.setWifiState(Wifi.Connected)
            TestHooks.setWifiQuality(40)
            compare(icon.source, "qrc:/img/wifi-2.svg")
            TestHooks.setWifiQuality(80)
            compare(icon.source, "qrc:/img/wifi.svg")
            // The level follows the next percentage change only.
            TestHooks.setWifiState(Wifi.Disconnected)
            compare(icon.source, "qrc:/img/wifi.svg")
            TestHooks.setWifiQuality(0)
            compare(icon.source, "qrc:/img/wifi-off.svg")
        }

        function test_pollingOnlyOnSelectedTab() {
            const page = createTemporaryObject(pageComponent, scene)
            page.changeIndex(page.networkIndex)
            page.isCurrent = true
            const ipData = () => scene.requests.filter(r => r[0] === Wifi.IPData).length
            tryVerify(() => ipData() >= 2, 3000)
            page.changeIndex(page.networkIndex + 1)
            const count = ipData()
            wait(1300)
            compare(ipData(), count)
            // Leaving the settings page stops it as well.
            page.changeIndex(page.networkIndex)
            tryVerify(() => ipData() > count, 2000)
            page.isCurrent = false
            const after = ipData()
            wait(1300)
            compare(ipData(), after)
            compare(scene.requests.filter(r => r[0] !== Wifi.IPData), [])
        }

        function test_passwordPageShowsSsidAsText() {
            const page = createTemporaryObject(pageComponent, scene)
            Wifi.gotLoginData("<i>Gast</i>", "")
            const label = findChild(page.loginPage, "essidLabel")
            compare(label.text, "Passwort für: <i>Gast</i>")
            compare(label.textFormat, Text.PlainText)
        }
    }
}
