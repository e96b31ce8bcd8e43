import QtQuick 2.15
import "../singletons"

// Indicator of one input: green while it is on, grey otherwise.
Rectangle {
    id: root

    property bool active: false

    implicitWidth: 15
    implicitHeight: 15
    color: active ? Common.colorInputOn : Common.colorInputOff
}
