import QtQuick 2.15
import tavell.actuator 1.0
import tavell.auto 1.0

// The kettle outlet valve. Opening it while the switch is usable begins the
// lauter rest.
StateSwitch {
    id: root

    objectName: "mashOutSwitch"
    text: "Abmaischen"
    on: Actuator.svSkOut.state

    onRequested: Actuator.svSkOut.toggle()

    Connections {
        target: Actuator.svSkOut

        function onStateChanged() {
            if (Actuator.svSkOut.state && root.enabled)
                Auto_.toPy(Auto_.BeginLauterRuhe, null)
        }
    }
}
