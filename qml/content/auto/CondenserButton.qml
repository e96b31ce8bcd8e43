import QtQuick 2.15
import tavell.auto 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// The automatic condenser of the cooking line.
MyGreenCheckButton {
    id: root

    property int step: Auto_.StepHeizen

    objectName: "condenserButton"
    active: Values.autoKondensator
    text: `Auto-Kondensator ${Values.autoKondensator ? "" : "in"}aktiv (ab ${Values.kondensatorStartTemp} °C)`
    enabled: AutoExt.activeX && AutoExt.stepX === step && Values.autoKondBtnEnabled

    onClicked: Values.toPy(Values.AutoKondensator, null)
}
