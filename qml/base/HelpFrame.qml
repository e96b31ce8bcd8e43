import QtQuick 2.15
import "../singletons"

// Carries a help title and text for help mode and marks its area while help
// mode is on. The mark lies over the children so opaque panels stay marked;
// it takes no input.
Item {
    id: root

    property string helpTitle
    property string helpText
    default property alias content: content_.data

    implicitWidth: content_.childrenRect.width
    implicitHeight: content_.childrenRect.height

    Item {
        id: content_
        anchors.fill: parent
    }

    Rectangle {
        objectName: "helpMark"
        anchors.fill: parent
        visible: Help.requested
        color: Help.frameBackground
        border.width: Help.frameWidth
        border.color: Help.frameColor
    }
}
