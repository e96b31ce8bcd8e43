import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// Wort-gravity reading of the heat-to-boil or the boiling step, in tenths of a
// degree Plato. Only the operator's changes are sent; the controller's value
// comes back through Auto_.
Rectangle {
    id: root

    // The gravity of the boiling step, else the one of the heat-to-boil step.
    property bool cooking: false
    property string wuerze: ""
    // When the missing reading is to be pointed out.
    property bool warn: false
    property alias checkBoxVisible: checkBox_.visible
    property bool checkBoxChecked: false
    readonly property bool recorded: (cooking ? Auto_.stammwurzeCookingTime : Auto_.stammwurzeHeatingTime) !== 0
    readonly property bool warning: enabled && !recorded && warn

    signal checkBoxClicked()

    readonly property var steps_: [0.1, 0.5, 1, 5, 10]
    // Texts on the box: dark on the warning colour.
    readonly property color fg_: warning ? Common.fgOnWarning : Common.fg1

    implicitWidth: column_.implicitWidth + 2 * Common.spacing
    implicitHeight: column_.implicitHeight + 2 * Common.spacing
    color: warning ? Common.colorWarning : Common.bg1
    radius: Common.spacing
    Material.foreground: warning ? Common.fgOnWarning : undefined

    ColumnLayout {
        id: column_

        anchors.fill: parent
        anchors.margins: Common.spacing
        spacing: Common.spacing

        Label {
            objectName: "gravityTitle"
            text: "Stammwürzemessung " + root.wuerze
            color: root.fg_
            font.bold: true
            font.pointSize: Common.fSize2
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        GridLayout {
            columns: 2
            columnSpacing: Common.spacing
            rowSpacing: 0
            Layout.fillWidth: true

            Label {
                text: "Stammwürze"
                color: root.fg_
                Layout.fillWidth: true
            }

            Label {
                text: "Schrittweite"
                color: root.fg_
                Layout.fillWidth: true
            }

            MyFloatingPointSpinBox {
                id: sbStammwuerze

                objectName: "gravitySpinBox"
                precision: 1
                suffix: " °p"
                from: Values.stammwuerzeMin
                to: Values.stammwuerzeMax
                held: root.cooking ? Auto_.stammwurzeCooking : Auto_.stammwurzeHeating
                keepsInput: false
                stepSize: Math.round(root.steps_[stepBox_.currentIndex] * 10)
                editable: true
                Layout.fillWidth: true

                onModified: Auto_.toPy(root.cooking ? Auto_.SetStammwurzeCooking : Auto_.SetStammwurzeHeating, val)
            }

            ThemedComboBox {
                id: stepBox_

                objectName: "gravityStep"
                model: root.steps_.map(function(s) { return s.toLocaleString(Qt.locale(), "f", s < 1 ? 1 : 0) })
                currentIndex: 0
                Layout.fillWidth: true
            }
        }

        Label {
            objectName: "gravityText"
            text: !root.enabled ? "Die Stammwürze kann aktuell nicht eingestellt werden"
                : root.recorded ? `Die Stammwürze der ${root.wuerze} wird mit dem Wert ${sbStammwuerze.displayText} gespeichert`
                : "Diese Erinnerung zum Messen der Stammwürze verschwindet, sobald diese im linken Feld <i>Stammwürze</i> eingegeben wird"
            textFormat: Text.StyledText
            color: root.fg_
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        // Shows the recipe's flag; the controller decides on a press.
        StateCheckBox {
            id: checkBox_

            objectName: "gravityWarnCheck"
            text: "Warnung anzeigen, wenn nicht rechtzeitig durchgeführt"
            held: root.checkBoxChecked
            textColor: root.fg_
            visible: false
            Layout.fillWidth: true

            onRequested: root.checkBoxClicked()
        }
    }
}
