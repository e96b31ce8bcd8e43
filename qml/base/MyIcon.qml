import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../singletons"

// Icon recoloured to the theme's foreground or to `color`.
Item {
    id: root

    property alias source: image_.source
    property color color: Common.fg1

    implicitWidth: 30
    implicitHeight: 30

    Image {
        id: image_

        objectName: "image"
        anchors.fill: parent
        sourceSize: Qt.size(width, height)
        fillMode: Image.PreserveAspectFit
        visible: false
    }

    ColorOverlay {
        anchors.fill: image_
        source: image_
        color: root.color
    }
}
