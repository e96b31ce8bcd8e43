import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// A tooltip whose text is shown as it is, never read as markup: the scheme's
// tooltips name the controller's outputs and drives. (The attached ToolTip
// decides by itself whether its text is rich.)
ToolTip {
    id: root

    contentItem: Text {
        objectName: "toolTipText"
        text: root.text
        font: root.font
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: root.Material.foreground
    }
}
