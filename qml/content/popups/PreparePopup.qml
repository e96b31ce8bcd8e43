import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"

// Asks before a line's automatic sequence starts; the page decides what an
// accept sends.
MyPopup {
    id: root

    property string title: "Automatik vorbereiten"
    property string stepText

    closePolicy: Popup.NoAutoClose
    padding: 0

    contentItem: ColumnLayout {
        spacing: 0
        PopupHeader {
            label.objectName: "prepareTitle"
            text: root.title
        }
        Label {
            objectName: "prepareText"
            Layout.fillWidth: true
            Layout.margins: 10
            text: "Starte mit Schritt " + root.stepText
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            Layout.margins: 5
            Button {
                objectName: "prepareCancel"
                text: "Abbrechen"
                onClicked: root.reject()
            }
            Button {
                objectName: "prepareStart"
                text: "Brauprozess starten"
                highlighted: true
                onClicked: root.accept()
            }
        }
    }
}
