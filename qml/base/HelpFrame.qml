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

    // From the children's implicit sizes only: children that fill the frame
    // would otherwise size it by itself.
    implicitWidth: {
        let w = 0
        for (let i = 0; i < content_.children.length; ++i)
            w = Math.max(w, content_.children[i].implicitWidth)
        return w
    }
    implicitHeight: {
        let h = 0
        for (let i = 0; i < content_.children.length; ++i)
            h = Math.max(h, content_.children[i].implicitHeight)
        return h
    }

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
