import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.bridge 1.0
import tavell.gui 1.0
import tavell.testing 1.0
import tavell.wifi 1.0
import "qrc:/qml"
import "qrc:/qml/content/pages"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 1024
    height: 600

    property var wifiReports: []

    Connections {
        target: Wifi
        function onToPy(kind, value) { scene.wifiReports.push([kind, JSON.stringify(value)]) }
    }

    Component {
        id: pageComponent
        SettingsPage { width: 800; height: 500 }
    }

    Component {
        id: baseComponent
        Base { anchors.fill: parent }
    }

    SignalSpy { id: pageSpy; target: Gui; signalName: "changedPage" }

    TestCase {
        name: "SettingsPage"
        when: windowShown

        property var page: null

        function init() {
            scene.wifiReports = []
            TestHooks.clearLog()
            page = createTemporaryObject(pageComponent, scene)
            verify(page)
        }

        function cleanup() {
            Bridge.platform = "raspi"
        }

        function stackNames() {
            const names = []
            for (let i = 0; i < page.stack.count; ++i)
                names.push(page.stack.children[i].objectName)
            return names
        }

        function test_boxAndStackInOrder() {
            const box = page.comboBox
            const texts = []
            for (let i = 0; i < box.count; ++i)
                texts.push(box.textAt(i))
            compare(texts, ["Allgemein", "Netzwerk", "Updates", "FlashPico", "Erscheinungsbild", "Maschine",
                            "Handbetrieb"])
            compare(stackNames(), ["tabGeneral", "tabNetwork", "tabUpdates", "tabFlashPico", "tabAppearance",
                                   "tabMachine", "tabManualOperation", "wifiLoginPage"])
            // A tab is built once its page is on screen and it is chosen, and kept.
            const general = page.stack.children[0]
            const manual = page.stack.children[6]
            page.changeIndex(6)
            compare(manual.item, null)
            page.isCurrent = true
            verify(manual.item)
            page.isCurrent = false
            page.changeIndex(0)
            compare(general.item, null)
            verify(manual.item)
            page.isCurrent = true
            verify(general.item)
            // The general tab scrolls with fade hints.
            verify(findChild(page.stack.children[0], "flickable"))
            verify(findChild(page.stack.children[0], "gradientBottom"))
        }

        function test_changeIndexMovesBoxAndStack() {
            page.changeIndex(4)
            compare(page.comboBox.currentIndex, 4)
            compare(page.stack.currentIndex, 4)
            page.changeIndex(0)
            compare(page.comboBox.currentIndex, 0)
            compare(page.stack.currentIndex, 0)
        }

        function test_operatorChoiceMovesStack() {
            page.comboBox.forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(page.comboBox.currentIndex, 2)
            compare(page.stack.currentIndex, 2)
        }

        function test_showUpdatePageSelectsSubTab() {
            page.changeIndex(5)
            page.showUpdatePage(3)
            compare(page.comboBox.currentIndex, 2)
            compare(page.stack.currentIndex, 2)
            compare(findChild(page, "tabUpdates").currentIndex, 3)
            page.showUpdatePage()
            compare(findChild(page, "tabUpdates").currentIndex, 0)
        }

        function test_reportsBecomingCurrent() {
            pageSpy.clear()
            page.isCurrent = true
            compare(pageSpy.count, 1)
            compare(pageSpy.signalArguments[0][0], Gui.Settings)
            page.isCurrent = false
            compare(pageSpy.count, 1)
        }

        function test_networkWorkerOnlyOnSelectedTabOfCurrentPage() {
            page.changeIndex(1)
            verify(!page.network.enableWorker)
            page.isCurrent = true
            verify(page.network.enableWorker)
            page.changeIndex(2)
            verify(!page.network.enableWorker)
            page.changeIndex(1)
            verify(page.network.enableWorker)
            page.isCurrent = false
            verify(!page.network.enableWorker)
            // The password page is not the network tab.
            page.isCurrent = true
            Wifi.gotLoginData("Sudhaus", "")
            verify(!page.network.enableWorker)
        }

        function test_loginDataOpensFilledPasswordPage() {
            page.changeIndex(1)
            Wifi.gotLoginData("Brauerei <5G>", "geheim")
            compare(page.stack.currentIndex, 7)
            const login = page.loginPage
            compare(findChild(login, "essidLabel").text, "Passwort für: Brauerei <5G>")
            const field = findChild(login, "passwordField")
            compare(field.text, "geheim")
            compare(field.echoMode, TextInput.Password)
            const show = findChild(login, "showPassword")
            show.checked = true
            compare(field.echoMode, TextInput.Normal)
            // A new request masks the password again.
            Wifi.gotLoginData("Sudhaus", "")
            verify(!show.checked)
            compare(field.echoMode, TextInput.Password)
            compare(field.text, "")
        }

        function test_connectSendsAndReturnsToNetworkTab() {
            page.changeIndex(1)
            Wifi.gotLoginData("Brauerei", "alt")
            const field = findChild(page.loginPage, "passwordField")
            field.text = "neu geheim"
            findChild(page.loginPage, "showPassword").checked = true
            mouseClick(findChild(page.loginPage, "connectButton"))
            compare(scene.wifiReports, [[Wifi.Connect, JSON.stringify(["Brauerei", "neu geheim"])]])
            compare(page.stack.currentIndex, 1)
            compare(page.comboBox.currentIndex, 1)
            // The page left behind keeps no password.
            compare(field.text, "")
            verify(!findChild(page.loginPage, "showPassword").checked)
        }

        function test_backSendsNothing() {
            page.changeIndex(3)
            Wifi.gotLoginData("Brauerei", "geheim")
            mouseClick(findChild(page.loginPage, "backButton"))
            compare(scene.wifiReports, [])
            compare(page.stack.currentIndex, 1)
            compare(page.comboBox.currentIndex, 1)
            compare(findChild(page.loginPage, "passwordField").text, "")
            // Left for another tab, it forgets the password too.
            Wifi.gotLoginData("Brauerei", "geheim")
            page.changeIndex(5)
            compare(findChild(page.loginPage, "passwordField").text, "")
        }

        function test_raspiLoadsSettingsPageAtItsIndex() {
            const base = createTemporaryObject(baseComponent, scene)
            const loader = findChild(base, "settingsLoader")
            verify(loader.item)
            compare(loader.item.objectName, "settingsPage")
            compare(loader.item.pageIndex, 4)
            pageSpy.clear()
            base.currentIndex = 4
            compare(pageSpy.signalArguments[0][0], Gui.Settings)
            base.currentIndex = 0
            base.showUpdatePage(1)
            compare(base.currentIndex, 4)
            compare(loader.item.updatesTabIndex, 1)
            compare(TestHooks.consoleLines().filter(l => l.indexOf("Bridge.platform") >= 0), [])
        }

        function test_otherPlatformsLeaveSlotEmpty_data() {
            return [{ tag: "desktop" }, { tag: "wasm" }]
        }

        function test_otherPlatformsLeaveSlotEmpty(data) {
            Bridge.platform = data.tag
            const base = createTemporaryObject(baseComponent, scene)
            const loader = findChild(base, "settingsLoader")
            compare(loader.item, null)
            compare(findChild(base, "pageView").count, 5)
            compare(TestHooks.consoleLines().filter(l => l.indexOf("Bridge.platform") >= 0), [])
            // The slot still becomes current; the updates request finds no page.
            base.showUpdatePage(3)
            compare(base.currentIndex, 4)
        }

        function test_unknownPlatformLogsError() {
            Bridge.platform = "foo"
            const base = createTemporaryObject(baseComponent, scene)
            compare(findChild(base, "settingsLoader").item, null)
            compare(TestHooks.consoleLines().filter(l => l.indexOf("Bridge.platform") >= 0),
                    ["critical: Bridge.platform hat einen ungültigen Wert (foo)"])
        }
    }
}
