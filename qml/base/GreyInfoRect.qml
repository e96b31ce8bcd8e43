import QtQuick 2.15
import QtQuick.Controls 2.15
import "../singletons"

// White wrapped text on a grey panel.
Rectangle {
    id: root

    property alias text: label_.text

    implicitWidth: label_.implicitWidth + 2 * Common.spacing
    implicitHeight: label_.implicitHeight + 2 * Common.spacing
    color: Common.colorInfoPanel
    radius: 5

    Label {
        id: label_

        objectName: "label"
        anchors.fill: parent
        anchors.margins: Common.spacing
        color: Common.fgOnColor
        wrapMode: Text.Wrap
    }
}
