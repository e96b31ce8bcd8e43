import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// A button whose text is shown as it is, never read as markup: for texts the
// controller chooses (the answers of its questions).
Button {
    id: root

    contentItem: Label {
        text: root.text
        font: root.font
        textFormat: Text.PlainText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: !root.enabled ? root.Material.hintTextColor
                             : root.flat && root.highlighted ? root.Material.accentColor
                                                             : root.highlighted ? root.Material.primaryHighlightedTextColor
                                                                                : root.Material.foreground
    }
}
