import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import "../singletons"

// A tab of a tab bar. The selected tab's label is drawn in the accent's hue,
// but dark enough to read on the page in the light theme too, where the
// style's accent itself is too light. The label is plain text, in capitals
// like the style's own tabs.
TabButton {
    id: root

    font.capitalization: Font.AllUppercase

    contentItem: Label {
        text: root.text
        font: root.font
        textFormat: Text.PlainText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: !root.enabled ? root.Material.hintTextColor
                             : root.down || root.checked ? Common.colorAccentText : root.Material.foreground
    }
}
