import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"

// Filling popup the controller asks for; the answer goes back as DialogData
// under the controller's id.
MyPopup {
    id: root

    objectName: "fuellenPopup"
    closePolicy: Popup.NoAutoClose
    padding: 0

    contentItem: ColumnLayout {
        spacing: 0
        PopupHeader {
            text: "Befüllen"
        }
        Label {
            Layout.fillWidth: true
            Layout.margins: 10
            text: "Soll der Brauprozess mit dem Befüllen beginnen?"
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            Layout.margins: 5
            Button {
                objectName: "fuellenCancel"
                text: "Abbrechen"
                onClicked: root.reject()
            }
            Button {
                objectName: "fuellenOk"
                text: "OK"
                highlighted: true
                onClicked: root.accept()
            }
        }
    }
}
