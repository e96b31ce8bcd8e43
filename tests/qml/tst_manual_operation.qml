import QtQuick 2.15
import QtTest 1.2
import tavell.action 1.0
import tavell.actuator 1.0
import tavell.auto 1.0
import tavell.sensor 1.0
import tavell.values 1.0
import tavell.testing 1.0
import "qrc:/qml/content/settings"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 1000
    height: 1400

    property var toggles: []
    property var values: []
    property var actions: []

    Connections {
        target: Actuator
        function on_toggle(code) { scene.toggles.push(code) }
    }
    Connections {
        target: Values
        function onToPy(code, value) { scene.values.push([code, value]) }
    }
    Connections {
        target: Action_
        function onToPy(code) { scene.actions.push(code) }
    }

    Component {
        id: tabComponent
        SettingsManualOperation { anchors.fill: parent }
    }

    TestCase {
        name: "ManualOperation"
        when: windowShown

        property var tab: null

        function init() {
            scene.toggles = []
            scene.values = []
            scene.actions = []
            TestHooks.resetPlant()
            TestHooks.setControlsEnabled(true)
            TestHooks.setValue("heatZoneCount", 4)
            TestHooks.setValue("heatZoneCountB", 0)
            TestHooks.setValue("fuRw1Ok", true)
            TestHooks.setValue("fuPump1Ok", true)
            tab = createTemporaryObject(tabComponent, scene)
        }

        function cleanup() {
            TestHooks.setAutoActive(1, false)
            TestHooks.setAutoActive(2, false)
            TestHooks.setHandEnabled(true)
            TestHooks.setControlsEnabled(false)
        }

        function rowNames(rows) {
            const result = []
            const column = findChild(tab, rows)
            for (let i = 0; i < column.children.length; ++i) {
                const row = column.children[i]
                if (row.objectName !== "outputRow")
                    continue
                const names = []
                for (let j = 0; j < row.children.length; ++j) {
                    if (row.children[j].objectName.startsWith("out_"))
                        names.push(row.children[j].objectName.slice(4))
                }
                result.push(names)
            }
            return result
        }

        function test_standardPlantRows() {
            compare(rowNames("rows24V"), [["svSkOut", "svSkCip", "svSkIn", "svFkCip", "svWuerze", "svKanal", "ledGn"],
                                          ["ledRd", "ledView", "heatZone1", "heatZone2", "heatZone3", "heatZone4", "spare1", "spare2"]])
            compare(rowNames("rows230V"), [["mvWaterHot", "mvWaterCold", "mvRecycle", "mvKanal", "mvSkCip"],
                                           ["mvHauptguss", "mvNachguss", "mvKondensator", "spare3"]])
            verify(findChild(tab, "driveRw1").visible)
            verify(!findChild(tab, "driveRw2").visible)
            verify(!findChild(tab, "drivePump2").visible)
            verify(!findChild(tab, "heatingB").visible)
            verify(!findChild(tab, "tempsB").visible)
            compare(findChild(tab, "heatingABox").text, "Automatik 99 °C")
            compare(findChild(tab, "out_ledView").text, "LED-Sg")
        }

        function test_specialPlantRows() {
            TestHooks.setValue("heatZoneCountB", 4)
            compare(rowNames("rows24V")[1], ["ledRd", "ledView", "heatZone1", "heatZone2", "heatZone3", "heatZone4", "spare1"])
            compare(rowNames("rows24V")[2], ["svKkCooler", "svKkKanal", "svKkCip", "heatZoneB1", "heatZoneB2", "heatZoneB3", "heatZoneB4"])
            compare(rowNames("rows230V")[1], ["mvHauptguss", "mvNachguss", "mvKondensator", "mvKkCip"])
            compare(rowNames("rows230V")[2], ["spare2", "spare3", "spare4"])
            verify(findChild(tab, "drivePump2").visible)
            verify(findChild(tab, "heatingB").visible)
            // Line A heats to 78 on a special plant; the set point goes first.
            const box = findChild(tab, "heatingABox")
            compare(box.text, "Automatik 78 °C")
            mouseClick(box)
            compare(scene.values, [[Values.HeatingSetpoint, 78]])
            compare(scene.actions, [Action_.HeatingA])
            verify(!box.checked)
            // Line B's panels join the others; the panels wrap onto a further
            // row rather than running beyond the page's right edge.
            const strip = findChild(tab, "strip")
            waitForRendering(tab)
            for (const name of ["tempsA", "tempsB", "inputs", "heatingA", "heatingB", "water"]) {
                const panel = findChild(tab, name)
                const right = panel.mapToItem(tab, panel.width, 0).x
                verify(right <= strip.width + 0.5, `${name} endet bei ${right}, der Streifen bei ${strip.width}`)
            }
            verify(findChild(tab, "water").y > findChild(tab, "tempsA").y)
            mouseClick(findChild(tab, "heatingBBox"))
            compare(scene.values[1], [Values.HeatingBSetpoint, 99])
            compare(scene.actions[1], Action_.HeatingB)
        }

        // The check-box rows of the heating panels keep the pitch of the
        // text rows beside them.
        function test_panelRowsShareOnePitch() {
            waitForRendering(tab)
            const middle = function(name) {
                const o = findChild(tab, name)
                return o.mapToItem(tab, 0, o.height / 2).y
            }
            const boxes = middle("zoneBox_Zone3") - middle("zoneBox_Zone4")
            const texts = middle("input2") - middle("input1")
            verify(texts > 0)
            fuzzyCompare(boxes, texts, 1)
            fuzzyCompare(middle("zoneBox_Zone4") - middle("heatingABox"), texts, 1)
        }

        function test_blockedOutputEnabledOnlyWithoutSequenceOrWithHand() {
            const button = findChild(tab, "out_svKanal")
            TestHooks.setOutput(Actuator.SvKanal, false, true)
            verify(button.enabled)
            TestHooks.setHandEnabled(false)
            TestHooks.setAutoActive(1, true)
            verify(!button.enabled)
            // An unblocked output stays free during the sequence.
            verify(findChild(tab, "out_svWuerze").enabled)
            TestHooks.setHandEnabled(true)
            verify(button.enabled)
            mouseClick(button)
            compare(scene.toggles, [Actuator.SvKanal])
            // Without controls nothing is enabled.
            TestHooks.setControlsEnabled(false)
            verify(!findChild(tab, "rows24V").enabled)
            mouseClick(button)
            compare(scene.toggles, [Actuator.SvKanal])
        }

        // Every output's name reads whole, also drawn bold beside its check
        // mark and on a narrow page: a name too long for its share wraps.
        function test_outputNamesReadWhole_data() {
            return [{ tag: "Standardanlage schmal", zonesB: 0, width: 560 }, { tag: "Sonderanlage", zonesB: 4, width: 1000 },
                    { tag: "Sonderanlage schmal", zonesB: 4, width: 560 }]
        }

        function test_outputNamesReadWhole(data) {
            TestHooks.setValue("heatZoneCountB", data.zonesB)
            tab.anchors.fill = undefined
            tab.width = data.width
            const names = [].concat(...rowNames("rows24V"), ...rowNames("rows230V"))
            for (const on of [false, true]) {
                for (const name of names) {
                    const code = Actuator[name.charAt(0).toUpperCase() + name.slice(1)]
                    verify(code !== undefined, name)
                    TestHooks.setOutput(code, on, false)
                }
                waitForRendering(tab)
                for (const name of names) {
                    const label = findChild(tab, "out_" + name).contentItem
                    verify(!label.truncated, `${label.text} gekürzt (${on ? "ein" : "aus"})`)
                    verify(label.contentHeight <= label.height + 0.5 && label.contentWidth <= label.width + 0.5,
                           `${label.text}: ${label.contentWidth}x${label.contentHeight} in ${label.width}x${label.height}`)
                }
            }
        }

        function test_activeOutputLooksActive() {
            const button = findChild(tab, "out_mvKkCip") || findChild(tab, "out_spare3")
            TestHooks.setOutput(Actuator.Spare3, true, false)
            verify(button.active)
            verify(button.font.bold && button.font.italic)
            TestHooks.setOutput(Actuator.Spare3, false, false)
            verify(!button.font.bold)
        }

        function test_drivesAndInitIgnoreControlsEnabled() {
            TestHooks.setControlsEnabled(false)
            const pump = findChild(tab, "drivePump1")
            const forward = findChild(pump, "forward")
            compare(forward.text, "vor")
            mouseClick(forward)
            mouseClick(findChild(pump, "init"))
            mouseClick(findChild(pump, "init"))
            compare(scene.toggles, [Actuator.FuPump1Forward])
            compare(scene.actions, [Action_.InitFuPump1, Action_.InitFuPump1])
            TestHooks.setDrive(Actuator.FuPump1Forward, -1, false, true)
            compare(findChild(pump, "backward").text, "Stop")
            verify(findChild(pump, "backward").enabled)
            TestHooks.setHandEnabled(false)
            TestHooks.setAutoActive(2, true)
            verify(!findChild(pump, "backward").enabled)
            verify(forward.enabled)
            TestHooks.setValue("fuPump1Ok", false)
            verify(!forward.enabled)
            verify(!findChild(pump, "freq").enabled)
            const stirrer = findChild(tab, "driveRw1")
            compare(findChild(stirrer, "forward").text, "ein")
            verify(!findChild(stirrer, "backward").visible)
        }

        // A tab built after the controller reported its sensors shows them.
        function test_builtLateShowsTheUnassignedSensors() {
            TestHooks.setValue("unknownW1SensorsValues", { "28-0002": "keine Antwort" })
            const late = createTemporaryObject(tabComponent, scene)
            compare(findChild(late, "unknownSensors").text, "28-0002: keine Antwort")
            TestHooks.setValue("unknownW1SensorsValues", {})
        }

        // A frequency the controller refuses shows the set point it holds.
        function test_refusedFrequencyShowsTheSetPoint() {
            TestHooks.setValue("fuFreqSpRw1", 30)
            const spin = findChild(findChild(tab, "driveRw1"), "freq")
            spin.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(scene.values, [[Values.FuFreqSpRw1, 31]])
            compare(spin.value, 30)
            compare(spin.displayText, "30")
        }

        function test_strip() {
            TestHooks.setSensorState(Sensor.Flow, true)
            verify(findChild(tab, "input3").active)
            compare(findChild(tab, "input3").color, "#008000")
            TestHooks.setSensorState(Sensor.Flow, false)
            verify(!findChild(tab, "input3").active)
            compare(findChild(tab, "unknownSensors").text, "")
            TestHooks.setValue("unknownW1SensorsValues", { "28-0001": 21.5 })
            compare(findChild(tab, "unknownSensors").text, "28-0001: 21.5")
            TestHooks.setValue("unknownW1SensorsValues", {})
            compare(findChild(tab, "unknownSensors").text, "Keine nicht zugeordneten Sensoren vorhanden")
            TestHooks.setValue("cpuTemp", "n/a")
            compare(findChild(tab, "cpuTemp").text, "CPU-Temperatur: Kann CPU-Temperatur nicht lesen")
            TestHooks.setValue("cpuTemp", 48.5)
            compare(findChild(tab, "cpuTemp").text, "CPU-Temperatur: 48.5 °C")
            TestHooks.setValue("filled", 3.456)
            compare(findChild(tab, "filled").text, "3.46")
            // A zone box asks for the opposite of what Values holds.
            TestHooks.setValue("heatZone2Enabled", true)
            mouseClick(findChild(tab, "zoneBox_Zone2"))
            compare(scene.values, [[Values.HeatZone2Enabled, false]])
        }
    }
}
