import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.sensor 1.0

// A latching input of the simulator window. The click asks the controller
// for the opposite of the input's state; the tick then follows the
// controller's answer, not the click.
CheckBox {
    id: root

    property int code: -1
    // The input as the controller wrote it.
    property bool inputState: false
    // Ticked while the input is false (a breaker's contact is open on a fault).
    property bool tickedWhenFalse: false

    function ticked_() { return tickedWhenFalse ? !inputState : inputState }

    checked: ticked_()

    onReleased: {
        Sensor.requestStateChange(code, !inputState)
        checked = Qt.binding(ticked_)
    }
}
