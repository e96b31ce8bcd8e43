import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.values 1.0
import "../../singletons"
import "../../base"

// Filling popup the controller asks for before the main infusion: how the
// main-infusion counter starts and whether the global counter is reset. The
// answer goes back as DialogData under the controller's id.
MyPopup {
    id: root

    // What accepting reports: [counter, reset global counter] with counter
    // true (reset to 0), false (go on from the global count) or the litres.
    readonly property var value: {
        if (manual_.checked)
            return [number_.value, globalReset_.checked]
        if (resetCounter_.checked)
            return [true, globalReset_.checked]
        return [false, false]
    }

    // Enter and Return leave the number box first; from elsewhere they accept.
    function customAccept() {
        if (number_.activeFocus) {
            content_.forceActiveFocus()
            return
        }
        acceptValue()
    }

    function acceptValue() {
        if (number_.activeFocus)
            content_.forceActiveFocus()
        accept(value)
    }

    objectName: "fuellenPopup"
    closePolicy: Popup.NoAutoClose
    padding: 0

    onAboutToShow: {
        globalReset_.remembered_ = !Common.isSpecial
        globalReset_.checked = globalReset_.remembered_
        resetCounter_.checked = true
    }

    contentItem: ColumnLayout {
        id: content_

        spacing: 0

        PopupHeader {
            text: "Befüllen"
        }

        CheckBox {
            id: globalReset_

            // The box shows unchecked while the global count is used and
            // gets its state back afterwards.
            property bool remembered_: true

            objectName: "fuellenGlobalReset"
            text: "globalen Zähler auf 0 setzen"
            enabled: !global_.checked
            Layout.leftMargin: 10
            Layout.topMargin: 5

            onEnabledChanged: {
                if (enabled) {
                    checked = remembered_
                } else {
                    remembered_ = checked
                    checked = false
                }
            }
        }

        ButtonGroup { id: choices_ }

        RadioButton {
            id: resetCounter_

            objectName: "fuellenResetCounter"
            text: "Hauptguss-Zähler auf 0 setzen"
            checked: true
            ButtonGroup.group: choices_
            Layout.leftMargin: 10
        }
        RadioButton {
            id: global_

            objectName: "fuellenGlobalCounter"
            text: `Mit globalem Zählerstand starten (${Values.filled.toFixed(1)} Liter)`
            ButtonGroup.group: choices_
            Layout.leftMargin: 10
        }
        RadioButton {
            id: manual_

            objectName: "fuellenManual"
            text: "Hauptguss-Zählerstand manuell festlegen"
            ButtonGroup.group: choices_
            Layout.leftMargin: 10

            onClicked: number_.contentItem.forceActiveFocus()
        }

        ThemedSpinBox {
            id: number_

            // Holding an arrow for the common delay makes it step by 10.
            readonly property bool arrowHeld: up.pressed || down.pressed

            objectName: "fuellenNumber"
            from: 0
            to: Values.hauptgussMax
            editable: true
            enabled: manual_.checked
            stepSize: 1
            Layout.leftMargin: 40
            Layout.bottomMargin: 5

            onArrowHeldChanged: {
                if (arrowHeld) {
                    speedUp_.restart()
                } else {
                    speedUp_.stop()
                    stepSize = 1
                }
            }

            Timer {
                id: speedUp_

                interval: Common.delayButtonDelay
                onTriggered: number_.stepSize = 10
            }
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight
            Layout.margins: 5
            Button {
                objectName: "fuellenCancel"
                text: "Abbrechen"
                onClicked: root.reject()
            }
            AccentButton {
                objectName: "fuellenOk"
                text: "Brauprozess starten"
                onClicked: root.acceptValue()
            }
        }
    }
}
