import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.action 1.0
import tavell.actuator 1.0
import tavell.auto 1.0
import tavell.gui 1.0
import tavell.sensor 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// Manual-operation tab ("Handbetrieb"): every output as a button, the
// temperatures, inputs, heating automations and water figures in panels that
// wrap onto further rows where the page is too narrow for all of them (none
// lies beyond the right edge), and the drives with their frequencies.
MyGradientFlickContainer {
    id: root

    readonly property bool special: Common.isSpecial
    // Output rows by property name of Actuator.
    readonly property var rows24V: special
        ? [["svSkOut", "svSkCip", "svSkIn", "svFkCip", "svWuerze", "svKanal", "ledGn"],
           ["ledRd", "ledView", "heatZone1", "heatZone2", "heatZone3", "heatZone4", "spare1"],
           ["svKkCooler", "svKkKanal", "svKkCip", "heatZoneB1", "heatZoneB2", "heatZoneB3", "heatZoneB4"]]
        : [["svSkOut", "svSkCip", "svSkIn", "svFkCip", "svWuerze", "svKanal", "ledGn"],
           ["ledRd", "ledView", "heatZone1", "heatZone2", "heatZone3", "heatZone4", "spare1", "spare2"]]
    readonly property var rows230V: special
        ? [["mvWaterHot", "mvWaterCold", "mvRecycle", "mvKanal", "mvSkCip"],
           ["mvHauptguss", "mvNachguss", "mvKondensator", "mvKkCip"],
           ["spare2", "spare3", "spare4"]]
        : [["mvWaterHot", "mvWaterCold", "mvRecycle", "mvKanal", "mvSkCip"],
           ["mvHauptguss", "mvNachguss", "mvKondensator", "spare3"]]
    // The unassigned sensors the controller reported, also before the tab
    // was built; empty while it has reported none and no change was seen.
    readonly property string unknownSensorsText: {
        const sensors = Values.unknownW1SensorsValues
        return Object.keys(sensors).length > 0 || sensorsChanged_ ? unknownSensorsLines(sensors) : ""
    }
    property bool sensorsChanged_: false

    readonly property int setpointA: special ? 78 : 99
    readonly property int setpointB: 99

    function unknownSensorsLines(map) {
        const keys = Object.keys(map)
        if (keys.length === 0)
            return "Keine nicht zugeordneten Sensoren vorhanden"
        return keys.map(function(k) { return k + ": " + map[k] }).join("\n")
    }

    function switchHeatingA() {
        Values.toPy(Values.HeatingSetpoint, setpointA)
        Action_.toPy(Action_.HeatingA)
    }

    function switchHeatingB() {
        Values.toPy(Values.HeatingBSetpoint, setpointB)
        Action_.toPy(Action_.HeatingB)
    }

    objectName: "tabManualOperation"

    Connections {
        target: Values
        function onUnknownW1SensorsValuesChanged() { root.sensorsChanged_ = true }
    }

    component Heading: Label {
        color: Common.fg1
        font.pointSize: Common.hSize1
        font.bold: true
        Layout.topMargin: Common.spacing
    }

    component OutputRows: ColumnLayout {
        property var rows: []

        spacing: 0
        enabled: Gui.controlsEnabled
        Layout.fillWidth: true

        Repeater {
            model: parent.rows

            RowLayout {
                readonly property var names: modelData

                objectName: "outputRow"
                spacing: Common.spacing
                Layout.fillWidth: true

                Repeater {
                    model: parent.names

                    ManualOutputButton {
                        objectName: "out_" + modelData
                        output: Actuator[modelData]
                    }
                }
            }
        }
    }

    // One line of a panel: texts and check boxes share one pitch.
    component Value: Label {
        color: Common.fg1
        textFormat: Text.PlainText
        verticalAlignment: Text.AlignVCenter
        Layout.preferredHeight: Common.rowHeight
    }

    component ZoneBox: RowLayout {
        property string name
        property bool ticked
        property bool on
        property int code

        spacing: Common.spacing

        StateCheckBox {
            objectName: "zoneBox_" + parent.name.replace(" ", "")
            text: parent.name
            held: parent.ticked
            verticalPadding: (Common.rowHeight - implicitIndicatorHeight) / 2
            onRequested: Values.toPy(parent.code, wanted)
        }

        InputRect { active: parent.on }
    }

    component Panel: MyRectColLayout {
        spacing: 0
    }

    MyWarning {
        objectName: "manualWarning"
        title: "Achtung!"
        text: "Handbetrieb nur nach Einweisung nutzen!"
        textAlignment: Text.AlignHCenter
        Layout.fillWidth: true
    }

    Heading { text: "24 VDC Ausgänge" }
    OutputRows { objectName: "rows24V"; rows: root.rows24V }

    Heading { text: "230 VAC Ausgänge" }
    OutputRows { objectName: "rows230V"; rows: root.rows230V }

    Flow {
        id: strip_

        objectName: "strip"
        spacing: Common.spacing
        Layout.fillWidth: true
        Layout.topMargin: Common.spacing

        Panel {
            objectName: "tempsA"

            Value { visible: Values.heatZoneCount > 3; text: "Temperatur Zone 4: " + ValuesExt.getTempStr(Values.tempZone4) }
            Value { text: "Temperatur Zone 3: " + ValuesExt.getTempStr(Values.tempZone3) }
            Value { text: "Temperatur Zone 2: " + ValuesExt.getTempStr(Values.tempZone2) }
            Value { text: "Temperatur Zone 1: " + ValuesExt.getTempStr(Values.tempZone1) }
            Value { text: "Temperatur Kessel: " + ValuesExt.getTempStr(Values.tempKessel) }
            Value {
                objectName: "cpuTemp"
                text: "CPU-Temperatur: " + (typeof Values.cpuTemp === "number" ? Values.cpuTemp + " °C"
                                                                              : "Kann CPU-Temperatur nicht lesen")
            }
            Value {
                objectName: "kesselDruck"
                visible: Sensor.hasKesselDruck
                text: "Druck Kessel: " + Sensor.kesselDruck.toFixed(2) + " bar"
            }
            Value { text: "Nicht zugeordnete Sensoren:" }
            Value {
                objectName: "unknownSensors"
                text: root.unknownSensorsText
                // As many lines as there are sensors.
                Layout.preferredHeight: -1
            }
        }

        Panel {
            objectName: "tempsB"
            visible: Values.heatZoneCountB > 0

            Value { visible: Values.heatZoneCountB > 3; text: "Temperatur Zone B4: " + ValuesExt.getTempStr(Values.tempZoneB4) }
            Value { text: "Temperatur Zone B3: " + ValuesExt.getTempStr(Values.tempZoneB3) }
            Value { text: "Temperatur Zone B2: " + ValuesExt.getTempStr(Values.tempZoneB2) }
            Value { text: "Temperatur Zone B1: " + ValuesExt.getTempStr(Values.tempZoneB1) }
            Value { text: "Temperatur Kessel B: " + ValuesExt.getTempStr(Values.tempKesselB) }
        }

        Panel {
            objectName: "inputs"

            Value { text: "Eingänge:"; font.bold: true }

            GridLayout {
                columns: 2
                columnSpacing: Common.spacing
                rowSpacing: 0

                Repeater {
                    model: [["Eingang 1 (Taster grün): ", Sensor.start], ["Eingang 2 (Taster rot): ", Sensor.stop],
                            ["Eingang 3 (Flowmeter): ", Sensor.flow], ["Eingang 4 (Druckschalter): ", Sensor.pThreshold],
                            ["Eingang 5 (LS1 - Heizungen): ", Sensor.ls1], ["Eingang 6 (LS2 - Rest): ", Sensor.ls2]]

                    delegate: Value {
                        text: modelData[0]
                        Layout.row: index
                        Layout.column: 0
                    }
                }

                Repeater {
                    model: [Sensor.start, Sensor.stop, Sensor.flow, Sensor.pThreshold, Sensor.ls1, Sensor.ls2]

                    delegate: InputRect {
                        objectName: "input" + (index + 1)
                        active: modelData.state
                        Layout.row: index
                        Layout.column: 1
                    }
                }
            }
        }

        Panel {
            objectName: "heatingA"

            Value { text: "Heizungsautomatik" + (root.special ? " 1" : "") + ":"; font.bold: true }

            StateCheckBox {
                objectName: "heatingABox"
                text: "Automatik " + root.setpointA + " °C"
                verticalPadding: (Common.rowHeight - implicitIndicatorHeight) / 2
                enabled: !AutoExt.active
                held: Values.heatingActive
                onRequested: root.switchHeatingA()
            }

            ZoneBox {
                visible: Values.heatZoneCount > 3
                name: "Zone 4"; ticked: Values.heatZone4Enabled; code: Values.HeatZone4Enabled; on: Actuator.heatZone4.state
            }
            ZoneBox { name: "Zone 3"; ticked: Values.heatZone3Enabled; code: Values.HeatZone3Enabled; on: Actuator.heatZone3.state }
            ZoneBox { name: "Zone 2"; ticked: Values.heatZone2Enabled; code: Values.HeatZone2Enabled; on: Actuator.heatZone2.state }
            ZoneBox { name: "Zone 1"; ticked: Values.heatZone1Enabled; code: Values.HeatZone1Enabled; on: Actuator.heatZone1.state }
        }

        Panel {
            objectName: "heatingB"
            visible: root.special

            Value { text: "Heizungsautomatik 2:"; font.bold: true }

            StateCheckBox {
                objectName: "heatingBBox"
                text: "Automatik " + root.setpointB + " °C"
                verticalPadding: (Common.rowHeight - implicitIndicatorHeight) / 2
                enabled: !AutoExt.active
                held: Values.heatingBActive
                onRequested: root.switchHeatingB()
            }

            ZoneBox {
                visible: Values.heatZoneCountB > 3
                name: "Zone B4"; ticked: Values.heatZoneB4Enabled; code: Values.HeatZoneB4Enabled; on: Actuator.heatZoneB4.state
            }
            ZoneBox { name: "Zone B3"; ticked: Values.heatZoneB3Enabled; code: Values.HeatZoneB3Enabled; on: Actuator.heatZoneB3.state }
            ZoneBox { name: "Zone B2"; ticked: Values.heatZoneB2Enabled; code: Values.HeatZoneB2Enabled; on: Actuator.heatZoneB2.state }
            ZoneBox { name: "Zone B1"; ticked: Values.heatZoneB1Enabled; code: Values.HeatZoneB1Enabled; on: Actuator.heatZoneB1.state }
        }

        Panel {
            objectName: "water"

            Value { text: "Wasser"; font.bold: true }

            GridLayout {
                columns: 2
                columnSpacing: Common.spacing
                rowSpacing: 0

                Value { text: "Wasser heiß: " }
                InputRect { objectName: "waterHot"; active: Actuator.mvWaterHot.state }
                Value { text: "Wasser kalt: " }
                InputRect { objectName: "waterCold"; active: Actuator.mvWaterCold.state }
                Value { text: "Global (l):" }
                Value { objectName: "filled"; text: Values.filled.toFixed(2) }
                Value { text: "Hauptguss (l):" }
                Value { text: Values.filledHg.toFixed(2) }
                Value { text: "Nachguss (l):" }
                Value { text: Values.filledNg.toFixed(2) }
                Value { text: "Füllrate (l/Min):" }
                Value { text: String(Values.fillrate) }
                Value { text: "Ticks:" }
                Value { text: String(Values.ticks) }
            }
        }
    }

    ColumnLayout {
        objectName: "drives"
        spacing: Common.spacing
        Layout.fillWidth: true
        Layout.topMargin: Common.spacing

        ManualDriveLine {
            objectName: "driveRw1"
            label: "Rührwerk" + (root.special ? " 1" : "")
            drive: Actuator.fuRw1
            ok: Values.fuRw1Ok
            freq: Values.fuFreqSpRw1
            freqFrom: Values.fuFreqSpRw1Min
            freqTo: Values.fuFreqSpRw1Max
            onFreqModified: Values.toPy(Values.FuFreqSpRw1, value)
            onInit: Action_.toPy(Action_.InitFuRw1)
        }

        ManualDriveLine {
            objectName: "drivePump1"
            label: "Pumpe" + (root.special ? " 1" : "")
            pump: true
            drive: Actuator.fuPump1
            ok: Values.fuPump1Ok
            freq: Values.fuFreqSpPump1
            freqFrom: Values.fuFreqSpPump1Min
            freqTo: Values.fuFreqSpPump1Max
            onFreqModified: Values.toPy(Values.FuFreqSpPump1, value)
            onInit: Action_.toPy(Action_.InitFuPump1)
        }

        ManualDriveLine {
            objectName: "driveRw2"
            visible: root.special
            label: "Rührwerk 2"
            drive: Actuator.fuRw2
            ok: Values.fuRw2Ok
            freq: Values.fuFreqSpRw2
            freqFrom: Values.fuFreqSpRw2Min
            freqTo: Values.fuFreqSpRw2Max
            onFreqModified: Values.toPy(Values.FuFreqSpRw2, value)
            onInit: Action_.toPy(Action_.InitFuRw2)
        }

        ManualDriveLine {
            objectName: "drivePump2"
            visible: root.special
            label: "Pumpe 2"
            pump: true
            drive: Actuator.fuPump2
            ok: Values.fuPump2Ok
            freq: Values.fuFreqSpPump2
            freqFrom: Values.fuFreqSpPump2Min
            freqTo: Values.fuFreqSpPump2Max
            onFreqModified: Values.toPy(Values.FuFreqSpPump2, value)
            onInit: Action_.toPy(Action_.InitFuPump2)
        }
    }
}
