import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import Qt.labs.settings 1.1
import tavell.bridge 1.0
import tavell.testing 1.0
import "qrc:/qml/content/pages"
import "qrc:/qml/singletons"

// The settings page restores the window and theme at start and stores them
// when the window closes. The window here is a stand-in with the main
// window's interface, recording what the page asks of it.
Item {
    id: scene

    width: 1024
    height: 600

    Settings {
        id: stored
        category: "window"
    }

    Component {
        id: windowComponent
        QtObject {
            property real x: 0
            property real y: 0
            property real width: 1024
            property real height: 600
            property int visibility: Window.Windowed
            property rect posAndSizeRect: Qt.rect(x, y, width, height)
            property var themes: []
            property int maximizedCalls: 0

            signal closing(var close)

            function setTheme(theme) {
                themes.push(theme)
                Common.theme = theme
            }
            function showMaximized() {
                maximizedCalls += 1
                visibility = Window.Maximized
            }
        }
    }

    Settings {
        id: storedSimulator
        category: "simulator"
    }

    // The simulator window's part the page uses: its place and visibility.
    Component {
        id: simulatorComponent
        QtObject {
            property real x: 0
            property real y: 0
            property bool visible: true
        }
    }

    Component {
        id: pageComponent
        SettingsPage { }
    }

    TestCase {
        name: "SettingsWindow"
        when: windowShown

        function store(values) {
            for (const key in values)
                stored.setValue(key, values[key])
            stored.sync()
        }

        function init() {
            TestHooks.clearLog()
            Common.window = null
            Common.theme = Material.Dark
            Bridge.simulator = false
            store({ theme: 1, maximized: false, x: 0, y: 0, width: 700, height: 500 })
        }

        function cleanup() {
            Common.window = null
            Common.theme = Material.Dark
            Bridge.simulator = false
        }

        function test_restoresStoredPlacementAndTheme() {
            store({ theme: 0, maximized: "false", x: 30, y: 40, width: 640, height: 480 })
            const win = createTemporaryObject(windowComponent, scene)
            Common.window = win
            createTemporaryObject(pageComponent, scene)
            compare(win.themes, [0])
            compare([win.x, win.y, win.width, win.height], [30, 40, 640, 480])
            compare(win.maximizedCalls, 0)
            compare(TestHooks.consoleLines(), [])
        }

        function test_waitsForTheWindow() {
            store({ x: 5, y: 6, width: 600, height: 400 })
            createTemporaryObject(pageComponent, scene)
            const win = createTemporaryObject(windowComponent, scene)
            compare(win.themes, [])
            Common.window = win
            compare(win.themes, [1])
            compare([win.x, win.y, win.width, win.height], [5, 6, 600, 400])
        }

        function test_maximizedRestoresMaximized_data() {
            return [{ tag: "bool", value: true }, { tag: "text", value: "true" }]
        }

        function test_maximizedRestoresMaximized(data) {
            store({ maximized: data.value, x: 70, y: 80 })
            const win = createTemporaryObject(windowComponent, scene)
            Common.window = win
            createTemporaryObject(pageComponent, scene)
            compare(win.maximizedCalls, 1)
            compare([win.x, win.y], [0, 0])
        }

        function test_unreadableThemeFallsBackToSystem() {
            store({ theme: "dunkel" })
            const win = createTemporaryObject(windowComponent, scene)
            Common.window = win
            createTemporaryObject(pageComponent, scene)
            compare(win.themes, [Material.System])
        }

        function test_fullScreenStartKeepsStoredGeometry() {
            store({ x: 12, y: 13, width: 650, height: 450 })
            const win = createTemporaryObject(windowComponent, scene)
            win.visibility = Window.FullScreen
            Common.window = win
            createTemporaryObject(pageComponent, scene)
            compare([win.x, win.y, win.width, win.height], [0, 0, 1024, 600])
            compare(win.maximizedCalls, 0)
            win.closing({})
            compare([Number(stored.value("x")), Number(stored.value("y")), Number(stored.value("width")),
                     Number(stored.value("height"))], [12, 13, 650, 450])
        }

        function test_closingStoresLastWindowedGeometry() {
            const win = createTemporaryObject(windowComponent, scene)
            Common.window = win
            createTemporaryObject(pageComponent, scene)
            // What the main window kept before it went full screen.
            win.posAndSizeRect = Qt.rect(21, 22, 623, 424)
            win.visibility = Window.FullScreen
            win.x = 0; win.y = 0; win.width = 2048; win.height = 1200
            win.closing({})
            compare([Number(stored.value("x")), Number(stored.value("y")), Number(stored.value("width")),
                     Number(stored.value("height"))], [21, 22, 623, 424])
            compare(String(stored.value("maximized")), "false")
        }

        function test_closingStoresMaximized() {
            const win = createTemporaryObject(windowComponent, scene)
            Common.window = win
            createTemporaryObject(pageComponent, scene)
            win.showMaximized()
            win.closing({})
            compare(String(stored.value("maximized")), "true")
        }

        function test_themeStoredOnChangeAfterStart() {
            store({ theme: 1 })
            const page = createTemporaryObject(pageComponent, scene)
            // Not started: nothing is written.
            Common.theme = Material.Light
            compare(Number(stored.value("theme")), 1)
            const win = createTemporaryObject(windowComponent, scene)
            Common.window = win
            compare(Number(stored.value("theme")), 1)
            Common.theme = Material.Light
            compare(Number(stored.value("theme")), 0)
            Common.theme = Material.Dark
            compare(Number(stored.value("theme")), 1)
        }

        function test_simulatorPlaceRestoredAndStored_data() {
            return [
                { tag: "stored", x: 300, y: 200, visible: true, restored: [300, 200] },
                { tag: "one axis 0", x: 300, y: 0, visible: true, restored: [0, 0] },
                { tag: "shown later", x: 300, y: 200, visible: false, restored: [0, 0] }
            ]
        }

        function test_simulatorPlaceRestoredAndStored(data) {
            Bridge.simulator = true
            storedSimulator.setValue("x", data.x)
            storedSimulator.setValue("y", data.y)
            storedSimulator.sync()
            const win = createTemporaryObject(windowComponent, scene)
            Common.window = win
            const sim = createTemporaryObject(simulatorComponent, scene, { visible: data.visible })
            createTemporaryObject(pageComponent, scene, { simulatorWindow: sim })
            compare([sim.x, sim.y], data.restored)
            compare(TestHooks.consoleLines(), [])

            // Closing stores the place of a visible simulator window only.
            sim.x = 410
            sim.y = 120
            win.closing({})
            const expected = data.visible ? [410, 120] : [data.x, data.y]
            compare([Number(storedSimulator.value("x")), Number(storedSimulator.value("y"))], expected)
            // A window that shows only after the start goes to the stored place then, once.
            sim.visible = true
            compare([sim.x, sim.y], data.visible ? [410, 120] : [300, 200])
            sim.x = 7
            sim.visible = false
            sim.visible = true
            compare(sim.x, 7)
        }

        function test_simulatorWithoutWindowIsReported() {
            Bridge.simulator = true
            const win = createTemporaryObject(windowComponent, scene)
            Common.window = win
            createTemporaryObject(pageComponent, scene)
            compare(TestHooks.consoleLines(), ["debug: [SettingsRaspi] simulatorWindow Problem ..."])
        }
    }
}
