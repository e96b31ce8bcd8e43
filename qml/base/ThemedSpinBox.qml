import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.15
import "../singletons"

// The spin box of every screen: a value or an arrow that cannot act now is
// dimmed to Common.fgDisabled, not to the style's faint grey, so it stays
// readable in both themes.
//
// The arrows and the text are built with the box (an item with an id is):
// the style builds them only once something asks for them, and the style's
// own size and padding ask while the box is still being built; Qt keeps such
// half-built items in a table keyed by a sum of two hashes, where two boxes
// can meet, and one of them is then never finished (LeakSanitizer, now and
// then, on busy machines; see ThemedComboBox).
SpinBox {
    id: root

    up.indicator: SpinIndicator {
        id: up_

        objectName: "upIndicator"
        control: root
        plus: true
    }
    down.indicator: SpinIndicator {
        id: down_

        objectName: "downIndicator"
        control: root
        plus: false
    }

    // The style's text, dimmed as the arrows are.
    contentItem: TextInput {
        id: text_

        text: root.displayText
        font: root.font
        color: root.enabled ? root.Material.foreground : Common.fgDisabled
        selectionColor: root.Material.textSelectionColor
        selectedTextColor: root.Material.foreground
        horizontalAlignment: Qt.AlignHCenter
        verticalAlignment: Qt.AlignVCenter
        cursorDelegate: CursorDelegate {}
        readOnly: !root.editable
        validator: root.validator
        inputMethodHints: root.inputMethodHints
    }
}
