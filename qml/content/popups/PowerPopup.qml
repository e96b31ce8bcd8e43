import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"

MyPopup {
    id: root

    objectName: "powerPopup"

    contentItem: ColumnLayout {
        Button {
            objectName: "poweroffButton"
            Layout.fillWidth: true
            text: "Herunterfahren"
            onClicked: { root.close(); Dialogs.poweroffQuestion() }
        }
        Button {
            objectName: "rebootButton"
            Layout.fillWidth: true
            text: "Neu starten"
            onClicked: { root.close(); Dialogs.rebootQuestion() }
        }
    }
}
