import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// Check box whose text is shown as it stands (it may come from the controller).
CheckBox {
    id: root

    contentItem: Label {
        leftPadding: root.indicator && !root.mirrored ? root.indicator.width + root.spacing : 0
        rightPadding: root.indicator && root.mirrored ? root.indicator.width + root.spacing : 0
        text: root.text
        textFormat: Text.PlainText
        font: root.font
        color: root.enabled ? root.Material.foreground : root.Material.hintTextColor
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }
}
