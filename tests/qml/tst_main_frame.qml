import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
import tavell.testing 1.0
import tavell.gui 1.0
import tavell.values 1.0
import "qrc:/qml"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 1024
    height: 600

    Base {
        id: base
        anchors.fill: parent
    }

    Component {
        id: freshBase
        Base { anchors.fill: parent }
    }

    SignalSpy { id: pageSpy; target: Gui; signalName: "changedPage" }

    TestCase {
        name: "MainFrame"
        when: windowShown

        function entry(name) { return findChild(base.sideMenu, name) }

        function test_menuSwitchesPagesAndReports() {
            pageSpy.clear()
            mouseClick(entry("menuSettings"), 10, 10)
            compare(base.currentIndex, 4)
            compare(pageSpy.count, 1)
            compare(pageSpy.signalArguments[0][0], Gui.Settings)
            mouseClick(entry("menuRecipes"), 10, 10)
            compare(base.currentIndex, 3)
            compare(pageSpy.signalArguments[1][0], Gui.Recipes)
            verify(entry("menuRecipes").active)
            verify(!entry("menuSettings").active)
        }

        function test_menuOpensAndClickCatcherCollapses() {
            mouseClick(entry("menuExpand"), 10, 10)
            verify(base.sideMenu.opened)
            mouseClick(base, 700, 300)
            verify(!base.sideMenu.opened)
        }

        // An entry answers on its icon and on its label alike; only the
        // expand entry's label, while there are warnings, shows them instead.
        function test_menuEntriesAnswerOnIconAndLabel() {
            const menu = base.sideMenu
            const expand = entry("menuExpand")
            const label = expand.iconWidth + 30
            function open() {
                mouseClick(expand, 10, 10)
                verify(menu.opened)
                tryCompare(menu, "width", menu.collapsedWidth + 250)
            }
            open()
            mouseClick(expand, label, 10)
            verify(!menu.opened)
            open()
            mouseClick(entry("menuRecipes"), label, 10)
            compare(base.currentIndex, 3)
            verify(!menu.opened)

            Gui.setWarningsDialogData(1, "Warnung", "Deckel offen", "")
            tryCompare(menu, "width", menu.collapsedWidth)
            open()
            verify(!Dialogs.popupActive)
            mouseClick(expand, label, 10)
            verify(!menu.opened)
            tryVerify(function() { return Dialogs.popupActive })
            compare(Dialogs.getOpenDialogById(Dialogs.currentId)[0].text, "Deckel offen")
            Gui.closeCurrentDialog(false)
            tryVerify(function() { return !Dialogs.popupActive })
            Gui.setWarningsDialogData(0, "", "", "")
        }

        function test_lineEntriesFollowZoneCountB_data() {
            return [{ tag: "unknown", b: -1, single: true }, { tag: "none", b: 0, single: true },
                    { tag: "three", b: 3, single: false }]
        }

        function test_lineEntriesFollowZoneCountB(data) {
            TestHooks.setValue("heatZoneCountB", data.b)
            compare(entry("menuBrauprozess").visible, data.single)
            compare(entry("menuAutoA").visible, !data.single)
            compare(entry("menuAutoB").visible, !data.single)
            TestHooks.setValue("heatZoneCountB", -1)
        }

        function test_updatesShellOpensUpdatesTab() {
            base.showUpdatePage(3)
            const settings = findChild(base, "settingsPage")
            compare(base.currentIndex, 4)
            compare(settings.tabIndex, 2)
            compare(settings.updatesTabIndex, 3)
        }

        // Only the current page is drawn: from the start, and again once a
        // page change has slid.
        function test_offscreenPagesHide() {
            const fresh = createTemporaryObject(freshBase, scene)
            verify(findChild(fresh, "pageAuto1").visible)
            for (const name of ["pageAuto2", "pageReport", "pageRecipes", "settingsLoader"])
                verify(!findChild(fresh, name).visible, name)
            // The fresh frame took over the dialogs; give them back.
            Dialogs.overlay = base
            base.currentIndex = 0
            tryCompare(findChild(base, "pageRecipes"), "visible", false, 2000)
            verify(findChild(base, "pageAuto1").visible)
        }

        function test_toastShowsAndHides() {
            Gui.toastWarn("Achtung", 100)
            verify(base.toast.visible)
            compare(base.toast.text, "Achtung")
            compare(base.toast.iconUrl, "qrc:/img/exclamation-triangle.svg")
            verify(Qt.colorEqual(base.toast.color, Common.colorWarning))
            tryCompare(base.toast, "visible", false, 1000)
            Gui.toastNotify("gespeichert", "", Gui.ColorTransparent, 0)
            compare(base.toast.interval, 1000)
            compare(base.toast.iconUrl, "qrc:/img/exclamation-triangle.svg")
            // Asked for no colour: shown on the theme's toast colour.
            verify(Qt.colorEqual(base.toast.tone, "transparent"))
            verify(Qt.colorEqual(base.toast.color, Common.colorToast))
            Gui.toastNotify("x", "qrc:/img/save.svg", 9, 50)
            verify(Qt.colorEqual(base.toast.tone, "transparent"))
            verify(Qt.colorEqual(base.toast.color, Common.colorToast))
            tryCompare(base.toast, "visible", false, 1000)
        }

        // Whatever colour a toast is asked for, its text reads on what it
        // shows, in both themes.
        function test_toastTextReads() {
            const text = findChild(base.toast, "toastText")
            for (const theme of [Material.Dark, Material.Light]) {
                Common.theme = theme
                for (const ask of [function() { Gui.toastWarn("Achtung", 100) },
                                   function() { Gui.toastNotify("grün", "", Gui.ColorGreen, 100) },
                                   function() { Gui.toastNotify("ohne", "", Gui.ColorTransparent, 100) }]) {
                    ask()
                    verify(base.toast.color.a > 0.99)
                    verify(Common.contrast(text.color, base.toast.color) >= 4.5, `${text.color} auf ${base.toast.color}`)
                }
            }
            Common.theme = Material.Dark
            tryCompare(base.toast, "visible", false, 1000)
        }

        function test_hiddenTopBarOwnsTheToast() {
            const bar = findChild(base, "topBar")
            const tabs = findChild(bar, "topTabBar")
            verify(!tabs.visible)
            verify(!findChild(bar, "topPowerButton").visible)
            compare([tabs.itemAt(0).text, tabs.itemAt(1).text, tabs.itemAt(2).text], ["Automatik", "Rezepte", "Settings"])
            compare(base.toast.parent, bar)
            // Beside the collapsed menu, whose icons it must not cover.
            verify(base.toast.x >= base.sideMenu.collapsedWidth)
            compare([base.toast.y, base.toast.height], [0, bar.height])
        }

        function test_reportPageOnlyWithReportVisible() {
            verify(!Common.reportVisible)
            const report = findChild(base, "pageReport")
            pageSpy.clear()
            TestHooks.setGuiPage(Gui.Report)
            compare(base.currentIndex, 2)
            verify(!report.visible)
            compare(pageSpy.count, 1)
            compare(pageSpy.signalArguments[0][0], Gui.Report)
            // The other pages show until the timer hides them; the report never.
            TestHooks.setGuiPage(Gui.Recipes)
            verify(findChild(base, "pageAuto1").visible)
            verify(!report.visible)
            tryCompare(findChild(base, "pageAuto1"), "visible", false, 2000)
            verify(!report.visible)
            TestHooks.setGuiPage(Gui.Auto1)
        }

        function test_pageOutsideTheEnumIsLogged() {
            TestHooks.setGuiPage(Gui.Recipes)
            TestHooks.clearLog()
            TestHooks.setGuiPage(9)
            verify(TestHooks.logged("Keine Page für 9 vorhanden!"))
            compare(base.currentIndex, 3)
            TestHooks.setGuiPage(Gui.Auto1)
        }

        function test_commonSizesFollowThePageContainer() {
            const view = findChild(base, "pageView")
            verify(view.font.pointSize > 0)
            compare([Common.h, Common.w1, Common.fSize], [view.height, view.width, view.font.pointSize])
            scene.height = 500
            compare(Common.h, 500)
            scene.height = 600
        }

        function test_helpEndsAfterThreeMisses() {
            base.currentIndex = 0
            Help.requested = true
            mouseClick(base, 500, 300)
            compare(base.toast.text, "Keine Hilfe gefunden")
            mouseClick(base, 500, 300)
            verify(Help.requested)
            mouseClick(base, 500, 300)
            compare(base.toast.text, "Hilfemodus abgebrochen")
            verify(!Help.requested)
        }
    }
}
