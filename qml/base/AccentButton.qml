import QtQuick 2.15

// The button for the step a screen leads to (start, connect, confirm):
// highlighted in the accent, its text in capitals like the style's buttons
// beside it.
PlainButton {
    highlighted: true
    font.capitalization: Font.AllUppercase
}
