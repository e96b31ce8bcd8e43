import QtQuick 2.15
import QtQuick.Controls.Material 2.15

// The panel of the dialogs the controller opens, without the style's shadow:
// that shadow is a layer reaching a hundred pixels beyond the dialog on every
// side, at the window's scale several megabytes for each open dialog.
Rectangle {
    color: Material.dialogColor
    radius: 2
}
