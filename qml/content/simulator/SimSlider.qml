import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A slider of the simulator window. It shows what the controller wrote
// (`value` bound by the user) and reports the operator's moves through
// `moved()` only; values arriving from outside send nothing.
Slider {
    id: root

    snapMode: Slider.SnapAlways
    wheelEnabled: true
    implicitWidth: 260
    implicitHeight: 36
    Layout.fillWidth: true
}
