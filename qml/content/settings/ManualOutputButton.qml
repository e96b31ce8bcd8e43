import QtQuick 2.15
import QtQuick.Layouts 1.15
import tavell.actuator 1.0
import tavell.auto 1.0
import "../../base"
import "../../singletons"

// Button of one output in manual operation: green while the output is on. A
// blocked output can only be switched while no sequence runs or hand
// operation is released.
MyGreenCheckButton {
    id: root

    property DOut output: null

    text: output !== null ? output.name : ""
    active: output !== null && output.state
    enabled: output !== null && (!AutoExt.active || Auto_.handEnabled || !output.blocked)
    font.bold: active
    font.italic: active
    // The controller's names as they are, not in capitals.
    font.capitalization: Font.MixedCase
    // Eight to a row; a name longer than its share, or one drawn bold
    // beside the check mark, breaks onto a second line and its row grows.
    wrapMode: Text.Wrap
    leftPadding: 4
    rightPadding: 4
    icon.width: 16
    icon.height: 16
    Layout.fillWidth: true
    Layout.fillHeight: true
    Layout.preferredWidth: 1

    onReleased: output.toggle()
}
