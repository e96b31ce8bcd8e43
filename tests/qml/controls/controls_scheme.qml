import QtQuick 2.15
import tavell.action 1.0
import tavell.actuator 1.0
import tavell.auto 1.0
import tavell.values 1.0
import "qrc:/qml/content/scheme"
import "qrc:/qml/singletons"

// The plant scheme: what each button and frequency box asks for, and what
// keeps a button from asking (a blocked output, a hidden zone).
Item {
    id: scene

    width: 1000
    height: 1000

    Component { id: form; SchemeForm { } }

    ControlsCase {
        id: t

        name: "SchemeControls"

        readonly property var threeVessels: ({ "values.heatZoneCount": 4, "values.heatZoneCountB": 4 })

        function plant(more) { return Object.assign({}, threeVessels, more || {}) }

        // Holding the counter asks first; the answer "Ja" resets it. The
        // question's own reports to the controller are the dialogs' business.
        function resetCounter(item, tc) {
            tc.mouseClick(item, item.width / 2, item.height / 2, Qt.RightButton)
            if (Dialogs.popupActive) {
                Dialogs.acceptCurrent()
                tc.tryVerify(function() { return !Dialogs.popupActive })
            }
            tc.sent = tc.sent.filter(function(entry) { return entry[0] !== "Gui.toPy" })
        }

        function init() { Dialogs.overlay = scene }

        function test_scheme_data() {
            const freq = function(name, value) {
                const context = plant()
                context[`values.${name}Min`] = 1
                context[`values.${name}Max`] = 50
                context[`values.${name}`] = value
                return context
            }
            return [
                { tag: "valve", quiet: true, control: "valve_svKanal", act: "click", context: plant(),
                  sends: [toggle(Actuator.SvKanal)], when: { "actuator.svKanal.blocked": false } },
                { tag: "turned valve", quiet: true, control: "valve_svSkOut", act: "click", context: plant(),
                  sends: [toggle(Actuator.SvSkOut)], when: { "actuator.svSkOut.blocked": false } },
                { tag: "cooking-kettle valve", quiet: true, control: "valve_svKkCip", act: "click", context: plant(),
                  sends: [toggle(Actuator.SvKkCip)], when: { "actuator.svKkCip.blocked": false } },
                { tag: "condenser valve", quiet: true, control: "valve_mvKondensator", act: "click", context: plant(),
                  sends: [toggle(Actuator.MvKondensator)], when: { "actuator.mvKondensator.blocked": false } },
                { tag: "heat zone A1", control: "heatZoneA1", act: "click",
                  context: plant({ "values.heatZone1Enabled": false }), sends: [toValues(Values.HeatZone1Enabled, true)],
                  when: { "values.heatZoneCount": [1, 0] } },
                // A zone in error (no temperature) can still be switched.
                { tag: "heat zone B3 in error", control: "heatZoneB3", act: "click",
                  context: plant({ "values.heatZoneB3Enabled": true, "values.tempZoneB3": "Fühlerbruch" }),
                  sends: [toValues(Values.HeatZoneB3Enabled, false)], when: { "values.heatZoneCountB": [3, 2] } },
                { tag: "pump 1 forward", quiet: true, control: "pump1/forward", act: "click", context: plant(),
                  sends: [toggle(Actuator.FuPump1Forward)], when: { "actuator.fuPump1.blockedForward": false } },
                { tag: "pump 1 backward", quiet: true, control: "pump1/backward", act: "click", context: plant(),
                  sends: [toggle(Actuator.FuPump1Backward)], when: { "actuator.fuPump1.blockedBackward": false } },
                { tag: "pump 1 stop, both ways blocked", control: "pump1/stop", act: "click",
                  context: plant({ "actuator.fuPump1.blockedForward": true, "actuator.fuPump1.blockedBackward": true }),
                  sends: [toggle(Actuator.FuPump1Stop)] },
                { tag: "pump 2 forward", quiet: true, control: "pump2/forward", act: "click", context: plant(),
                  sends: [toggle(Actuator.FuPump2Forward)], when: { "actuator.fuPump2.blockedForward": false } },
                { tag: "pump 2 backward", quiet: true, control: "pump2/backward", act: "click", context: plant(),
                  sends: [toggle(Actuator.FuPump2Backward)], when: { "actuator.fuPump2.blockedBackward": false } },
                { tag: "stirrer 1", quiet: true, control: "stirrer1", act: "click", context: plant(),
                  sends: [toggle(Actuator.FuRw1Forward)], when: { "actuator.fuRw1.blockedForward": false } },
                { tag: "stirrer 2", quiet: true, control: "stirrer2", act: "click", context: plant(),
                  sends: [toggle(Actuator.FuRw2Forward)], when: { "actuator.fuRw2.blockedForward": false } },
                { tag: "hand release", control: "handButton", act: "click", context: plant(),
                  sends: [toAuto(Auto_.HandEnabled, null)], whenAny: { "auto.activeA": true, "auto.activeB": true } },
                // A frequency is the setting in hand operation and the
                // sequence's temporary value while a line runs.
                { tag: "stirrer 1 frequency", control: "freqRw1", act: "up", context: freq("fuFreqSpRw1", 25),
                  sends: [toValuesQVar(Values.FuFreqSpRw1, 26)] },
                { tag: "stirrer 1 frequency, running", control: "freqRw1", act: "down",
                  context: Object.assign(freq("fuFreqSpRw1", 25), { "auto.activeB": true, "auto.fuFreqSpRw1": 30 }),
                  sends: [toAutoQVar(Auto_.FuFreqSpRw1, 29)] },
                { tag: "stirrer 2 frequency", control: "freqRw2", act: "up", context: freq("fuFreqSpRw2", 25),
                  sends: [toValuesQVar(Values.FuFreqSpRw2, 26)] },
                { tag: "pump 1 frequency, lautering", control: "pump1/freq", act: "up",
                  context: Object.assign(freq("fuFreqSpPump1", 25),
                                         { "auto.activeA": true, "auto.useLauterPumpFreq": true,
                                           "auto.fuFreqSpPumpLautern": 35, "auto.fuFreqSpPump1": 20 }),
                  sends: [toAutoQVar(Auto_.FuFreqSpPump1, 36)] },
                { tag: "pump 2 frequency", control: "pump2/freq", act: "up", context: freq("fuFreqSpPump2", 25),
                  sends: [toValuesQVar(Values.FuFreqSpPump2, 26)] },
                { tag: "pump 2 frequency, running", control: "pump2/freq", act: "up",
                  context: Object.assign(freq("fuFreqSpPump2", 25), { "auto.activeA": true, "auto.fuFreqSpPump2": 40 }),
                  sends: [toAutoQVar(Auto_.FuFreqSpPump2, 41)] },
                // An empty counter only says so.
                { tag: "water counter reset", quiet: true, control: "waterCounter", act: resetCounter, context: plant(),
                  sends: [toAction(Action_.ResetFlows)], when: { "values.filled": [12.5, 0] } }
            ]
        }
        function test_scheme(row) { check(form, row, { form: "2x" }) }

        function test_schemeOneKettle_data() {
            return [
                { tag: "valve", quiet: true, control: "valve_mvWaterHot", act: "click",
                  context: { "values.heatZoneCountB": 0 },
                  sends: [toggle(Actuator.MvWaterHot)], when: { "actuator.mvWaterHot.blocked": false } },
                { tag: "heat zone A4", control: "heatZoneA4", act: "click",
                  context: { "values.heatZoneCountB": 0, "values.heatZone4Enabled": true },
                  sends: [toValues(Values.HeatZone4Enabled, false)], when: { "values.heatZoneCount": [4, 3] } },
                { tag: "hand release", control: "handButton", act: "click", context: { "values.heatZoneCountB": 0 },
                  sends: [toAuto(Auto_.HandEnabled, null)], when: { "auto.activeA": true } }
            ]
        }
        function test_schemeOneKettle(row) { check(form, row, { form: "1x" }) }
    }
}
