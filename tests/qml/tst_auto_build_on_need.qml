import QtQuick 2.15
import QtTest 1.2
import tavell.auto 1.0
import tavell.testing 1.0
import "qrc:/qml"

// The automatic-sequence pages build a step screen or a scheme view only
// when it is needed, and keep it: the start does not wait for screens nobody
// looks at, and a running step's screen still follows the plant.
Item {
    id: scene

    width: 1024
    height: 600

    property var sent: []

    Connections {
        target: Auto_
        function onToPy(code, value) { scene.sent.push(code) }
    }

    Base {
        id: base
        anchors.fill: parent
    }

    TestCase {
        name: "AutoBuildOnNeed"
        when: windowShown

        function cleanup() {
            TestHooks.setAutoActive(1, false)
            TestHooks.setAutoStep(1, -1)
            TestHooks.setOutputByName("svSkOut", 0)
            TestHooks.setValue("heatZoneCountB", -1)
        }

        function test_builtWhenShownOrRunning() {
            TestHooks.setValue("heatZoneCountB", 0)
            const a = findChild(base, "pageAuto1")
            const b = findChild(base, "pageAuto2")
            // Line A's page is on screen: its displayed screen and scheme view only.
            verify(a.stepView.currentItem.item)
            compare(a.stepView.itemAt(3).item, null)
            // The scheme view joins in the background.
            tryVerify(function() { return a.schemeArea.view.currentItem.item !== null })
            // Line B's page is not (a two-vessel plant never shows it).
            compare(b.stepView.currentItem.item, null)
            compare(b.schemeArea.view.currentItem.item, null)

            // Another page on screen: the running step's screen is built all
            // the same, and the mash-out screen reacts to the outlet valve.
            base.currentIndex = 3
            TestHooks.setAutoActive(1, true)
            TestHooks.setAutoStep(1, Auto_.StepAbmaischen)
            compare(a.stepView.currentIndex, 3)
            verify(a.stepView.itemAt(3).item)
            scene.sent = []
            TestHooks.setOutputByName("svSkOut", 1)
            tryCompare(scene, "sent", [Auto_.BeginLauterRuhe])

            // Kept once built; line B's page builds its views once shown.
            TestHooks.setAutoStep(1, Auto_.StepRasten)
            verify(a.stepView.itemAt(3).item)
            TestHooks.setValue("heatZoneCountB", 4)
            base.currentIndex = 1
            verify(b.stepView.currentItem.item)
            tryVerify(function() { return b.schemeArea.view.currentItem.item !== null })
            compare(b.schemeArea.view.itemAt(1).item, null)
        }
    }
}
