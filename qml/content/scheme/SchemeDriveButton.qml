import QtQuick 2.15
import tavell.actuator 1.0
import tavell.values 1.0
import "../../singletons"

// One button of a drive: a pump's forward, stop or backward button, or the
// on/off button of a stirrer (which runs forward only).
SchemeButton {
    id: root

    enum Kind { Forward, Stop, Backward, Stirrer }

    property Fu drive: null
    property int kind: SchemeDriveButton.Forward
    // Forward shows the remote-control sign while the pump is run remotely.
    property bool remoteCapable: false

    readonly property int dir_: drive !== null ? drive.dir : 0

    active: kind === SchemeDriveButton.Forward ? dir_ > 0
          : kind === SchemeDriveButton.Backward ? dir_ < 0 : dir_ !== 0
    error: drive !== null && (kind === SchemeDriveButton.Forward || kind === SchemeDriveButton.Stirrer
                              ? drive.blockedForward
                              : kind === SchemeDriveButton.Backward && drive.blockedBackward)
    iconSource: kind === SchemeDriveButton.Forward
                ? (remoteCapable && Values.remotePumpControlActive ? "qrc:/img/broadcast-pin.svg" : "qrc:/img/arrow-left.svg")
                : kind === SchemeDriveButton.Backward ? "qrc:/img/arrow-right.svg"
                : kind === SchemeDriveButton.Stop ? "qrc:/img/stop-circle.svg" : "qrc:/img/arrow-repeat.svg"
    toolTipText: drive === null ? ""
               : drive.name + (kind === SchemeDriveButton.Forward ? " vorwärts"
                               : kind === SchemeDriveButton.Backward ? " rückwärts"
                               : kind === SchemeDriveButton.Stop ? " stop" : "")

    onClicked: {
        if (kind === SchemeDriveButton.Backward)
            drive.toggleBackward()
        else if (kind === SchemeDriveButton.Stop)
            drive.stop()
        else
            drive.toggleForward()
    }
}
