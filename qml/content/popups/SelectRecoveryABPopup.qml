import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import "../../base"
import "../../singletons"

// Lets the operator choose which of the two saved runs to resume.
MyPopup {
    id: root

    readonly property bool anySelected: boxA_.checked || boxB_.checked

    // Enter and Escape go through the base's shortcuts.
    function customAccept() {
        if (anySelected)
            accept({ a: boxA_.checked, b: boxB_.checked })
    }

    objectName: "recoveryPopup"
    closePolicy: Popup.NoAutoClose
    padding: 0

    onClosed: {
        boxA_.checked = false
        boxB_.checked = false
    }

    contentItem: ColumnLayout {
        spacing: 0
        PopupHeader {
            text: "Recovery"
        }
        Label {
            Layout.fillWidth: true
            Layout.margins: 10
            text: "Bitte auswählen, welche der beiden Prozessschritte aus der Recovery "
                  + "fortgesetzt werden sollen (Mehrfachauswahl möglich):"
            wrapMode: Text.Wrap
        }
        PlainCheckBox {
            id: boxA_
            objectName: "recoveryBoxA"
            Layout.leftMargin: 10
            text: "Schritt " + (Auto_.recoveryDataA.step + 1) + " - " + Auto_.recoveryDataA.stepStr
        }
        PlainCheckBox {
            id: boxB_
            objectName: "recoveryBoxB"
            Layout.leftMargin: 10
            text: "Schritt " + (Auto_.recoveryDataB.step + 1) + " - " + Auto_.recoveryDataB.stepStr
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            Layout.margins: 5
            Button {
                objectName: "recoveryCancel"
                text: "abbrechen"
                onClicked: root.reject()
            }
            AccentButton {
                objectName: "recoveryAccept"
                text: "wiederherstellen"
                enabled: root.anySelected
                onClicked: root.customAccept()
            }
        }
    }
}
