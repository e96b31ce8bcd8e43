import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.15
import "../singletons"

// The plus or minus of a ThemedSpinBox. At its limit it is dimmed to
// Common.fgDisabled, which still reads on the panels.
Item {
    id: root

    property SpinBox control: null
    property bool plus: true
    readonly property var handle_: plus ? control.up : control.down

    x: plus !== control.mirrored ? parent.width - width : 0
    implicitWidth: control.Material.touchTarget
    implicitHeight: control.Material.touchTarget
    height: parent.height
    width: height

    Ripple {
        clipRadius: 2
        x: root.control.spacing
        y: root.control.spacing
        width: parent.width - 2 * root.control.spacing
        height: parent.height - 2 * root.control.spacing
        pressed: root.handle_.pressed
        active: root.handle_.pressed || root.handle_.hovered || root.control.visualFocus
        color: root.control.Material.rippleColor
    }

    Rectangle {
        objectName: "bar"
        x: (parent.width - width) / 2
        y: (parent.height - height) / 2
        width: Math.min(parent.width / 3, parent.height / 3)
        height: 2
        color: root.enabled ? root.control.Material.foreground : Common.fgDisabled
    }
    Rectangle {
        x: (parent.width - width) / 2
        y: (parent.height - height) / 2
        width: 2
        height: Math.min(parent.width / 3, parent.height / 3)
        visible: root.plus
        color: root.enabled ? root.control.Material.foreground : Common.fgDisabled
    }
}
