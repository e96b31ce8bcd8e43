import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"
import "../../base"

// Asks before a line's automatic sequence starts, with the page's own step
// list; the page decides what an accept sends.
MyPopup {
    id: root

    property string title: "Automatik vorbereiten"
    property alias model: steps_.model
    // The entry shown in the list.
    property int selected: 0
    // How the list draws its entries (the page's own step entries).
    property Component delegate: null

    // The operator chose another step in the popup's list.
    signal stepChosen(int index)

    closePolicy: Popup.NoAutoClose
    padding: 0

    contentItem: ColumnLayout {
        spacing: 0
        PopupHeader {
            label.objectName: "prepareTitle"
            text: root.title
        }
        MySelectionList {
            id: steps_

            objectName: "prepareSteps"
            text: "Starte mit Schritt"
            wrap: true
            Layout.fillWidth: true
            Layout.margins: 10
            comboBox.delegate: root.delegate
            currentIndex: root.selected

            onActivated: root.stepChosen(index)

            // A new model resets the box's index behind the binding.
            Connections {
                target: steps_.comboBox
                function onModelChanged() {
                    steps_.currentIndex = Qt.binding(function() { return root.selected })
                }
            }
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            Layout.margins: 5
            Button {
                objectName: "prepareCancel"
                text: "Abbrechen"
                onClicked: root.reject()
            }
            AccentButton {
                objectName: "prepareStart"
                text: "Brauprozess starten"
                onClicked: root.accept()
            }
        }
    }
}
