import QtQuick 2.15
import tavell.action 1.0
import tavell.actuator 1.0
import tavell.values 1.0
import "qrc:/qml/content/settings"

// The manual-operation tab: the outputs, the heating automations with their
// zones and the drives, each with its request and its enabling rule.
Item {
    id: scene

    // Wide enough for the strip of temperatures and heating automations to
    // show all of its columns.
    width: 1800
    height: 1300

    Component { id: tab; SettingsManualOperation { width: scene.width; height: scene.height } }

    ControlsCase {
        name: "ManualOperationControls"

        function plant(zonesB, more) {
            return Object.assign({ "values.heatZoneCount": 4, "values.heatZoneCountB": zonesB }, more || {})
        }

        // A sequence blocks the output unless hand operation is released.
        function blockedOutput(name) {
            const any = {}
            any["auto.activeA"] = [false, true]
            any["auto.handEnabled"] = true
            any[`actuator.${name}.blocked`] = false
            return any
        }

        function drive(name, more) {
            const context = plant(4, more)
            context[`values.${name}Min`] = 1
            context[`values.${name}Max`] = 50
            context[`values.${name}`] = 25
            return context
        }

        function test_manualOperation_data() {
            const controls = { "gui.controlsEnabled": true }
            return [
                { tag: "outlet valve", control: "out_svSkOut", act: "click", context: plant(0),
                  sends: [toggle(Actuator.SvSkOut)], when: controls, whenAny: blockedOutput("svSkOut") },
                { tag: "heat zone 3 output", control: "out_heatZone3", act: "click", context: plant(0),
                  sends: [toggle(Actuator.HeatZone3)], when: controls, whenAny: blockedOutput("heatZone3") },
                { tag: "spare 2, standard plant", control: "out_spare2", act: "click", context: plant(0),
                  sends: [toggle(Actuator.Spare2)], when: controls, whenAny: blockedOutput("spare2") },
                { tag: "cooking-kettle cooler", control: "out_svKkCooler", act: "click", context: plant(4),
                  sends: [toggle(Actuator.SvKkCooler)], when: controls, whenAny: blockedOutput("svKkCooler") },
                { tag: "condenser, 230 V", control: "out_mvKondensator", act: "click", context: plant(4),
                  sends: [toggle(Actuator.MvKondensator)], when: controls, whenAny: blockedOutput("mvKondensator") },
                { tag: "cooking-kettle CIP, 230 V", control: "out_mvKkCip", act: "click", context: plant(4),
                  sends: [toggle(Actuator.MvKkCip)], when: controls, whenAny: blockedOutput("mvKkCip") },
                // The heating automation sets its line's set point, then switches.
                { tag: "heating automation A, standard plant", control: "heatingABox", act: "click", context: plant(0),
                  sends: [toValues(Values.HeatingSetpoint, 99), toAction(Action_.HeatingA)],
                  when: { "auto.activeA": false, "auto.activeB": false } },
                { tag: "heating automation A, special plant", control: "heatingABox", act: "click", context: plant(4),
                  sends: [toValues(Values.HeatingSetpoint, 78), toAction(Action_.HeatingA)],
                  when: { "auto.activeA": false, "auto.activeB": false } },
                { tag: "heating automation B", control: "heatingBBox", act: "click", context: plant(4),
                  sends: [toValues(Values.HeatingBSetpoint, 99), toAction(Action_.HeatingB)],
                  when: { "auto.activeA": false, "auto.activeB": false, "values.heatZoneCountB": [4, 0] } },
                { tag: "zone 4", control: "zoneBox_Zone4", act: "click",
                  context: plant(0, { "values.heatZone4Enabled": false }),
                  sends: [toValues(Values.HeatZone4Enabled, true)], when: { "values.heatZoneCount": [4, 3] } },
                { tag: "zone 1", control: "zoneBox_Zone1", act: "click",
                  context: plant(0, { "values.heatZone1Enabled": true }),
                  sends: [toValues(Values.HeatZone1Enabled, false)] },
                { tag: "zone B2", control: "zoneBox_ZoneB2", act: "click",
                  context: plant(4, { "values.heatZoneB2Enabled": false }),
                  sends: [toValues(Values.HeatZoneB2Enabled, true)] },
                { tag: "zone B4", control: "zoneBox_ZoneB4", act: "click",
                  context: plant(4, { "values.heatZoneB4Enabled": true }),
                  sends: [toValues(Values.HeatZoneB4Enabled, false)], when: { "values.heatZoneCountB": [4, 3] } },
                // The drives do not depend on the controls being enabled.
                { tag: "stirrer 1 frequency", control: "driveRw1/freq", act: "up",
                  context: drive("fuFreqSpRw1", { "gui.controlsEnabled": false }),
                  sends: [toValues(Values.FuFreqSpRw1, 26)], when: { "values.fuRw1Ok": true } },
                { tag: "stirrer 1 on", control: "driveRw1/forward", act: "click",
                  context: plant(4, { "gui.controlsEnabled": false }), sends: [toggle(Actuator.FuRw1Forward)],
                  when: { "values.fuRw1Ok": true }, whenAny: {
                      "auto.activeB": [false, true], "auto.handEnabled": true, "actuator.fuRw1.blockedForward": false } },
                { tag: "stirrer 1 init", control: "driveRw1/init", act: "click",
                  context: plant(4, { "gui.controlsEnabled": false, "values.fuRw1Ok": false }),
                  sends: [toAction(Action_.InitFuRw1)] },
                { tag: "pump 1 frequency", control: "drivePump1/freq", act: "down", context: drive("fuFreqSpPump1"),
                  sends: [toValues(Values.FuFreqSpPump1, 24)], when: { "values.fuPump1Ok": true } },
                { tag: "pump 1 forward", control: "drivePump1/forward", act: "click", context: plant(0),
                  sends: [toggle(Actuator.FuPump1Forward)], when: { "values.fuPump1Ok": true }, whenAny: {
                      "auto.activeA": [false, true], "auto.handEnabled": true, "actuator.fuPump1.blockedForward": false } },
                { tag: "pump 1 backward", control: "drivePump1/backward", act: "click", context: plant(0),
                  sends: [toggle(Actuator.FuPump1Backward)], when: { "values.fuPump1Ok": true }, whenAny: {
                      "auto.activeA": [false, true], "auto.handEnabled": true, "actuator.fuPump1.blockedBackward": false } },
                { tag: "pump 1 init", control: "drivePump1/init", act: "click", context: plant(0),
                  sends: [toAction(Action_.InitFuPump1)] },
                { tag: "stirrer 2 frequency", control: "driveRw2/freq", act: "up", context: drive("fuFreqSpRw2"),
                  sends: [toValues(Values.FuFreqSpRw2, 26)],
                  when: { "values.fuRw2Ok": true, "values.heatZoneCountB": [4, 0] } },
                { tag: "stirrer 2 on", control: "driveRw2/forward", act: "click", context: plant(4),
                  sends: [toggle(Actuator.FuRw2Forward)], when: { "values.fuRw2Ok": true },
                  whenAny: { "auto.activeA": [false, true], "auto.handEnabled": true,
                             "actuator.fuRw2.blockedForward": false } },
                { tag: "stirrer 2 init", control: "driveRw2/init", act: "click", context: plant(4),
                  sends: [toAction(Action_.InitFuRw2)], when: { "values.heatZoneCountB": [4, 0] } },
                { tag: "pump 2 frequency", control: "drivePump2/freq", act: "up", context: drive("fuFreqSpPump2"),
                  sends: [toValues(Values.FuFreqSpPump2, 26)], when: { "values.fuPump2Ok": true } },
                { tag: "pump 2 forward", control: "drivePump2/forward", act: "click", context: plant(4),
                  sends: [toggle(Actuator.FuPump2Forward)], when: { "values.fuPump2Ok": true },
                  whenAny: { "auto.activeB": [false, true], "auto.handEnabled": true,
                             "actuator.fuPump2.blockedForward": false } },
                { tag: "pump 2 backward", control: "drivePump2/backward", act: "click", context: plant(4),
                  sends: [toggle(Actuator.FuPump2Backward)], when: { "values.fuPump2Ok": true },
                  whenAny: { "auto.activeB": [false, true], "auto.handEnabled": true,
                             "actuator.fuPump2.blockedBackward": false } },
                { tag: "pump 2 init", control: "drivePump2/init", act: "click", context: plant(4),
                  sends: [toAction(Action_.InitFuPump2)], when: { "values.heatZoneCountB": [4, 0] } }
            ]
        }
        function test_manualOperation(row) { check(tab, row) }
    }
}
