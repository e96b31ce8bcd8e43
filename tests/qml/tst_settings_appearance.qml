import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import Qt.labs.settings 1.1
import tavell.bridge 1.0
import tavell.testing 1.0
import "qrc:/qml/content/settings"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 800
    height: 600

    Settings {
        id: python
        category: "python"
    }

    // Records what the tab asks of the main window.
    QtObject {
        id: win

        property var calls: []
        property int visibility: Window.Windowed

        function setTheme(theme) { calls.push("theme " + theme); Common.theme = theme }
        function showMinimized() { calls.push("minimized") }
        function showFullScreen() { calls.push("fullscreen"); visibility = Window.FullScreen }
        function showNormal() { calls.push("normal"); visibility = Window.Windowed }
        function close() { calls.push("close") }
    }

    Component {
        id: tabComponent
        SettingsAppearance { anchors.fill: parent }
    }

    TestCase {
        name: "SettingsAppearance"
        when: windowShown

        property var tab: null

        function init() {
            Common.theme = Material.Dark
            Common.window = win
            win.calls = []
            win.visibility = Window.Windowed
            Dialogs.overlay = scene
            TestHooks.clearLog()
            python.setValue("simulator", 7)
            tab = createTemporaryObject(tabComponent, scene)
        }

        function cleanup() {
            while (Dialogs.popupActive) {
                const id = Dialogs.currentId
                Dialogs.rejectCurrent()
                tryVerify(function() { return Dialogs.currentId !== id }, 2000)
            }
            Common.window = null
            Bridge.debug = false
            Bridge.simulator = false
        }

        function child(name) { return findChild(tab, name) }

        function test_themeSelectionFollowsTheme() {
            const combo = child("comboTheme")
            compare(combo.currentIndex, 1)
            compare(combo.currentText, "Dunkel")
            Common.theme = Material.Light
            compare(combo.currentIndex, 0)
            compare(combo.currentText, "Hell")
        }

        function test_choosingThemeSetsIt() {
            const combo = child("comboTheme")
            combo.comboBox.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(win.calls, ["theme 0"])
            compare(Common.theme, Material.Light)
            // Still bound: a theme switch elsewhere moves the selection.
            Common.theme = Material.Dark
            compare(combo.currentIndex, 1)
        }

        function test_indexAboveOneRefused() {
            Common.theme = Material.System
            compare(win.calls, [])
            compare(TestHooks.consoleLines(), ["debug: Für comboTheme wird nur Index 0...1 unterstützt (2)"])
        }

        function test_windowButtons() {
            mouseClick(child("minimizeButton"))
            mouseClick(child("fullscreenButton"))
            mouseClick(child("fullscreenButton"))
            mouseClick(child("closeButton"))
            compare(win.calls, ["minimized", "fullscreen", "normal", "close"])
        }

        function test_backendModeOnlyInDebugBuild() {
            verify(!child("backendHeading").visible)
            verify(!child("backendText").visible)
            verify(!child("comboMode").visible)
            Bridge.debug = true
            verify(child("backendHeading").visible)
            compare(child("backendHeading").text, "Backend-Modus")
            verify(child("comboMode").visible)
            compare(child("comboMode").text, "Modus")
            verify(Qt.colorEqual(child("comboMode").color, "red"))
        }

        function test_currentModeNamed_data() {
            return [{ tag: "production", simulator: false, name: "Production", index: 0 },
                    { tag: "simulator", simulator: true, name: "Simulator", index: 1 }]
        }

        function test_currentModeNamed(data) {
            Bridge.debug = true
            Bridge.simulator = data.simulator
            compare(child("backendText").text,
                    "Folgende Einstellung ist nur im Debug-Build verfügbar.\nAktueller Modus: " + data.name)
            compare(child("comboMode").currentIndex, data.index)
            compare(child("comboMode").currentText, data.name)
            // Presetting the current mode stores nothing and asks nothing.
            compare(Number(python.value("simulator")), 7)
            verify(!Dialogs.popupActive)
        }

        function test_choosingOtherModeStoresAndTells_data() {
            return [{ tag: "to simulator", simulator: false, key: Qt.Key_Down, stored: 1 },
                    { tag: "to production", simulator: true, key: Qt.Key_Up, stored: 0 }]
        }

        function test_choosingOtherModeStoresAndTells(data) {
            Bridge.debug = true
            Bridge.simulator = data.simulator
            const combo = child("comboMode")
            combo.comboBox.forceActiveFocus()
            keyClick(data.key)
            compare(Number(python.value("simulator")), data.stored)
            verify(Dialogs.popupActive)
            const dialog = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
            compare(dialog.title, "Backend-Modus geändert")
            compare(dialog.text, "Diese Änderung wird erst nach Neustart des Programms angewandt")
        }

        function test_choosingCurrentModeDoesNothing() {
            Bridge.debug = true
            Bridge.simulator = true
            python.setValue("simulator", 1)
            child("comboMode").activated(1)
            compare(Number(python.value("simulator")), 1)
            verify(!Dialogs.popupActive)
        }

        // Simulator chosen, then the running Production again: the next start
        // must run what the box shows.
        function test_goingBackToCurrentModeTakesTheChangeBack() {
            Bridge.debug = true
            Bridge.simulator = false
            python.setValue("simulator", 0)
            const combo = child("comboMode")
            combo.comboBox.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(Number(python.value("simulator")), 1)
            Dialogs.rejectCurrent()
            tryVerify(function() { return !Dialogs.popupActive }, 2000)
            combo.comboBox.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(combo.currentText, "Production")
            compare(Number(python.value("simulator")), 0)
            verify(!Dialogs.popupActive)
        }
    }
}
