import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.sensor 1.0
import "../../base"

// A latching input of the simulator window. The click asks the controller
// for the opposite of the input's state; the tick follows the controller's
// answer, not the click.
StateCheckBox {
    id: root

    property int code: -1
    // The input as the controller wrote it.
    property bool inputState: false
    // Ticked while the input is false (a breaker's contact is open on a fault).
    property bool tickedWhenFalse: false

    held: tickedWhenFalse ? !inputState : inputState

    onRequested: Sensor.requestStateChange(code, !inputState)
}
