import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import "../../singletons"

// Entry of a selection box's list, drawn as plain text; `marked` entries
// (the running step) stand out in green.
ItemDelegate {
    id: root

    property bool marked: false

    width: ListView.view ? ListView.view.width : implicitWidth
    highlighted: ListView.isCurrentItem

    contentItem: Label {
        text: root.text
        textFormat: Text.PlainText
        font.bold: root.marked
        color: root.marked ? Common.textOn(Common.colorOk) : Common.fg1
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        color: root.marked ? Common.colorOk
                           : root.highlighted ? Common.colorHovered : "transparent"
    }
}
