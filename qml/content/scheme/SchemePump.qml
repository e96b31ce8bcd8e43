import QtQuick 2.15
import tavell.actuator 1.0
import "../../singletons"

// A pump on the scheme: forward, stop and backward button at the given
// positions, and its frequency box centred 75 above the stop button. Spans
// the whole form so that help mode finds its buttons. The box is narrower
// than a stirrer's: above pump 2 it fits between the riser and the kettle's
// outlet pipe without covering them.
Item {
    id: root

    property Fu drive: null
    // Top-left corners of the forward, stop and backward button; null hides them.
    property var positions: null
    property bool remoteCapable: false
    // Help titles of the forward, stop and backward button.
    property var helpTitles: ["", "", ""]
    property alias freqFrom: box_.from
    property alias freqTo: box_.to
    property alias freq: box_.value
    property alias freqHelpTitle: box_.helpTitle

    signal freqModified(int value)

    readonly property var positions_: positions !== null ? positions : [[0, 0], [0, 0], [0, 0]]

    anchors.fill: parent

    SchemeDriveButton {
        objectName: "forward"
        kind: SchemeDriveButton.Forward
        drive: root.drive
        remoteCapable: root.remoteCapable
        x: root.positions_[0][0]
        y: root.positions_[0][1]
        helpTitle: root.helpTitles[0]
        helpText: Help.schemeBtnPumpForwardText
    }

    SchemeDriveButton {
        id: stop_

        objectName: "stop"
        kind: SchemeDriveButton.Stop
        drive: root.drive
        x: root.positions_[1][0]
        y: root.positions_[1][1]
        helpTitle: root.helpTitles[1]
        helpText: Help.schemeBtnPumpStopText
    }

    SchemeDriveButton {
        objectName: "backward"
        kind: SchemeDriveButton.Backward
        drive: root.drive
        x: root.positions_[2][0]
        y: root.positions_[2][1]
        helpTitle: root.helpTitles[2]
        helpText: Help.schemeBtnPumpBackwardText
    }

    SchemeFreqBox {
        id: box_

        objectName: "freq"
        width: 160
        x: stop_.x + (stop_.width - width) / 2
        y: stop_.y + stop_.height / 2 - 75 - height / 2
        toolTipText: root.drive !== null ? root.drive.name + " Frequenz" : ""
        helpText: Help.schemeFreqPumpText

        onModified: root.freqModified(value)
    }
}
