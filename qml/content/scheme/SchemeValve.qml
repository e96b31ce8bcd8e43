import QtQuick 2.15
import tavell.actuator 1.0
import "../../singletons"

// Button of one valve: green while open, red and deaf while blocked.
SchemeButton {
    id: root

    property DOut output: null
    property bool turned: false

    active: output !== null && output.state
    error: output !== null && output.blocked
    rotation: turned ? 90 : 0
    toolTipText: output !== null ? output.name : ""
    helpTitle: Help.schemeBtnValveTitle
    helpText: Help.schemeBtnValveText

    onClicked: output.toggle()
}
