import QtQuick 2.15
import QtQuick.Controls 2.15
import "../singletons"

// Check box whose text is shown as it stands (it may come from the
// controller); cut off at the end, or wrapped with `wrap`.
CheckBox {
    id: root

    property bool wrap: false
    // The text's colour while enabled (another one on a coloured panel).
    property color textColor: Common.fg1

    contentItem: Label {
        leftPadding: root.indicator && !root.mirrored ? root.indicator.width + root.spacing : 0
        rightPadding: root.indicator && root.mirrored ? root.indicator.width + root.spacing : 0
        text: root.text
        textFormat: Text.PlainText
        font: root.font
        color: root.enabled ? root.textColor : Common.fg2
        wrapMode: root.wrap ? Text.Wrap : Text.NoWrap
        elide: root.wrap ? Text.ElideNone : Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }
}
