import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.gui 1.0
import tavell.values 1.0
import "../../singletons"
import "../../base"

// Machine tab ("Maschine"): the 1-Wire sensors of the kettles and the flow
// meter's calibration. Neither may change while an automatic line runs.
MyGradientFlickContainer {
    id: root

    readonly property bool machineEnabled: Gui.controlsEnabled && !AutoExt.active

    // One line per sensor the controller found but could not assign.
    function unknownSensorsText(sensors) {
        const lines = []
        for (const key in sensors)
            lines.push(key + ": " + sensors[key])
        return lines.length > 0 ? "Nicht zugeordnete Sensoren:\n" + lines.join("\n") : ""
    }

    objectName: "tabMachine"

    Label {
        objectName: "unknownSensors"
        visible: text !== ""
        text: root.unknownSensorsText(Values.unknownW1SensorsValues)
        textFormat: Text.PlainText
        color: Common.fgOnWarning
        wrapMode: Text.Wrap
        padding: Common.spacing
        background: Rectangle {
            color: Common.colorWarningAlpha
            radius: Common.spacing
        }
        Layout.fillWidth: true
    }

    KettleSensorList {
        objectName: "sensorKessel"
        text: "Temperatursensor " + (Common.isSpecial ? Common.nameKessel1 : "Sudkessel")
        enabled: root.machineEnabled
        sensorKeys: Values.tempKesselModel
        preselect: "kessel"
        held: Values.tempKesselSensorKey
        code: Values.TempKesselSensorKey
    }

    KettleSensorList {
        objectName: "sensorKesselB"
        visible: Common.isSpecial
        text: "Temperatursensor " + Common.nameKessel2
        enabled: root.machineEnabled
        sensorKeys: Values.tempKesselBModel
        preselect: "kesselB"
        held: Values.tempKesselBSensorKey
        code: Values.TempKesselBSensorKey
    }

    // The box counts in tenths of a tick per litre.
    HelpFrame {
        objectName: "rowTicks"
        helpTitle: Help.settingsTicksPerLiterTitle
        helpText: Help.settingsTicksPerLiterText
        Layout.fillWidth: true

        MyRectColLayout {
            anchors.fill: parent
            spacing: 0
            padding: 0

            MySpinBox {
                id: ticks_

                function escape_(text) {
                    return text.replace(/[\]\\^\-]/g, "\\$&")
                }

                objectName: "spinTicksPerLiter"
                text: "Ticks / Liter"
                enabled: root.machineEnabled
                editable: true
                value: Math.round(Values.ticksPerLiter * 10)
                from: Math.round(Values.ticksPerLiterMin * 10)
                to: Math.round(Values.ticksPerLiterMax * 10)
                stepSize: resolution_.currentIndex === 1 ? 1 : 10
                textFromValue: function(value, locale) {
                    return Number(value / 10).toLocaleString(locale, "f", 2)
                }
                valueFromText: function(text, locale) {
                    let number
                    try {
                        number = Number.fromLocaleString(locale, text.trim())
                    } catch (e) {
                        return ticks_.spinBox.value
                    }
                    return Math.round(Number((number * 10).toPrecision(12)))
                }
                validator: RegularExpressionValidator {
                    regularExpression: new RegExp("^\\s*[0-9" + ticks_.escape_(ticks_.spinBox.locale.groupSeparator)
                                                  + "]*([" + ticks_.escape_(ticks_.spinBox.locale.decimalPoint)
                                                  + "][0-9]{0,2})?\\s*$")
                }
                Layout.fillWidth: true

                onModified: Values.toPy(Values.TicksPerLiter, val / 10)
            }

            MySelectionList {
                id: resolution_

                objectName: "comboTicksResolution"
                text: "Ticks Auflösung"
                enabled: root.machineEnabled
                model: ["1", "0.1"]
                Layout.fillWidth: true
            }
        }
    }
}
