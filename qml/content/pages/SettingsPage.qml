import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import Qt.labs.settings 1.1
import tavell.bridge 1.0
import tavell.gui 1.0
import tavell.wifi 1.0
import "../../singletons"
import "../../base"
import "../settings"

// Settings of the plant computer: a selection box over the tabs, plus the
// Wi-Fi password page that only the controller opens. Restores the window
// and theme at start and stores them when the window closes.
Page {
    id: root

    // Told by the page container when it loads this page.
    property int pageIndex: -1
    property bool isCurrent: false
    // The simulator window, in simulator mode; the page container hands it over.
    property var simulatorWindow: null

    readonly property var tabNames: ["Allgemein", "Netzwerk", "Updates", "FlashPico", "Erscheinungsbild",
        "Maschine", "Handbetrieb"]
    readonly property int networkIndex: 1
    readonly property int updatesIndex: 2
    readonly property int loginIndex: tabNames.length

    readonly property alias tabIndex: stack_.currentIndex
    readonly property alias updatesTabIndex: updates_.currentIndex
    readonly property alias comboBox: box_
    readonly property alias stack: stack_
    readonly property alias network: network_
    readonly property alias loginPage: login_

    property bool started_: false
    property bool simulatorPlaced_: false

    function changeIndex(i) {
        box_.currentIndex = i
        stack_.currentIndex = i
    }

    function showUpdatePage(idx) {
        updates_.currentIndex = idx === undefined ? 0 : idx
        changeIndex(updatesIndex)
    }

    function showLoginPage(essid, psk) {
        login_.fill(essid, psk)
        stack_.currentIndex = loginIndex
    }

    function start_() {
        const win = Common.window
        let theme = parseInt(windowSettings_.value("theme", Material.System))
        if (isNaN(theme))
            theme = Material.System
        win.setTheme(theme)

        const maximized = windowSettings_.value("maximized", false)
        const rect = Qt.rect(Number(windowSettings_.value("x", 0)), Number(windowSettings_.value("y", 0)),
                             Number(windowSettings_.value("width", 700)), Number(windowSettings_.value("height", 500)))
        if (win.visibility === Window.FullScreen) {
            // Leave full screen alone; closing must still store the stored
            // windowed geometry, not the one the window started with.
            win.posAndSizeRect = rect
        } else if (maximized === true || maximized === "true") {
            win.showMaximized()
        } else {
            win.x = rect.x
            win.y = rect.y
            win.width = rect.width
            win.height = rect.height
        }

        if (simulatorWindow)
            restoreSimulatorWindow_()
        else if (Bridge.simulator)
            console.log("[SettingsRaspi] simulatorWindow Problem ...")

        win.closing.connect(storeWindow_)
        // The theme now in use, a first start's included; later changes
        // follow below.
        windowSettings_.setValue("theme", Common.theme)
        started_ = true
    }

    // Once, when the simulator window first shows. Only a stored place
    // counts: 0 on either axis means none was stored.
    function restoreSimulatorWindow_() {
        const sim = simulatorWindow
        if (!sim || !sim.visible || simulatorPlaced_)
            return
        simulatorPlaced_ = true
        const x = Number(simulatorSettings_.value("x", 0))
        const y = Number(simulatorSettings_.value("y", 0))
        if (x && y) {
            sim.x = x
            sim.y = y
        }
    }

    function storeWindow_() {
        const win = Common.window
        const rect = win.posAndSizeRect
        windowSettings_.setValue("maximized", win.visibility === Window.Maximized)
        windowSettings_.setValue("x", rect.x)
        windowSettings_.setValue("y", rect.y)
        windowSettings_.setValue("width", rect.width)
        windowSettings_.setValue("height", rect.height)
        windowSettings_.sync()
        const sim = simulatorWindow
        if (sim && sim.visible) {
            simulatorSettings_.setValue("x", sim.x)
            simulatorSettings_.setValue("y", sim.y)
            simulatorSettings_.sync()
        }
    }

    objectName: "settingsPage"

    onIsCurrentChanged: if (isCurrent) Gui.changedPage(Gui.Settings)
    // A simulator window that comes after the start still goes to its place.
    onSimulatorWindowChanged: if (started_) restoreSimulatorWindow_()

    // The window may complete after this page (the page container loads it
    // while the window is still being built).
    Component.onCompleted: if (Common.window) start_()

    background: Rectangle { color: Common.bg2 }

    Settings {
        id: windowSettings_
        category: "window"
    }

    Settings {
        id: simulatorSettings_
        category: "simulator"
    }

    Connections {
        target: Common
        enabled: !root.started_
        function onWindowChanged() { if (Common.window) root.start_() }
    }

    Connections {
        target: Common
        enabled: root.started_
        function onThemeChanged() { windowSettings_.setValue("theme", Common.theme) }
    }

    // The simulator window shows after its creation, which may be after the start.
    Connections {
        target: root.simulatorWindow
        enabled: root.started_ && !root.simulatorPlaced_
        function onVisibleChanged() { root.restoreSimulatorWindow_() }
    }

    Connections {
        target: Wifi
        function onGotLoginData(ssid, psk) { root.showLoginPage(ssid, psk) }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Common.spacing
        spacing: Common.spacing

        ThemedComboBox {
            id: box_

            objectName: "settingsTabBox"
            model: root.tabNames
            Layout.fillWidth: true

            onActivated: stack_.currentIndex = index
        }

        StackLayout {
            id: stack_

            objectName: "settingsStack"
            Layout.fillWidth: true
            Layout.fillHeight: true

            // Built when first opened; they hold nothing before that.
            LazyTab {
                objectName: "tabGeneral"
                pageShown: root.isCurrent
                source: "qrc:/qml/content/settings/SettingsCommon.qml"
            }

            SettingsNetwork {
                id: network_
                enableWorker: stack_.currentIndex === root.networkIndex && root.isCurrent
            }

            UpdatesRaspi { id: updates_ }

            LazyTab {
                objectName: "tabFlashPico"
                source: "qrc:/qml/content/settings/SettingsFlashPico.qml"
            }

            LazyTab {
                objectName: "tabAppearance"
                source: "qrc:/qml/content/settings/SettingsAppearance.qml"
            }

            LazyTab {
                objectName: "tabMachine"
                source: "qrc:/qml/content/settings/SettingsMachine.qml"
            }

            LazyTab {
                objectName: "tabManualOperation"
                pageShown: root.isCurrent
                source: "qrc:/qml/content/settings/SettingsManualOperation.qml"
            }

            WifiLoginPage {
                id: login_
                onBack: root.changeIndex(root.networkIndex)
                onConnectRequested: {
                    Wifi.toPy(Wifi.Connect, [essid, psk])
                    root.changeIndex(root.networkIndex)
                    network_.removeWifiLines()
                }
            }
        }
    }
}
