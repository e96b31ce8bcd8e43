import QtQuick 2.15
import tavell.sensor 1.0
import tavell.simulator 1.0
import tavell.values 1.0
import "qrc:/qml/content/simulator"

// The simulator window: what each slider, check box and push button asks
// the controller for, and which temperature sliders a plant shows.
Item {
    id: scene

    width: 300
    height: 200

    Component { id: simulator; SimulatorWindow { } }

    ControlsCase {
        name: "SimulatorControls"

        function plant(zonesA, zonesB, more) {
            return Object.assign({ "values.heatZoneCount": zonesA, "values.heatZoneCountB": zonesB,
                                   "simulator.simScaleFactor": 1 }, more || {})
        }

        function at(path, value, more) {
            const context = plant(4, 4, more)
            context[path] = value
            return context
        }

        function test_simulator_data() {
            return [
                { tag: "zone 4", control: "sim_tempZone4", act: "slide", context: at("values.tempZone4", 20),
                  sends: [toValues(Values.TempZone4, 20.5)], when: { "values.heatZoneCount": [4, 3] } },
                { tag: "zone 1", control: "sim_tempZone1", act: "slide", context: at("values.tempZone1", 60),
                  sends: [toValues(Values.TempZone1, 60.5)] },
                { tag: "kettle", control: "sim_tempKessel", act: "slide", context: at("values.tempKessel", 50),
                  sends: [toValues(Values.TempKessel, 50.25)] },
                { tag: "zone B4", control: "sim_tempZoneB4", act: "slide", context: at("values.tempZoneB4", 30),
                  sends: [toValues(Values.TempZoneB4, 30.5)], when: { "values.heatZoneCountB": [4, 3] } },
                { tag: "zone B1", control: "sim_tempZoneB1", act: "slide", context: at("values.tempZoneB1", 30),
                  sends: [toValues(Values.TempZoneB1, 30.5)], when: { "values.heatZoneCountB": [1, 0] } },
                { tag: "kettle B", control: "sim_tempKesselB", act: "slide", context: at("values.tempKesselB", 40),
                  sends: [toValues(Values.TempKesselB, 40.25)], when: { "values.heatZoneCountB": [1, 0] } },
                { tag: "automatic flow meter", control: "simAutoFlow", act: "click",
                  context: at("simulator.simAutoFlow", false), sends: [toSimulator(Simulator.SimAutoFlow, true)] },
                { tag: "ticks per minute", control: "simTicksPerMinute", act: "slide",
                  context: at("simulator.simTicksPerMinute", 100,
                               { "simulator.simTicksPerMinuteMin": 1, "simulator.simTicksPerMinuteMax": 1000 }),
                  sends: [toSimulator(Simulator.SimTicksPerMinute, 101)] },
                { tag: "automatic heating", control: "simAutoHeating", act: "click",
                  context: at("simulator.simAutoHeating", true), sends: [toSimulator(Simulator.SimAutoHeating, false)] },
                { tag: "degrees per minute", control: "simDegreesPerMinute", act: "slide",
                  context: at("simulator.simDegreesPerMinute", 2.5,
                               { "simulator.simDegreesPerMinuteMin": 0, "simulator.simDegreesPerMinuteMax": 10 }),
                  sends: function(slider) { return [toSimulator(Simulator.SimDegreesPerMinute, slider.value)] } },
                { tag: "analogue input 0", control: "simAIn0", act: "slide", context: at("simulator.simAIn0", 40),
                  sends: [toSimulator(Simulator.SimAIn0, 41)] },
                { tag: "analogue input 1", control: "simAIn1", act: "slide", context: at("simulator.simAIn1", 40),
                  sends: [toSimulator(Simulator.SimAIn1, 41)] },
                // A latching input asks for the opposite of its state.
                { tag: "pressure switch", control: "simPThreshold", act: "click",
                  context: at("sensor.pThreshold.state", false), sends: [toSensor(Sensor.PThreshold, true)] },
                { tag: "breaker LS1", control: "simLs1", act: "click", context: at("sensor.ls1.state", true),
                  sends: [toSensor(Sensor.Ls1, false)] },
                { tag: "breaker LS2", control: "simLs2", act: "click", context: at("sensor.ls2.state", false),
                  sends: [toSensor(Sensor.Ls2, true)] },
                // A push button is pressed while held.
                { tag: "green button", control: "simStart", act: "press", context: plant(4, 0),
                  sends: [toSensor(Sensor.Start, true), toSensor(Sensor.Start, false)] },
                { tag: "red button", control: "simStop", act: "press", context: plant(4, 0),
                  sends: [toSensor(Sensor.Stop, true), toSensor(Sensor.Stop, false)] },
                { tag: "flow meter", control: "simFlow", act: "press", context: plant(4, 0),
                  sends: [toSensor(Sensor.Flow, true), toSensor(Sensor.Flow, false)] }
            ]
        }
        function test_simulator(row) { check(simulator, row) }
    }
}
