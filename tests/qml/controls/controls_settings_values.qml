import QtQuick 2.15
import tavell.values 1.0
import "qrc:/qml/content/settings"

// The tabs "Allgemein" and "Maschine": each setting's request and the
// conditions that enable its control.
Item {
    id: scene

    width: 600
    height: 1400

    Component { id: general; SettingsCommon { width: scene.width; height: scene.height } }
    Component { id: machine; SettingsMachine { width: scene.width; height: 700 } }

    ControlsCase {
        name: "SettingsValuesControls"

        // A setting at `value` within 1 .. 200, on a plant with `zonesB` zones on line B.
        function setting(name, value, zonesB) {
            const context = { "values.heatZoneCountB": zonesB === undefined ? 0 : zonesB }
            context[`values.${name}Min`] = 1
            context[`values.${name}Max`] = 200
            context[`values.${name}`] = value
            return context
        }

        function test_general_data() {
            const controls = { "gui.controlsEnabled": true }
            const special = [4, 0]
            return [
                { tag: "stirrer 1", control: "rowFreqRw1/valueBox", act: "up", context: setting("fuFreqSpRw1", 25),
                  sends: [toValues(Values.FuFreqSpRw1, 26)], when: { "gui.controlsEnabled": true, "values.fuRw1Ok": true } },
                { tag: "stirrer 2", control: "rowFreqRw2/valueBox", act: "down", context: setting("fuFreqSpRw2", 25, 4),
                  sends: [toValues(Values.FuFreqSpRw2, 24)],
                  when: { "gui.controlsEnabled": true, "values.fuRw2Ok": true, "values.heatZoneCountB": special } },
                { tag: "pump 1", control: "rowFreqPump1/valueBox", act: "up", context: setting("fuFreqSpPump1", 30),
                  sends: [toValues(Values.FuFreqSpPump1, 31)],
                  when: { "gui.controlsEnabled": true, "values.fuPump1Ok": true } },
                { tag: "pump 2", control: "rowFreqPump2/valueBox", act: "up", context: setting("fuFreqSpPump2", 30, 4),
                  sends: [toValues(Values.FuFreqSpPump2, 31)],
                  when: { "gui.controlsEnabled": true, "values.fuPump2Ok": true, "values.heatZoneCountB": special } },
                // Lautering runs pump 1: its drive and its bounds.
                { tag: "lautering pump", control: "rowFreqLauter/valueBox", act: "up",
                  context: Object.assign(setting("fuFreqSpPump1", 30), { "values.fuFreqSpPumpLautern": 40 }),
                  sends: [toValues(Values.FuFreqSpPumpLautern, 41)],
                  when: { "gui.controlsEnabled": true, "values.fuPump1Ok": true } },
                { tag: "boiling start", control: "rowCookingStartTemp/valueBox", act: "up",
                  context: setting("cookingStartTemp", 95), sends: [toValues(Values.CookingStartTemp, 96)], when: controls },
                { tag: "condenser start", control: "spinKondensatorStartTemp", act: "down",
                  context: setting("kondensatorStartTemp", 90), sends: [toValues(Values.KondensatorStartTemp, 89)],
                  when: controls },
                { tag: "condenser automatic", control: "checkAutoKondensator", act: "click",
                  context: { "values.autoKondensator": false }, sends: [toValues(Values.AutoKondensator, null)],
                  when: controls },
                { tag: "whirlpool off", control: "checkWhirlpool", act: "click",
                  context: { "values.whirlpoolEnabled": true }, sends: [toValues(Values.WhirlpoolEnabled, false)],
                  when: controls },
                { tag: "whirlpool on", control: "checkWhirlpool", act: "click",
                  context: { "values.whirlpoolEnabled": false }, sends: [toValues(Values.WhirlpoolEnabled, true)],
                  when: controls },
                { tag: "whirlpool stirrer frequency", control: "spinWhirlpoolMinFreq", act: "up",
                  context: setting("whirlpoolMinFreq", 20), sends: [toValues(Values.WhirlpoolMinFreq, 21)],
                  when: { "gui.controlsEnabled": true, "values.whirlpoolEnabled": true } },
                { tag: "whirlpool duration", control: "spinWhirlpoolSeconds", act: "up",
                  context: setting("whirlpoolSeconds", 60), sends: [toValues(Values.WhirlpoolSeconds, 61)],
                  when: { "gui.controlsEnabled": true, "values.whirlpoolEnabled": true } }
            ]
        }
        function test_general(row) { check(general, row) }

        function test_machine_data() {
            // Neither line may run.
            const idle = { "gui.controlsEnabled": true, "auto.activeA": false, "auto.activeB": false }
            return [
                { tag: "kettle sensor", control: "sensorKessel/sensorList", act: "next",
                  context: { "values.heatZoneCountB": 0, "values.tempKesselModel": ["28-01", "kessel", "28-02"] },
                  sends: [toValues(Values.TempKesselSensorKey, "28-02")], when: idle },
                { tag: "kettle sensor, line B", control: "sensorKesselB/sensorList", act: "prev",
                  context: { "values.tempKesselBModel": ["kesselB", "28-03"] },
                  sends: [toValues(Values.TempKesselBSensorKey, "unmap")],
                  when: Object.assign({ "values.heatZoneCountB": [4, 0] }, idle) },
                { tag: "ticks per litre", control: "spinTicksPerLiter", act: "up",
                  context: { "values.ticksPerLiterMin": 0.1, "values.ticksPerLiterMax": 1000, "values.ticksPerLiter": 210 },
                  sends: [toValues(Values.TicksPerLiter, 211)], when: idle },
                { tag: "ticks resolution", control: "comboTicksResolution", act: "next", sends: [], when: idle }
            ]
        }
        function test_machine(row) { check(machine, row) }
    }
}
