import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../singletons"
import "../../base"

// One row of the side menu: the icon button and, while open, its label.
Item {
    id: root

    property alias iconSource: icon_.source
    property string text
    property string secondLine
    property bool active: false
    property bool tinted: false
    property color tintColor: Common.colorRunningTint
    property bool opened: false
    property real iconWidth: 44
    property color blinkColor: "transparent"

    // `onLabel`: the click fell on the label rather than on the icon; only
    // the expand entry tells them apart.
    signal clicked(bool onLabel)

    readonly property color base_: area_.containsMouse ? Common.colorHovered : (active ? Common.colorActive : "transparent")

    width: opened ? iconWidth + 250 : iconWidth
    height: 44

    Rectangle {
        anchors.fill: parent
        color: root.blinkColor.a > 0 ? root.blinkColor
                                     : (root.tinted ? Qt.tint(root.base_.a > 0 ? root.base_ : Common.bg2, root.tintColor) : root.base_)
    }
    MyIcon {
        id: icon_
        x: (root.iconWidth - width) / 2
        anchors.verticalCenter: parent.verticalCenter
        width: 26
        height: 26
    }
    Column {
        x: root.iconWidth + 6
        anchors.verticalCenter: parent.verticalCenter
        visible: root.opened
        Label {
            text: root.text
            textFormat: Text.PlainText
            font.pixelSize: Common.pxMenuText
        }
        Label {
            text: root.secondLine
            textFormat: Text.PlainText
            visible: text !== ""
            font.pixelSize: Common.pxMenuSecondLine
            color: Common.fg2
        }
    }
    MouseArea {
        id: area_
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.clicked(mouse.x >= root.iconWidth)
    }
}
