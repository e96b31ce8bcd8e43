import QtQuick 2.15
import tavell.bridge 1.0
import tavell.shell 1.0
import "qrc:/qml/content/settings"

// The updates tab: what its buttons ask the controller for and when they
// may be used.
Item {
    id: scene

    width: 900
    height: 700

    Component { id: tab; UpdatesRaspi { width: scene.width; height: scene.height } }

    ControlsCase {
        id: t

        name: "UpdatesControls"

        readonly property var upgradable: ({ name: "tavell-brew", versionNew: "2", versionOld: "1", urgency: "low",
                                              lastChange: ["x"], changelogAvailable: "tavell-brew" })
        readonly property var installed: ({ name: "tavell-brew", version: "1", arch: "all", description: "d",
                                             name2: "tavell-brew-local" })

        // The operator picks the sub-tab, then the control on it.
        function onSubTab(index, find) {
            return function(screen) {
                const bar = t.findChild(screen, "updatesTabBar")
                if (bar.currentIndex !== index) {
                    t.mouseClick(bar.itemAt(index))
                    const list = t.findChild(screen, "updatesView").contentItem
                    t.tryVerify(function() { return Math.abs(list.contentX - index * (list.width + list.spacing)) < 0.5 }, 2000)
                }
                return find(screen)
            }
        }

        function changelogButton(tabName, column) {
            return onSubTab(tabName === "available" ? 1 : 2, function(screen) {
                const table = screen[tabName].table
                table.relayout()
                t.wait(50)
                const cell = table.cellAt(0, column)
                return cell ? t.findChild(cell, "cellButton") : null
            })
        }

        function testButton(debug) {
            return onSubTab(3, function(screen) {
                Bridge.debug = debug
                return t.findChild(screen, "testConsoleButton")
            })
        }

        function cleanup() { Bridge.debug = false }

        function test_updates_data() {
            const free = { "shell.locked": false }
            const overview = function(name) { return onSubTab(0, function(s) { return t.findChild(s, name) }) }
            return [
                { tag: "search", control: "searchButton", act: "click", sends: [toShell(Shell.Update, null)], when: free },
                { tag: "upgrade", control: "upgradeButton", act: "click", sends: [toShell(Shell.Upgrade, null)],
                  when: { "shell.locked": false, "shell.upgradables": [[upgradable], []], "auto.activeA": false,
                          "auto.activeB": false } },
                { tag: "testing", control: overview("testingButton"), act: "click",
                  sends: [toShell(Shell.ToggleTesting, null)], when: free },
                { tag: "clear cache", control: overview("clearCacheButton"), act: "click",
                  sends: [toShell(Shell.ClearCache, null)], when: free },
                { tag: "changelog of an upgradable package", control: changelogButton("available", 5), act: "click",
                  sends: [toShell(Shell.Changelog, "tavell-brew")],
                  when: { "shell.upgradables": [[upgradable],
                                                [Object.assign({}, upgradable, { changelogAvailable: false })]] } },
                { tag: "changelog of an installed package", control: changelogButton("installed", 4), act: "click",
                  sends: [toShell(Shell.LocalChangelog, "tavell-brew-local")],
                  when: { "shell.installed": [[installed], [Object.assign({}, installed, { name2: "" })]] } },
                { tag: "console test, debug build", control: testButton(true), act: "click",
                  sends: [toShell(Shell.TestConsole, null)] },
                { tag: "no console test otherwise", control: testButton(false), act: "click", sends: null }
            ]
        }
        function test_updates(row) { check(tab, row) }
    }
}
