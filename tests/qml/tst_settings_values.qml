import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.testing 1.0
import tavell.values 1.0
import "qrc:/qml/content/settings"
import "qrc:/qml/singletons"

// The general and machine tabs and ValuesExt against the real Values: what
// they show follows Values, and what they send is what the controller reads.
Item {
    id: scene

    width: 800
    height: 1200

    property var sent: []
    // What the controller does while it handles a request: null stores nothing.
    property var answer: null

    Connections {
        target: Values
        function onToPy(code, value) {
            scene.sent.push([code, value])
            if (scene.answer)
                scene.answer(code, value)
        }
    }

    Component {
        id: commonComponent
        SettingsCommon { width: 500; height: 1100 }
    }

    Component {
        id: machineComponent
        SettingsMachine { width: 500; height: 600 }
    }

    // Puts back what the cases change, as the controller would have it.
    function resetValues() {
        const values = {
            heatZoneCountB: -1, fuRw1Ok: false, fuPump1Ok: false, fuRw2Ok: false, fuPump2Ok: false,
            fuFreqSpPump1Min: 1, fuFreqSpPump1Max: 50, fuFreqSpPump1: 25, fuFreqSpPumpLautern: 25,
            cookingStartTemp: 98, kondensatorStartTemp: 97, autoKondensator: true, whirlpoolEnabled: true,
            ticksPerLiter: 210.0, tempKesselSensorKey: "", tempKesselBSensorKey: "",
            unknownW1SensorsValues: {}, heatZone1Enabled: true, heatZoneB2Enabled: true
        }
        for (const name in values)
            TestHooks.setValue(name, values[name])
        TestHooks.setValueStrings("tempKesselModel", [])
        TestHooks.setValueStrings("tempKesselBModel", [])
        TestHooks.setControlsEnabled(false)
        TestHooks.setAutoActive(1, false)
        TestHooks.setAutoActive(2, false)
        scene.answer = null
    }

    // The helpers of a test case serve every case of this file.
    function child(parent, name) {
        const item = commonCase.findChild(parent, name)
        if (!item)
            throw new Error("kein Element " + name)
        return item
    }

    function clickUp(box) {
        const up = box.spinBox.up.indicator
        commonCase.mouseClick(up, up.width / 2, up.height / 2)
    }

    TestCase {
        id: commonCase

        name: "SettingsCommon"
        when: windowShown

        property var tab: null

        function init() {
            scene.resetValues()
            TestHooks.setControlsEnabled(true)
            scene.sent = []
            tab = createTemporaryObject(commonComponent, scene)
            verify(tab)
            waitForRendering(tab)
        }

        function cleanup() {
            scene.resetValues()
        }

        function test_plantLayoutChoosesRowsAndTitles_data() {
            return [
                { tag: "standard", b: 0, special: false, rw1: "Frequenz Rührwerk",
                  pump1: "Frequenz Pumpe - Allgemein", lauter: "Frequenz Pumpe - Läutern" },
                { tag: "three vessels", b: 4, special: true, rw1: "Frequenz Rührwerk 1",
                  pump1: "Frequenz Pumpe 1 - Allgemein", lauter: "Frequenz Pumpe 1 - Läutern" }
            ]
        }

        function test_plantLayoutChoosesRowsAndTitles(data) {
            TestHooks.setValue("heatZoneCountB", data.b)
            const rw1 = scene.child(tab, "rowFreqRw1")
            compare([rw1.box.text, rw1.helpTitle], [data.rw1, data.rw1])
            compare(scene.child(tab, "rowFreqPump1").box.text, data.pump1)
            compare(scene.child(tab, "rowFreqLauter").helpTitle, data.lauter)
            compare(scene.child(tab, "rowFreqRw2").visible, data.special)
            compare(scene.child(tab, "rowFreqPump2").visible, data.special)
            compare(scene.child(tab, "rowFreqPump2").helpTitle, "Frequenz Pumpe 2 - Allgemein")
            verify(scene.child(tab, "rowCookingStartTemp").helpText.startsWith(
                       "Im Brauprozess beginnt der Schritt <i>Kochen</i>, wenn nach dem Läutern"))
            compare(scene.child(tab, "checkAutoKondensator").text,
                    "Kondensator im Automatikbetrieb (Heizphase Kochen, Kochen) automatisch schalten")
        }

        function test_drivesEnableTheirBoxes() {
            const rw1 = scene.child(tab, "rowFreqRw1").box
            const lauter = scene.child(tab, "rowFreqLauter").box
            const cooking = scene.child(tab, "rowCookingStartTemp").box
            verify(!rw1.enabled && !lauter.enabled && cooking.enabled)
            TestHooks.setValue("fuRw1Ok", true)
            TestHooks.setValue("fuPump1Ok", true)
            verify(rw1.enabled && lauter.enabled)
            TestHooks.setControlsEnabled(false)
            verify(!rw1.enabled && !cooking.enabled && !scene.child(tab, "checkWhirlpool").enabled)
        }

        function test_lauteringUsesPumpOneBounds() {
            TestHooks.setValue("fuFreqSpPump1Min", 5)
            TestHooks.setValue("fuFreqSpPump1Max", 40)
            const lauter = scene.child(tab, "rowFreqLauter").box
            compare([lauter.from, lauter.to, lauter.error], [5, 40, false])
            // The lautering set point has no bounds of its own: the box warns.
            TestHooks.setValue("fuFreqSpPumpLautern", 45)
            verify(lauter.error)
            compare(scene.child(lauter, "rangeError").text, "Der Wert 45 liegt nicht im Bereich 5...40")
            compare(lauter.color, Common.colorWarning)
            compare(scene.sent, [])
        }

        function test_spinBoxSendsOnlyOperatorChanges() {
            TestHooks.setValue("fuPump1Ok", true)
            TestHooks.setValue("cookingStartTemp", 95)
            TestHooks.setValue("fuFreqSpPumpLautern", 30)
            compare(scene.sent, [])
            scene.clickUp(scene.child(tab, "rowCookingStartTemp").box)
            scene.clickUp(scene.child(tab, "rowFreqLauter").box)
            compare(scene.sent, [[Values.CookingStartTemp, 96], [Values.FuFreqSpPumpLautern, 31]])
            // Shown is what Values holds once the controller has stored it.
            TestHooks.setValue("cookingStartTemp", 96)
            compare(scene.child(tab, "rowCookingStartTemp").box.spinBox.value, 96)
        }

        function test_condenserClickAsksForToggle() {
            const check = scene.child(tab, "checkAutoKondensator")
            verify(check.checked)
            mouseClick(check)
            compare(scene.sent, [[Values.AutoKondensator, null]])
            // Unchanged until the controller answers, then it follows Values.
            verify(check.checked)
            TestHooks.setValue("autoKondensator", false)
            verify(!check.checked)
        }

        function test_whirlpoolSendsEveryCheckChange() {
            const check = scene.child(tab, "checkWhirlpool")
            const minFreq = scene.child(tab, "spinWhirlpoolMinFreq")
            // Showing the stored state at start is no change to report.
            compare(scene.sent, [])
            compare(check.text, "Auto-Whirlpool akiviert")
            verify(minFreq.enabled)
            // The controller stores it while it handles the request: nothing
            // more is sent.
            scene.answer = function(code, value) { TestHooks.setValue("whirlpoolEnabled", value) }
            mouseClick(check)
            wait(0)
            compare(scene.sent, [[Values.WhirlpoolEnabled, false]])
            compare(check.text, "Auto-Whirlpool deaktiviert")
            verify(!check.checked)
            verify(!minFreq.enabled && !scene.child(tab, "spinWhirlpoolSeconds").enabled)
            // A change the controller makes on its own is sent back once.
            scene.answer = null
            TestHooks.setValue("whirlpoolEnabled", true)
            verify(check.checked)
            compare(scene.sent, [[Values.WhirlpoolEnabled, false], [Values.WhirlpoolEnabled, true]])
        }

        // A request the controller refuses, or answers with another value,
        // leaves the control showing what Values holds, not the operator's step.
        function test_controlsShowWhatTheControllerKeeps_data() {
            return [
                { tag: "start temperature refused", control: "rowCookingStartTemp", key: "cookingStartTemp",
                  start: 95, shown: 95 },
                { tag: "lautering pump kept at its limit", control: "rowFreqLauter", key: "fuFreqSpPumpLautern",
                  start: 30, stored: 30, shown: 30 },
                { tag: "condenser start corrected", control: "spinKondensatorStartTemp", key: "kondensatorStartTemp",
                  start: 95, stored: 97, shown: 97 },
                { tag: "whirlpool refused", control: "checkWhirlpool", key: "whirlpoolEnabled", start: true, shown: true }
            ]
        }

        function test_controlsShowWhatTheControllerKeeps(data) {
            TestHooks.setValue("fuPump1Ok", true)
            TestHooks.setValue(data.key, data.start)
            if (data.stored !== undefined)
                scene.answer = function() { TestHooks.setValue(data.key, data.stored) }
            const control = scene.child(tab, data.control)
            if (typeof data.start === "boolean") {
                mouseClick(control)
                compare(control.checked, data.shown)
            } else {
                const box = control.box || control
                scene.clickUp(box)
                compare(box.spinBox.value, data.shown)
                compare(box.spinBox.displayText, String(data.shown))
            }
            compare(scene.sent.length, 1)
        }
    }

    TestCase {
        name: "SettingsMachine"
        when: windowShown

        property var tab: null

        function init() {
            scene.resetValues()
            TestHooks.setControlsEnabled(true)
            tab = createTemporaryObject(machineComponent, scene)
            verify(tab)
            waitForRendering(tab)
            scene.sent = []
        }

        function cleanup() {
            scene.resetValues()
        }

        function test_unassignedSensorsListedAsText() {
            const label = scene.child(tab, "unknownSensors")
            verify(!label.visible)
            TestHooks.setValue("unknownW1SensorsValues", { "28-0a": 21.5, "<b>x</b>": "keine Antwort" })
            verify(label.visible)
            compare(label.text, "Nicht zugeordnete Sensoren:\n28-0a: 21.5\n<b>x</b>: keine Antwort")
            compare(label.textFormat, Text.PlainText)
            TestHooks.setValue("unknownW1SensorsValues", {})
            compare([label.text, label.visible], ["", false])
        }

        function test_kettleSensorListsOfferKeys() {
            const listA = scene.child(tab, "sensorKessel")
            const listB = scene.child(tab, "sensorKesselB")
            compare(listA.list.text, "Temperatursensor Sudkessel")
            verify(!listB.visible)
            // Nothing offered: not even "unmap".
            compare(listA.list.comboBox.count, 0)

            TestHooks.setValueStrings("tempKesselModel", ["28-01", "kessel", "28-02"])
            compare(listA.entries, ["unmap", "28-01", "kessel", "28-02"])
            compare(listA.list.currentText, "kessel")
            listA.list.comboBox.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(scene.sent, [[Values.TempKesselSensorKey, "28-01"]])
            // Refused: the list shows the assignment again; then the key the
            // controller holds.
            compare(listA.list.currentText, "kessel")
            TestHooks.setValue("tempKesselSensorKey", "28-02")
            compare(listA.list.currentText, "28-02")

            TestHooks.setValue("heatZoneCountB", 4)
            compare(listA.list.text, "Temperatursensor Maischepfanne")
            compare([listB.visible, listB.list.text], [true, "Temperatursensor Würzepfanne"])
            TestHooks.setValueStrings("tempKesselBModel", ["kesselB", "28-03"])
            compare(listB.list.currentText, "kesselB")
            listB.list.comboBox.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(scene.sent[1], [Values.TempKesselBSensorKey, "unmap"])
        }

        function test_runningLineLocksMachineSettings() {
            TestHooks.setValueStrings("tempKesselModel", ["kessel"])
            const list = scene.child(tab, "sensorKessel").list
            const ticks = scene.child(tab, "spinTicksPerLiter")
            const resolution = scene.child(tab, "comboTicksResolution")
            verify(list.enabled && ticks.enabled && resolution.enabled)
            TestHooks.setAutoActive(2, true)
            verify(!list.enabled && !ticks.enabled && !resolution.enabled)
            TestHooks.setAutoActive(2, false)
            TestHooks.setControlsEnabled(false)
            verify(!list.enabled && !ticks.enabled && !resolution.enabled)
        }

        function test_ticksPerLiterInTenths() {
            const ticks = scene.child(tab, "spinTicksPerLiter")
            const spin = ticks.spinBox
            compare([ticks.from, ticks.to], [1, 10000])
            spin.locale = Qt.locale("de_DE")
            compare(spin.displayText, "210,00")
            compare(spin.valueFromText("123,4", spin.locale), 1234)
            scene.clickUp(ticks)
            compare(scene.sent, [[Values.TicksPerLiter, 211]])
            TestHooks.setValue("ticksPerLiter", 211.0)

            // Resolution 0.1 steps by one tenth.
            const resolution = scene.child(tab, "comboTicksResolution").comboBox
            resolution.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(resolution.currentText, "0.1")
            scene.clickUp(ticks)
            compare(scene.sent[1], [Values.TicksPerLiter, 211.1])
            TestHooks.setValue("ticksPerLiter", 210.5)
            compare(spin.displayText, "210,50")
        }
    }

    TestCase {
        name: "ValuesExt"
        when: windowShown

        function init() {
            scene.resetValues()
            scene.sent = []
            TestHooks.clearLog()
        }

        function cleanup() {
            scene.resetValues()
        }

        function test_temperatureText() {
            compare(ValuesExt.getTempStr(55), "55.0 °C")
            compare(ValuesExt.getTempStr(-3.04), "-3.0 °C")
            compare(ValuesExt.getTempStr("Sensor nicht erkannt"), "Sensor nicht erkannt")
            TestHooks.setValue("tempZoneB3", "Kurzschluss")
            compare(ValuesExt.getTempStr(ValuesExt.tempZones[1][2]), "Kurzschluss")
            TestHooks.setValue("tempZoneB3", 0.0)
        }

        function test_toggleZoneSendsNegatedFlagOfZonesZeroToSeven() {
            TestHooks.setValue("heatZone1Enabled", false)
            ValuesExt.toggleZoneEnabled(0)
            ValuesExt.toggleZoneEnabled(5)
            ValuesExt.toggleZoneEnabled(8)
            ValuesExt.toggleZoneEnabled(-1)
            compare(scene.sent, [[Values.HeatZone1Enabled, true], [Values.HeatZoneB2Enabled, false]])
            const lines = TestHooks.consoleLines()
            verify(lines.indexOf("debug: toggleZoneEnabled: 8") >= 0)
            verify(lines.indexOf("debug: ungültiger Wert übergeben: 8 (soll: 0...7 inkl)") >= 0)
            verify(lines.indexOf("debug: ungültiger Wert übergeben: -1 (soll: 0...7 inkl)") >= 0)
        }
    }
}
