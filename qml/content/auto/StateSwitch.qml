import QtQuick 2.15
import QtQuick.Controls 2.15

// Switch that shows a state the controller keeps: the operator's toggle only
// reports `requested`; the switch keeps showing `on` until the state changes.
Switch {
    id: root

    property bool on: false

    signal requested()

    checked: on

    onToggled: {
        checked = Qt.binding(function() { return root.on })
        root.requested()
    }
}
