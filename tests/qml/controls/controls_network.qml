import QtQuick 2.15
import tavell.wifi 1.0
import "qrc:/qml/content/settings"

// The network tab: what its buttons ask the controller for and when they
// may be used. Its rows are built when the controller's lists change.
Item {
    id: scene

    width: 700
    height: 600

    Component { id: tab; SettingsNetwork { width: scene.width; height: scene.height } }

    ControlsCase {
        id: t

        name: "NetworkControls"

        // The button of a row built from the given interfaces.
        function restartOf(interfaces) {
            return function(screen) {
                const rows = t.findChild(screen, "interfaces")
                if (rows.children.length === 0) {
                    t.put("wifi.ipMapList", [])
                    t.put("wifi.ipMapList", interfaces)
                }
                return t.findChild(rows, "restartButton")
            }
        }

        // "Verbinden" of the network found by a scan.
        function foundNetwork(screen) {
            const rows = t.findChild(screen, "networks")
            if (rows.count === 0)
                t.put("wifi.scanResults", { "Gast": { quality: 70 } })
            rows.forceLayout()
            return t.findChild(rows.itemAtIndex(0), "lineButton")
        }

        // A second press while the scan is pending asks for nothing.
        function scanTwice(item, tc) {
            tc.mouseClick(item)
            tc.mouseClick(item)
        }

        function test_network_data() {
            return [
                { tag: "disconnect", control: "currentNetwork/lineButton", act: "click",
                  sends: [toWifi(Wifi.Disconnect, null)], when: { "wifi.state": [Wifi.Connected, Wifi.Disconnected] } },
                { tag: "scan", control: "scanButton", act: scanTwice, context: { "wifi.state": Wifi.Disconnected },
                  sends: [toWifi(Wifi.Scan, null)] },
                { tag: "scan while connecting", control: "scanButton", act: "click",
                  context: { "wifi.state": Wifi.Connecting }, sends: [toWifi(Wifi.Disconnect, null)] },
                { tag: "join a found network", control: foundNetwork, act: "click", context: { "wifi.ssid": "Sudhaus" },
                  sends: [toWifi(Wifi.Login, "Gast")] },
                { tag: "restart wg0", control: restartOf([{ name: "wg0", ip4: "10.8.0.3" }]), act: "click",
                  sends: [toWifi(Wifi.RestartWireguard, "wg0")] },
                { tag: "restart a WireGuard interface", act: "click",
                  control: restartOf([{ name: "tun1", ip4: "10.8.0.4", type_: "wireguard", is_wg: true }]),
                  sends: [toWifi(Wifi.RestartWireguard, "tun1")] },
                { tag: "no restart for ethernet named wg", act: "click",
                  control: restartOf([{ name: "wgeth", ip4: "192.168.1.2", type_: "ethernet", is_wg: false }]),
                  sends: null }
            ]
        }
        function test_network(row) { check(tab, row) }
    }
}
