import QtQuick 2.15
import tavell.actuator 1.0
import tavell.auto 1.0
import "../../base"
import "../../singletons"

// The stirrer of line A or B; usable while that line runs at the screen's step.
MyGreenCheckButton {
    id: root

    property int step: Auto_.StepFuellen
    property bool lineB: false
    readonly property var drive_: lineB ? Actuator.fuRw2 : Actuator.fuRw1
    readonly property bool turning_: drive_.dir !== 0
    readonly property string name_: !Common.isSpecial ? ""
                                                      : " " + (lineB ? Common.nameKessel2 : Common.nameKessel1)

    objectName: "stirrerButton"
    active: turning_
    text: `Rührwerk${name_} ${turning_ ? "aktiviert" : "aktivieren"}`
    enabled: lineB ? Auto_.activeB && Auto_.stepB === step : Auto_.activeA && Auto_.stepA === step

    onClicked: drive_.toggleForward()
}
