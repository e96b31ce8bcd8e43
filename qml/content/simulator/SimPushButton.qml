import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.sensor 1.0

// A momentary input of the simulator window: pressed while the operator
// holds it; released or taken away from the button, it lets go.
Button {
    id: root

    property int code: -1

    Layout.fillWidth: true

    onPressed: Sensor.requestStateChange(code, true)
    onReleased: Sensor.requestStateChange(code, false)
    onCanceled: Sensor.requestStateChange(code, false)
}
