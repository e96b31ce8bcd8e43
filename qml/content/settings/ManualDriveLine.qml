import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.actuator 1.0
import tavell.auto 1.0
import "../../base"
import "../../singletons"

// One drive in manual operation: name, frequency, the direction buttons (a
// stirrer has one, spanning both columns) and "Init". The columns line up
// with those of the other drives.
RowLayout {
    id: root

    property string label
    property Fu drive: null
    property bool pump: false
    property bool ok: false
    property int freq: 0
    property int freqFrom: 0
    property int freqTo: 100

    signal freqModified(int value)
    signal init()

    // A direction is free while no sequence runs, hand operation is released
    // or the sequence leaves it unblocked.
    readonly property int dir_: drive !== null ? drive.dir : 0
    readonly property bool forwardFree_: !AutoExt.active || Auto_.handEnabled || (drive !== null && !drive.blockedForward)
    readonly property bool backwardFree_: !AutoExt.active || Auto_.handEnabled || (drive !== null && !drive.blockedBackward)

    spacing: Common.spacing
    Layout.fillWidth: true

    Label {
        text: root.label
        color: Common.fg1
        Layout.fillWidth: true
        Layout.preferredWidth: 1
    }

    StateSpinBox {
        objectName: "freq"
        from: root.freqFrom
        to: root.freqTo
        held: root.freq
        editable: true
        enabled: root.ok
        Layout.fillWidth: true
        Layout.preferredWidth: 1

        onModified: root.freqModified(val)
    }

    MyGreenCheckButton {
        objectName: "forward"
        text: active ? "Stop" : (root.pump ? "vor" : "ein")
        active: root.pump ? root.dir_ > 0 : root.dir_ !== 0
        enabled: root.ok && root.forwardFree_
        Layout.fillWidth: true
        // A stirrer's button takes both direction columns.
        Layout.preferredWidth: root.pump ? 1 : 2

        onClicked: root.drive.toggleForward()
    }

    MyGreenCheckButton {
        objectName: "backward"
        visible: root.pump
        text: active ? "Stop" : "zurück"
        active: root.dir_ < 0
        enabled: root.ok && root.backwardFree_
        Layout.fillWidth: true
        Layout.preferredWidth: 1

        onClicked: root.drive.toggleBackward()
    }

    Button {
        objectName: "init"
        text: "Init"
        Layout.fillWidth: true
        Layout.preferredWidth: 1

        onClicked: root.init()
    }
}
