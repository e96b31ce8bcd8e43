import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../singletons"

// Check box whose text wraps instead of being cut off.
CheckBox {
    id: root

    contentItem: Label {
        leftPadding: root.indicator && !root.mirrored ? root.indicator.width + root.spacing : 0
        rightPadding: root.indicator && root.mirrored ? root.indicator.width + root.spacing : 0
        text: root.text
        font: root.font
        color: root.enabled ? Common.fg1 : Common.fg2
        wrapMode: Text.Wrap
        verticalAlignment: Text.AlignVCenter
    }
}
