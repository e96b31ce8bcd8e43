import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import tavell.bridge 1.0
import tavell.sensor 1.0
import tavell.simulator 1.0
import tavell.testing 1.0
import tavell.values 1.0
import "qrc:/qml"
import "qrc:/qml/singletons"

// The simulator window of the page container: shown in simulator mode only,
// brought back by the gear button, sending the operator's requests and
// showing the controller's answers.
Item {
    id: scene

    width: 1024
    height: 600

    property var sensorRequests: []
    property var simulatorRequests: []
    property var valueRequests: []
    // What the controller does while it handles a value request: null stores nothing.
    property var answer: null

    Connections {
        target: Sensor
        function onRequestStateChange(code, value) { scene.sensorRequests.push([code, value]) }
    }
    Connections {
        target: Simulator
        function onToPy(key, value) { scene.simulatorRequests.push([key, value]) }
    }
    Connections {
        target: Values
        function onToPy(key, value) {
            scene.valueRequests.push([key, value])
            if (scene.answer)
                scene.answer(key, value)
        }
    }

    Component {
        id: baseComponent
        Base { anchors.fill: parent }
    }

    TestCase {
        name: "SimulatorWindow"
        when: windowShown

        property var base: null
        property var win: null

        function startBase(zonesB) {
            TestHooks.setValue("heatZoneCount", 4)
            TestHooks.setValue("heatZoneCountB", zonesB)
            Bridge.simulator = true
            base = createTemporaryObject(baseComponent, scene)
            verify(base)
            const loader = findChild(base, "simulatorLoader")
            verify(loader.item)
            win = loader.item.window
            tryVerify(function() { return win.visible })
            waitForRendering(win.contentItem)
            scene.sensorRequests = []
            scene.simulatorRequests = []
            scene.valueRequests = []
        }

        function part(name) {
            const found = findChild(win.contentItem, name)
            verify(found, name)
            return found
        }

        function cleanup() {
            scene.answer = null
            TestHooks.setValue("tempZone2", 0.0)
            if (win)
                win.close()
            win = null
            Bridge.simulator = false
            TestHooks.setValue("heatZoneCountB", -1)
            for (const code of [Sensor.Start, Sensor.PThreshold, Sensor.Ls1])
                TestHooks.setSensorState(code, false)
            TestHooks.setValue("tempZoneB1", 0.0)
            TestHooks.setValue("tempKessel", 0.0)
            TestHooks.setSimulatorValue("simAIn0", 0)
            TestHooks.setSimulatorValue("simTicksPerMinute", 10000)
        }

        function test_onlyInSimulatorMode() {
            Bridge.simulator = false
            const plain = createTemporaryObject(baseComponent, scene)
            compare(findChild(plain, "simulatorLoader").item, null)
            compare(findChild(plain, "simulatorButton"), null)
        }

        function test_closingHidesAndGearButtonBringsBack() {
            startBase(0)
            compare(win.title, "Simulator")
            // Sized to the scaled content, 10 wider.
            const content = part("simulatorContent")
            compare(content.scale, 0.5)
            fuzzyCompare(win.width, (content.implicitWidth + 10) * 0.5, 1)
            fuzzyCompare(win.height, content.implicitHeight * 0.5, 1)

            win.close()
            verify(!win.visible)
            const button = findChild(base, "simulatorButton")
            verify(button.visible)
            // Bottom right of the page container, at the common spacing.
            const corner = button.mapToItem(base, button.width, button.height)
            compare([corner.x, corner.y], [base.width - Common.spacing, base.height - Common.spacing])
            mouseClick(button)
            tryVerify(function() { return win.visible })
            // Help mode finds the button's text.
            const found = base.findHelp(findChild(base, "simulatorLoader"), corner.x - 2, corner.y - 2)
            verify(found)
            compare(found.helpTitle, "Button Simulator")
        }

        // The gear in the corner leaves the scheme's paging buttons free: the
        // second view of a three-vessel plant is reached past it.
        function test_gearLeavesTheSchemePagerFree() {
            startBase(4)
            const gear = findChild(base, "simulatorButton")
            const area = findChild(findChild(base, "pageAuto1"), "schemeArea")
            const next = findChild(area, "schemeNext")
            waitForRendering(base)
            const g = gear.mapToItem(base, 0, 0)
            const n = next.mapToItem(base, 0, 0)
            const apart = n.x + next.width <= g.x || g.x + gear.width <= n.x
                          || n.y + next.height <= g.y || g.y + gear.height <= n.y
            verify(apart, `Weiter ${JSON.stringify(n)} ${next.width}x${next.height}, Zahnrad ${JSON.stringify(g)}`)
            mouseClick(next)
            compare(area.currentIndex, 1)
        }

        // Nor does the gear cover any of the scheme (its picture with the
        // labels drawn on it) in any view, on either plant.
        function test_gearLeavesTheSchemeFree_data() {
            return [{ tag: "eine Linie", zonesB: 0 }, { tag: "drei Kessel", zonesB: 4 }]
        }

        function test_gearLeavesTheSchemeFree(data) {
            startBase(data.zonesB)
            const gear = findChild(base, "simulatorButton")
            const area = findChild(findChild(base, "pageAuto1"), "schemeArea")
            const g = gear.mapToItem(base, 0, 0)
            for (let i = 0; i < area.forms.length; ++i) {
                area.showView(i)
                let picture = null
                tryVerify(function() {
                    picture = findChild(findChild(area, "schemeView_" + area.forms[i]), "picture")
                    return picture !== null && picture.status === Image.Ready
                })
                waitForRendering(base)
                const p = picture.mapToItem(base, 0, 0)
                const end = picture.mapToItem(base, picture.width, picture.height)
                const apart = end.x <= g.x || g.x + gear.width <= p.x || end.y <= g.y || g.y + gear.height <= p.y
                verify(apart, `${area.forms[i]}: Bild ${JSON.stringify(p)}-${JSON.stringify(end)}, Zahnrad ${JSON.stringify(g)}`)
            }
        }

        function test_momentaryButtonDraggedOffLetsGo() {
            startBase(0)
            const green = part("simStart")
            mousePress(green)
            compare(scene.sensorRequests, [[Sensor.Start, true]])
            mouseMove(green, green.width + 40, green.height + 40)
            mouseRelease(green, green.width + 40, green.height + 40)
            compare(scene.sensorRequests, [[Sensor.Start, true], [Sensor.Start, false]])
            scene.sensorRequests = []
            mouseClick(part("simFlow"))
            compare(scene.sensorRequests, [[Sensor.Flow, true], [Sensor.Flow, false]])
        }

        function test_latchingBoxFollowsTheController() {
            startBase(0)
            const box = part("simPThreshold")
            verify(!box.checked)
            // No answer from the controller: the tick stays off.
            mouseClick(box)
            compare(scene.sensorRequests, [[Sensor.PThreshold, true]])
            verify(!box.checked)
            // The controller switches the input: the tick follows.
            TestHooks.setSensorState(Sensor.PThreshold, true)
            verify(box.checked)
            mouseClick(box)
            compare(scene.sensorRequests[1], [Sensor.PThreshold, false])
            verify(box.checked)

            // A breaker's fault is its open contact.
            const ls1 = part("simLs1")
            verify(ls1.checked)
            mouseClick(ls1)
            compare(scene.sensorRequests[2], [Sensor.Ls1, true])
            verify(ls1.checked)
            TestHooks.setSensorState(Sensor.Ls1, true)
            verify(!ls1.checked)
        }

        function test_layoutFollowsLineB_data() {
            return [{ tag: "one line", zonesB: 0 }, { tag: "line B", zonesB: 4 }]
        }

        function test_layoutFollowsLineB(data) {
            startBase(data.zonesB)
            const lineB = data.zonesB > 0
            const zone4 = part("sim_tempZone4")
            const kettle = part("sim_tempKessel")
            const kettleB = part("sim_tempKesselB")
            verify(zone4.visible)
            compare(part("sim_tempZoneB4").visible, lineB)
            compare(kettleB.visible, lineB)
            if (lineB) {
                compare(kettleB.y, kettle.y)
                verify(kettleB.x > kettle.x + kettle.width)
            }
            // Analogue inputs: side by side with line B, else one column.
            const a0 = part("simAIn0")
            const a1 = part("simAIn1")
            if (lineB) {
                compare(a1.y, a0.y)
                verify(a1.x > a0.x)
            } else {
                compare(a1.x, a0.x)
                verify(a1.y > a0.y)
                verify(part("simAIn1Label").y > a0.y)
            }
            // Zone 4 only on a kettle with four zones.
            TestHooks.setValue("heatZoneCount", 3)
            verify(!zone4.visible)
            TestHooks.setValue("heatZoneCount", 4)
        }

        function test_slidersSendOnlyOperatorMoves() {
            startBase(4)
            // From outside: shown, but nothing is sent.
            TestHooks.setValue("tempZoneB1", 63.25)
            TestHooks.setValue("tempKessel", "Fühlerbruch")
            TestHooks.setSimulatorValue("simAIn0", 40)
            TestHooks.setSimulatorValue("simTicksPerMinute", 250)
            const b1 = part("sim_tempZoneB1")
            compare(b1.label.text, "Temperatur Zone B1 (63.3 °C)")
            // A sensor's error text leaves the slider at 0.
            compare(part("sim_tempKessel").label.text, "Temperatur Kessel (0.0 °C)")
            compare(part("simAIn0Label").text, "A-In 0 (40 %)")
            compare(part("simAutoFlow").text, "Auto-Flowmeter (250/Min)")
            compare(part("simAutoHeating").text, "Auto-Heizung (10.0°/Min)")
            compare(scene.valueRequests, [])
            compare(scene.simulatorRequests, [])

            // The operator's moves are sent.
            const zone2 = part("sim_tempZone2").slider
            zone2.forceActiveFocus()
            keyClick(Qt.Key_Right)
            compare(scene.valueRequests, [[Values.TempZone2, 0.5]])
            const a1 = part("simAIn1")
            mouseClick(a1, a1.width - 2, a1.height / 2)
            compare(scene.simulatorRequests.length, 1)
            compare(scene.simulatorRequests[0][0], Simulator.SimAIn1)
            verify(scene.simulatorRequests[0][1] > 90)
            mouseClick(part("simAutoHeating"))
            compare(scene.simulatorRequests[1], [Simulator.SimAutoHeating, false])
        }

        // A request the controller ignores leaves a box or slider showing what
        // the controller holds; a temperature it stores otherwise shows that.
        function test_controlsShowWhatTheControllerKeeps() {
            startBase(0)
            TestHooks.setValue("tempZone2", 40.0)
            for (const name of ["simAutoFlow", "simAutoHeating"]) {
                const box = part(name)
                verify(box.checked)
                box.forceActiveFocus()
                keyClick(Qt.Key_Space)
                verify(box.checked, name)
            }
            compare(scene.simulatorRequests, [[Simulator.SimAutoFlow, false], [Simulator.SimAutoHeating, false]])

            const zone2 = part("sim_tempZone2")
            zone2.slider.forceActiveFocus()
            keyClick(Qt.Key_Right)
            compare(scene.valueRequests, [[Values.TempZone2, 40.5]])
            compare(zone2.label.text, "Temperatur Zone 2 (40 °C)")
            scene.answer = function(code, value) { TestHooks.setValue("tempZone2", 45.0) }
            keyClick(Qt.Key_Right)
            compare(zone2.slider.value, 45)
            compare(zone2.label.text, "Temperatur Zone 2 (45 °C)")
        }
    }
}
