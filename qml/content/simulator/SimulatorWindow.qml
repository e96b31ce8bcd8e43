import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import tavell.sensor 1.0
import tavell.simulator 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// The plant played by the operator in simulator mode: temperatures, flow
// meter and heating simulation, analogue and digital inputs. Every control
// only asks the controller; what it shows is what the controller wrote back.
Window {
    id: root

    readonly property bool lineB: Values.heatZoneCountB > 0
    readonly property alias content: content_

    // One row per temperature, line A in column 0 and line B in column 1,
    // from zone 4 down to the kettle. `minB` is the line-B zone count above
    // which a line-B slider shows.
    readonly property var temperatures_: [
        { key: "tempZone4", code: Values.TempZone4, text: "Zone 4", row: 0, column: 0 },
        { key: "tempZoneB4", code: Values.TempZoneB4, text: "Zone B4", row: 0, column: 1, minB: 3 },
        { key: "tempZone3", code: Values.TempZone3, text: "Zone 3", row: 1, column: 0 },
        { key: "tempZoneB3", code: Values.TempZoneB3, text: "Zone B3", row: 1, column: 1, minB: 0 },
        { key: "tempZone2", code: Values.TempZone2, text: "Zone 2", row: 2, column: 0 },
        { key: "tempZoneB2", code: Values.TempZoneB2, text: "Zone B2", row: 2, column: 1, minB: 0 },
        { key: "tempZone1", code: Values.TempZone1, text: "Zone 1", row: 3, column: 0 },
        { key: "tempZoneB1", code: Values.TempZoneB1, text: "Zone B1", row: 3, column: 1, minB: 0, decimals: 1 },
        { key: "tempKessel", code: Values.TempKessel, text: "Kessel", row: 4, column: 0, decimals: 1, kettle: true },
        { key: "tempKesselB", code: Values.TempKesselB, text: "Kessel B", row: 4, column: 1, minB: 0, decimals: 1,
          kettle: true }
    ]

    function temperatureVisible_(entry) {
        if (entry.column === 1)
            return Values.heatZoneCountB > entry.minB
        return entry.key !== "tempZone4" || Values.heatZoneCount > 3
    }

    objectName: "simulatorWindow"
    title: "Simulator"
    visible: true
    minimumWidth: (content_.implicitWidth + 10) * Simulator.simScaleFactor
    minimumHeight: content_.implicitHeight * Simulator.simScaleFactor
    width: minimumWidth
    height: minimumHeight
    Material.theme: Common.theme
    Material.accent: Common.accent
    color: Material.backgroundColor

    ColumnLayout {
        id: content_

        objectName: "simulatorContent"
        width: implicitWidth
        height: implicitHeight
        spacing: 0
        scale: Simulator.simScaleFactor
        transformOrigin: Item.TopLeft

        GridLayout {
            objectName: "temperatureGrid"
            columns: root.lineB ? 2 : 1
            columnSpacing: 2 * Common.spacing
            rowSpacing: 0
            Layout.fillWidth: true
            Layout.margins: Common.spacing

            Repeater {
                model: root.temperatures_

                SimLabeledSlider {
                    objectName: "sim_" + modelData.key
                    visible: root.temperatureVisible_(modelData)
                    prefix: `Temperatur ${modelData.text} (`
                    suffix: " °C)"
                    decimals: modelData.decimals === undefined ? -1 : modelData.decimals
                    shown: Values[modelData.key]
                    from: 0
                    to: modelData.kettle ? 100 : 220
                    stepSize: modelData.kettle ? 0.25 : 0.5
                    Layout.row: modelData.row
                    Layout.column: root.lineB ? modelData.column : 0

                    onMoved: Values.toPy(modelData.code, value)
                }
            }
        }

        StateCheckBox {
            objectName: "simAutoFlow"
            text: `Auto-Flowmeter (${ticks_.value}/Min)`
            held: Simulator.simAutoFlow
            onRequested: Simulator.toPy(Simulator.SimAutoFlow, wanted)
        }

        SimSlider {
            id: ticks_

            objectName: "simTicksPerMinute"
            from: Simulator.simTicksPerMinuteMin
            to: Simulator.simTicksPerMinuteMax
            stepSize: 1
            value: Simulator.simTicksPerMinute
            Layout.leftMargin: Common.spacing
            Layout.rightMargin: Common.spacing

            onMoved: Simulator.toPy(Simulator.SimTicksPerMinute, value)
        }

        StateCheckBox {
            objectName: "simAutoHeating"
            text: `Auto-Heizung (${degrees_.value.toFixed(1)}°/Min)`
            held: Simulator.simAutoHeating
            onRequested: Simulator.toPy(Simulator.SimAutoHeating, wanted)
        }

        SimSlider {
            id: degrees_

            objectName: "simDegreesPerMinute"
            from: Simulator.simDegreesPerMinuteMin
            to: Simulator.simDegreesPerMinuteMax
            stepSize: 0.1
            value: Simulator.simDegreesPerMinute
            Layout.leftMargin: Common.spacing
            Layout.rightMargin: Common.spacing

            onMoved: Simulator.toPy(Simulator.SimDegreesPerMinute, value)
        }

        // Filled column by column: side by side with line B, else stacked.
        GridLayout {
            objectName: "analogueGrid"
            flow: GridLayout.TopToBottom
            rows: root.lineB ? 2 : 4
            columnSpacing: 2 * Common.spacing
            rowSpacing: 0
            Layout.fillWidth: true
            Layout.margins: Common.spacing

            Label {
                objectName: "simAIn0Label"
                text: `A-In 0 (${aIn0_.value} %)`
                color: Common.fg1
                Layout.leftMargin: 8
            }
            SimSlider {
                id: aIn0_

                objectName: "simAIn0"
                from: 0
                to: 100
                stepSize: 1
                value: Simulator.simAIn0
                onMoved: Simulator.toPy(Simulator.SimAIn0, value)
            }
            Label {
                objectName: "simAIn1Label"
                text: `A-In 1 (${aIn1_.value} %)`
                color: Common.fg1
                Layout.leftMargin: 8
            }
            SimSlider {
                id: aIn1_

                objectName: "simAIn1"
                from: 0
                to: 100
                stepSize: 1
                value: Simulator.simAIn1
                onMoved: Simulator.toPy(Simulator.SimAIn1, value)
            }
        }

        SimLatchBox {
            objectName: "simPThreshold"
            text: "Druckschalter"
            code: Sensor.PThreshold
            inputState: Sensor.pThreshold.state
        }

        SimLatchBox {
            objectName: "simLs1"
            text: "Störung LS1 Heizungen"
            code: Sensor.Ls1
            inputState: Sensor.ls1.state
            tickedWhenFalse: true
        }

        SimLatchBox {
            objectName: "simLs2"
            text: "Störung LS2 Rest"
            code: Sensor.Ls2
            inputState: Sensor.ls2.state
            tickedWhenFalse: true
        }

        ColumnLayout {
            spacing: 0
            Layout.fillWidth: true
            Layout.margins: Common.spacing

            SimPushButton {
                objectName: "simStart"
                text: "Taster grün"
                code: Sensor.Start
                Material.background: Common.colorStartButton
                Material.foreground: Common.textOn(Material.background)
            }

            SimPushButton {
                objectName: "simStop"
                text: "Taster rot"
                code: Sensor.Stop
                Material.background: Common.colorStopButton
                Material.foreground: Common.textOn(Material.background)
            }

            SimPushButton {
                objectName: "simFlow"
                text: "Flowmeter"
                code: Sensor.Flow
            }
        }
    }
}
