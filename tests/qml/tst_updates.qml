import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
import tavell.bridge 1.0
import tavell.gui 1.0
import tavell.shell 1.0
import tavell.testing 1.0
import "qrc:/qml"
import "qrc:/qml/content/settings"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 1024
    height: 600

    property var requests: []

    readonly property var rowTavell: ({ name: "tavell-brew", versionNew: "2", versionOld: "1", urgency: "medium",
                                         lastChange: ["nur eine Änderung"], changelogAvailable: "tavell-brew" })
    readonly property var rowPico: ({ name: "<b>pico</b>", versionNew: "1.4.2", versionOld: "1.4.1",
                                      urgency: "emergency", lastChange: ["eins", "zwei"], changelogAvailable: false })
    readonly property var rowWeb: ({ name: "tavell-web", versionNew: "3", versionOld: "2", urgency: "low",
                                     lastChange: [], changelogAvailable: "" })

    Connections {
        target: Shell
        function onToPy(action, value) { scene.requests.push([action, value]) }
    }

    Component {
        id: updatesComponent
        UpdatesRaspi { width: 1000; height: 560 }
    }

    Component {
        id: baseComponent
        Base { anchors.fill: parent }
    }

    TestCase {
        name: "Updates"
        when: windowShown

        property var page: null

        function init() {
            scene.requests = []
            TestHooks.setShellColors("#00ff00", "#ffa500", "#ff0000", "#808080")
            page = createTemporaryObject(updatesComponent, scene)
            verify(page)
            waitForRendering(page)
        }

        function cleanup() {
            TestHooks.setShellUpgradables([])
            TestHooks.setShellInstalled([])
            TestHooks.setShellChangelogs([])
            TestHooks.setShellLocked(false)
            TestHooks.setShellTestingRepoEnabled(false)
            TestHooks.setAutoActive(1, false)
            TestHooks.setAutoActive(2, false)
            Bridge.debug = false
        }

        // Shows a sub-tab and waits until the view has slid there (a press
        // while it slides does not reach the buttons).
        function showSubTab(index) {
            page.currentIndex = index
            const view = child("updatesView")
            const list = view.contentItem
            tryVerify(function() { return Math.abs(list.contentX - index * (list.width + view.spacing)) < 0.5 }, 2000)
        }

        function waitForSlide(tab) {
            const list = tab.contentItem
            tryVerify(function() { return Math.abs(list.contentX - tab.currentIndex * list.width) < 0.5 }, 2000)
        }

        function child(name, parentItem) { return findChild(parentItem || page, name) }

        function cellOf(tab, row, col) {
            tab.table.relayout()
            let cell
            tryVerify(function() { cell = tab.table.cellAt(row, col); return cell !== undefined }, 1000)
            return cell
        }

        function test_overviewHeadingsAndPanel() {
            const heading = child("updatesHeading")
            const panel = child("updatesPanel")
            compare(heading.text, "Es sind aktuell keine Updates verfügbar")
            verify(Qt.colorEqual(panel.color, Common.bg1))
            verify(!child("availableHint").visible)
            verify(!child("installedPanel").visible)

            TestHooks.setShellUpgradables([scene.rowTavell])
            compare(heading.text, "Es ist ein Update für ein Tavell-Paket verfügbar")
            verify(Qt.colorEqual(panel.color, Common.colorPositive))
            verify(child("availableHint").visible)

            // Every text of the panel reads on it, in both themes.
            for (const theme of [Material.Dark, Material.Light]) {
                Common.theme = theme
                for (const name of ["updatesHeading", "searchHint", "availableHint"])
                    verify(Common.contrast(child(name).color, panel.color) >= 4.5, `${name} in ${theme}`)
            }
            Common.theme = Material.Dark

            TestHooks.setShellUpgradables([scene.rowTavell, scene.rowPico])
            TestHooks.setShellInstalled([{ name: "a" }, { name: "b" }, { name: "c" }])
            compare(heading.text, "Es sind Updates für 2 Tavell-Pakete verfügbar")
            verify(child("installedPanel").visible)
            compare(child("installedCount").text, "Anzahl der installierten Tavell-Pakete: 3")
        }

        function test_testingAndCacheButtonsSendRequests() {
            const testing = child("testingButton")
            compare(testing.text, "Testing aktivieren")
            TestHooks.setShellTestingRepoEnabled(true)
            compare(testing.text, "Testing deaktivieren")
            mouseClick(testing)
            mouseClick(child("clearCacheButton"))
            compare(scene.requests, [[Shell.ToggleTesting, null], [Shell.ClearCache, null]])
        }

        function test_automaticSequenceBlocksOnlyUpgrade() {
            TestHooks.setShellUpgradables([scene.rowTavell])
            verify(!child("autoWarning").visible)
            verify(child("upgradeButton").enabled)
            TestHooks.setAutoActive(2, true)
            verify(child("autoWarning").visible)
            verify(!child("upgradeButton").enabled)
            verify(child("searchButton").enabled)
            mouseClick(child("searchButton"))
            compare(scene.requests, [[Shell.Update, null]])
            // Without updates there is nothing to warn about.
            TestHooks.setShellUpgradables([])
            verify(!child("autoWarning").visible)
        }

        function test_lockedDisablesCommandsAndShowsBusy() {
            TestHooks.setShellUpgradables([scene.rowTavell])
            const buttons = ["searchButton", "upgradeButton", "testingButton", "clearCacheButton"]
            for (const name of buttons)
                verify(child(name).enabled, name)
            verify(!child("busyIndicator").running)
            TestHooks.setShellLocked(true)
            for (const name of buttons)
                verify(!child(name).enabled, name)
            verify(child("busyIndicator").running)
            mouseClick(child("searchButton"))
            compare(scene.requests, [])
        }

        function test_availableCells() {
            TestHooks.setShellUpgradables([scene.rowTavell, scene.rowPico, scene.rowWeb])
            showSubTab(1)
            const tab = page.available

            const medium = cellOf(tab, 0, 3)
            compare(medium.label.text, "Mittel")
            verify(Qt.colorEqual(medium.label.color, "#ffa500"))
            const other = cellOf(tab, 1, 3)
            compare(other.label.text, "emergency")
            verify(Qt.colorEqual(other.label.color, "#808080"))
            verify(Qt.colorEqual(cellOf(tab, 2, 3).label.color, "#00ff00"))

            // A single change has no number, two are numbered.
            const single = cellOf(tab, 0, 4)
            compare(findChild(single, "changeText").text, "nur eine Änderung")
            verify(!findChild(single, "changeNumber").visible)
            verify(findChild(cellOf(tab, 1, 4), "changeNumber").visible)

            // Package data is shown as it is, never as markup.
            const name = cellOf(tab, 1, 0)
            compare(name.label.text, "<b>pico</b>")
            compare(name.label.textFormat, Text.PlainText)

            // Only a truthy value enables "Changelog".
            verify(findChild(cellOf(tab, 0, 5), "cellButton").enabled)
            verify(!findChild(cellOf(tab, 1, 5), "cellButton").enabled)
            verify(!findChild(cellOf(tab, 2, 5), "cellButton").enabled)

            // Rows alternate their background.
            verify(Qt.colorEqual(cellOf(tab, 1, 0).color, Common.bg2))
            verify(Qt.colorEqual(cellOf(tab, 2, 0).color, "transparent"))
        }

        function test_hoveredRowColoursItsCells() {
            TestHooks.setShellInstalled([{ name: "a" }, { name: "b" }])
            showSubTab(2)
            const table = page.installed.table
            const cellA = cellOf(page.installed, 0, 0)
            const cellB = cellOf(page.installed, 0, 2)
            mouseMove(cellA, 5, 5)
            compare(table.hoveredRow, 0)
            verify(Qt.colorEqual(cellB.color, Common.colorHovered))
            verify(Qt.colorEqual(cellOf(page.installed, 1, 0).color, Common.bg2))
            // Leaving the table clears the row once the short timer has run out.
            mouseMove(page, 5, 5)
            tryCompare(table, "hoveredRow", -1, 500)
            verify(Qt.colorEqual(cellB.color, "transparent"))
        }

        function test_invalidCellIndexIsReported() {
            TestHooks.setShellUpgradables([scene.rowTavell])
            showSubTab(1)
            TestHooks.clearLog()
            compare(page.available.table.cellAt(1, 0), undefined)
            compare(page.available.table.cellAt(0, 6), undefined)
            compare(TestHooks.consoleLines(), ["debug: Invalid row or column index: 1.0 (1.6)",
                                               "debug: Invalid row or column index: 0.6 (1.6)"])
        }

        function test_tableClearKeepsFirstRow() {
            TestHooks.setShellInstalled([{ name: "a" }, { name: "b" }, { name: "c" }])
            const table = page.installed.table
            compare(table.model.rowCount, 3)
            table.clear()
            compare(table.model.rowCount, 1)
            compare(table.model.getRow(0).name, "a")
        }

        function test_changelogRequestsAndViewLeftBySubTabChange() {
            TestHooks.setShellUpgradables([scene.rowTavell])
            TestHooks.setShellInstalled([{ name: "tavell-brew", version: "1", arch: "all", description: "d",
                                           name2: "tavell-brew-local" }])
            TestHooks.setShellChangelogs([
                { name: "<i>tavell</i>", distribution: "stable", version: "2", date: "heute", urgency: "high",
                  changes: ["a <b>b</b>", "c"] },
                { name: "tavell", distribution: "stable", version: "1", date: "gestern", urgency: "low",
                  changes: ["d"] }])
            showSubTab(1)
            mouseClick(findChild(cellOf(page.available, 0, 5), "cellButton"))
            compare(scene.requests, [[Shell.Changelog, "tavell-brew"]])
            compare(page.available.currentIndex, 1)

            const view = page.available.changelogView
            const blocks = findChild(view, "changelogFlickable")
            compare(blocks.count, 2)
            verify(Qt.colorEqual(blocks.itemAtIndex(0).color, "transparent"))
            verify(Qt.colorEqual(blocks.itemAtIndex(1).color, Common.bg2))
            const heading = findChild(view, "changelogHeading")
            // The changelog's own text is escaped; only our own markup styles it.
            verify(heading.text.indexOf("&lt;i&gt;tavell&lt;/i&gt;") >= 0, heading.text)
            verify(heading.text.indexOf("Dringlichkeit: ") >= 0)
            verify(heading.text.indexOf('color="#ff0000"') >= 0, heading.text)
            compare(findChild(view, "changelogChange").text, "a <b>b</b>")
            compare(findChild(view, "changelogChange").textFormat, Text.PlainText)

            // Another sub-tab brings the table back.
            showSubTab(2)
            compare(page.available.currentIndex, 0)
            mouseClick(findChild(cellOf(page.installed, 0, 4), "cellButton"))
            compare(scene.requests[1], [Shell.LocalChangelog, "tavell-brew-local"])
            compare(page.installed.currentIndex, 1)
            waitForSlide(page.installed)
            mouseClick(findChild(page.installed.changelogView, "backButton"))
            compare(page.installed.currentIndex, 0)
        }

        // A long changelog builds nothing while its view is hidden, and only
        // the blocks in sight once it is shown.
        function test_longChangelogBuildsWhatIsShown() {
            TestHooks.setShellUpgradables([scene.rowTavell])
            showSubTab(1)
            const list = findChild(page.available.changelogView, "changelogFlickable")
            const entries = []
            for (let i = 0; i < 2000; ++i)
                entries.push({ name: "tavell", distribution: "stable", version: String(i), date: "heute",
                               urgency: "low", changes: ["Fehler behoben"] })
            TestHooks.setShellChangelogs(entries)
            const built = () => Array.from(list.contentItem.children).filter(c => c.objectName === "changelogBlock").length
            compare(built(), 0)
            mouseClick(findChild(cellOf(page.available, 0, 5), "cellButton"))
            waitForSlide(page.available)
            compare(list.count, 2000)
            verify(built() > 0 && built() < 50, built())
        }

        function test_consoleOutput() {
            showSubTab(3)
            const area = child("consoleArea")
            verify(!child("clearOutputButton").enabled)
            verify(!child("testConsoleButton").visible)
            // One output is one line of the console, however its breaks are written.
            TestHooks.shellAppendStdout("<b>kein Fett</b> & a < b\nzweite\r\ndritte\rvierte\u2029fünfte\n")
            TestHooks.shellAppendStderr("E: kaputt")
            tryVerify(() => area.text.indexOf("E: kaputt") >= 0)
            // Markup in the output is shown as written, its line breaks kept.
            compare(area.getText(0, area.length),
                    "<b>kein Fett</b> & a < b\u2028zweite\u2028dritte\u2028vierte\u2028fünfte\u2029E: kaputt")
            verify(area.text.indexOf("&lt;b&gt;kein Fett") >= 0)
            const alarm = "color:" + Common.colorAlarmText
            verify(new RegExp(alarm + "[^>]*>E: kaputt").test(area.text), area.text)
            verify(!new RegExp(alarm + "[^>]*>[^<]*zweite").test(area.text))

            verify(child("clearOutputButton").enabled)
            mouseClick(child("clearOutputButton"))
            compare(area.length, 0)
            verify(!child("clearOutputButton").enabled)

            Bridge.debug = true
            verify(child("testConsoleButton").visible)
            mouseClick(child("testConsoleButton"))
            compare(scene.requests, [[Shell.TestConsole, null]])
        }

        // The console keeps its latest lines, whether they come in one run or
        // push out lines already shown; a line above it counts the others
        // (they are in the log), and the end stays in view.
        function test_consoleKeepsTheLatestLines() {
            showSubTab(3)
            const consoleTab = page.consoleTab
            const area = child("consoleArea")
            const flick = child("consoleFlickable")
            const dropped = child("droppedLines")
            const shown = () => area.getText(0, area.length)
            let next = 0
            const write = count => { for (const end = next + count; next < end; ++next) TestHooks.shellAppendStdout("Zeile " + next) }

            write(consoleTab.maxLines + 20)
            tryVerify(() => shown().endsWith("\u2029Zeile " + (next - 1)), 5000)
            verify(shown().startsWith("Zeile 20\u2029"), shown().slice(0, 20))
            verify(dropped.visible)
            compare(dropped.text, "20 ältere Zeilen ausgeblendet (vollständig im Protokoll)")
            const atEnd = () => Math.abs(flick.contentY - (flick.contentHeight - flick.height)) < 1

            // The operator's selection stays on its text while older lines leave.
            const last = "Zeile " + (next - 1)
            area.select(area.length - last.length, area.length)
            compare(area.selectedText, last)
            write(980)
            tryVerify(() => shown().endsWith("\u2029Zeile " + (next - 1)), 5000)
            verify(shown().startsWith("Zeile 1000\u2029"), shown().slice(0, 20))
            compare(dropped.text, "1000 ältere Zeilen ausgeblendet (vollständig im Protokoll)")
            compare(area.selectedText, last)
            tryVerify(atEnd)
            area.deselect()

            // Clearing also drops lines that have not been shown yet.
            write(3)
            mouseClick(child("clearOutputButton"))
            wait(100)
            compare(area.length, 0)
            verify(!dropped.visible)
        }

        function test_consoleSelectionAndCopy() {
            showSubTab(3)
            const area = child("consoleArea")
            TestHooks.shellAppendStdout("Zeile")
            TestHooks.shellAppendStdout("zweite")
            tryVerify(() => area.length > 0)
            verify(!area.selectByMouse)
            mouseClick(child("selectButton"))
            verify(area.selectByMouse)
            verify(child("selectButton").active)
            verify(!child("copyButton").enabled)
            area.selectAll()
            verify(child("copyButton").enabled)
            // A line that comes meanwhile leaves the selection as it was.
            TestHooks.shellAppendStdout("dritte")
            tryVerify(() => area.getText(0, area.length).endsWith("dritte"))
            compare(area.selectedText, "Zeile\u2029zweite")
            mouseClick(child("copyButton"))
            compare(TestHooks.clipboardText(), "Zeile\nzweite")
        }

        function test_updatesShellPageShowsConsole() {
            const initialPage = Gui.page
            const base = createTemporaryObject(baseComponent, scene)
            const settings = findChild(base, "settingsPage")
            verify(settings)
            const updates = findChild(settings, "tabUpdates")
            updates.currentIndex = 1
            TestHooks.setGuiPage(Gui.UpdatesShell)
            compare(settings.tabIndex, 2)
            compare(updates.currentIndex, 3)
            compare(findChild(updates, "updatesView").currentItem, updates.consoleTab)
            TestHooks.setGuiPage(Gui.Updates)
            compare(updates.currentIndex, 0)
            TestHooks.setGuiPage(initialPage)
        }
    }
}
