import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import QtTest 1.2
import tavell.testing 1.0
import tavell.values 1.0
import "qrc:/qml"
import "qrc:/qml/base"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 1024
    height: 600

    Base {
        id: base
        anchors.fill: parent
    }

    HelpFrame {
        id: frame
        x: 900; y: 500
        width: 100; height: 60
        helpTitle: "Rahmen"
        helpText: "Text"
        Rectangle { objectName: "framed"; width: 40; height: 20; color: "red" }
    }

    Component {
        id: frameInPage
        HelpFrame {
            x: 100; y: 100
            width: 200; height: 80
            helpTitle: "Hopfen"
            helpText: "Hilfetext zum Hopfen"
            Button { text: "innen"; anchors.fill: parent }
        }
    }

    Component {
        id: frameInLayout
        RowLayout {
            HelpFrame {
                helpTitle: "Zeile"
                helpText: "Text"
                Button { objectName: "filling"; text: "Füllen"; anchors.fill: parent }
            }
        }
    }

    TestCase {
        name: "Help"
        when: windowShown

        function cleanup() {
            TestHooks.setValue("heatZoneCount", -1)
            TestHooks.setValue("heatZoneCountB", -1)
            Help.requested = false
            while (Dialogs.popupActive) {
                const id = Dialogs.currentId
                Dialogs.rejectCurrent()
                tryVerify(function() { return Dialogs.currentId !== id }, 2000)
            }
        }

        function test_zonePositionFollowsZoneCount_data() {
            return [{ tag: "three zones", count: 3, z2: "mittlere", z3: "oberste" },
                    { tag: "four zones", count: 4, z2: "zweite (von unten)", z3: "dritte (von unten)" }]
        }

        function test_zonePositionFollowsZoneCount(data) {
            TestHooks.setValue("heatZoneCount", data.count)
            const row = Help.schemeBtnHeatAll[0]
            compare(row.length, 4)
            verify(row[0].startsWith("Mit diesem Button kann die unterste Heizzone für das automatische Heizen "
                                     + "freigegeben/gesperrt werden. Ein manuelles Schalten der Heizone ist hiermit nicht möglich.<br>"))
            verify(row[1].startsWith("Mit diesem Button kann die " + data.z2 + " Heizzone für das automatische"))
            verify(row[2].startsWith("Mit diesem Button kann die " + data.z3 + " Heizzone für"))
            verify(row[3].startsWith("Mit diesem Button kann die oberste Heizzone für"))
            verify(row[1].endsWith("<i><b>Grün:</b></i> Heizzone aktiv<br><i><b>Gelb:</b></i> Heizzone freigegeben aber inaktiv<br>"
                                   + "<i><b>Grau:</b></i> Heizzone gesperrt<br><i><b>Rot:</b></i> Störung (Übertemperatur, Sensor nicht erkannt, ...)"))
        }

        function test_kettleRowsNameTheKettle() {
            TestHooks.setValue("heatZoneCount", 4)
            compare(Help.schemeBtnHeatAll.length, 3)
            verify(Help.schemeBtnHeatAll[1][1].startsWith(
                       "Mit diesem Button kann die zweite (von unten) Heizzone der Maischepfanne für das automatische Heizen"))
            verify(Help.schemeBtnHeatAll[2][3].startsWith(
                       "Mit diesem Button kann die oberste Heizzone der Würzepfanne für das automatische Heizen"))
            compare(Help.schemeBtnHeatTitles, ["Button Heizzone 1", "Button Heizzone 2", "Button Heizzone 3", "Button Heizzone 4"])
        }

        function test_pumpTitlesFollowPlant_data() {
            return [{ tag: "unknown", b: -1, p1: "Button Pumpe" }, { tag: "standard", b: 0, p1: "Button Pumpe" },
                    { tag: "two zones B", b: 2, p1: "Button Pumpe" }, { tag: "cooking kettle", b: 3, p1: "Button Pumpe 1" }]
        }

        function test_pumpTitlesFollowPlant(data) {
            TestHooks.setValue("heatZoneCountB", data.b)
            compare(Help.schemeBtnPump1StopTitle, data.p1 + " Stop")
            compare(Help.schemeBtnPump1ForwardTitle, data.p1 + " vorwärts")
            compare(Help.schemeBtnPump1BackwardTitle, data.p1 + " rückwärts")
            compare(Help.schemeBtnPump2StopTitle, "Button Pumpe 2 Stop")
            compare(Help.schemeBtnPump2BackwardTitle, "Button Pumpe 2 rückwärts")
        }

        function test_catalogueIsComplete() {
            const names = ["recipeTitleHopfengabe", "recipeTextHopfengabe", "autoStepListTitle", "autoStepListText",
                           "autoRecipeListTitle", "autoRecipeListText", "autoActionListTitle", "autoActionListText",
                           "settingsFreqLauterTitle", "settingsFreqLauterText", "settingsFreqRw1Title",
                           "settingsFreqRw2Title", "settingsFreqRwText", "settingsFreqPump1Title", "settingsFreqPump1Text",
                           "settingsFreqPump2Title", "settingsFreqPump2Text", "settingsAutoWhirlpoolTitle",
                           "settingsAutoWhirlpoolText", "schemeWaterMeterTextNormal", "schemeWaterMeterTextX2",
                           "schemeFreqPumpTitleNormal", "schemeFreqPump1TitleX2", "schemeBtnRwTitleNormal",
                           "schemeBtnRw1TitleX2", "schemeBtnHandTitle", "schemeBtnHandText"]
            for (const n of names)
                verify(typeof Help[n] === "string" && Help[n].length > 0, n)
            verify(Help.schemeWaterMeterTextX2.indexOf("die Maischepfanne und die Würzepfanne") >= 0)
        }

        function test_frameMarksOnlyInHelpMode() {
            const mark = findChild(frame, "helpMark")
            verify(findChild(frame, "framed"))
            verify(!mark.visible)
            Help.requested = true
            verify(mark.visible)
            compare(mark.border.width, 5)
            verify(Qt.colorEqual(mark.border.color, Material.color(Material.Blue)))
            const blue = Material.color(Material.Blue)
            verify(Qt.colorEqual(mark.color, Qt.rgba(blue.r, blue.g, blue.b, 0.25)))
            Help.requested = false
            verify(!mark.visible)
        }

        // A frame in a layout takes its size from a child that fills it.
        function test_frameSizedByFillingChild() {
            const f = createTemporaryObject(frameInLayout, scene)
            verify(f)
            const frameItem = f.children[0]
            const button = findChild(frameItem, "filling")
            verify(button.implicitWidth > 0)
            fuzzyCompare(frameItem.width, button.implicitWidth, 1)
            fuzzyCompare(frameItem.height, button.implicitHeight, 1)
            compare(button.width, frameItem.width)
        }

        function test_helpClickOnFrameInPageOpensMessage() {
            base.currentIndex = 3
            const page = findChild(base, "pageRecipes")
            // The view slides to the page first.
            tryVerify(function() { return page.mapToItem(base, 0, 0).x === base.sideMenu.collapsedWidth }, 2000)
            const f = createTemporaryObject(frameInPage, page)
            verify(f)
            Help.requested = true
            Help.missCount = 2
            const p = f.mapToItem(base, 50, 40)
            mouseClick(base, p.x, p.y)
            const d = Dialogs.getOpenDialogById(Dialogs.currentId)
            verify(d)
            compare(d[0].title, "Hilfe zu 'Hopfen'")
            compare(d[0].text, "Hilfetext zum Hopfen")
            compare(Help.missCount, 0)
            verify(Help.requested)
        }
    }
}
