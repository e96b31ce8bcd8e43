import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../base"
import "../../singletons"

// Simulator mode's gear button in the page container's corner, and the
// simulator window it brings back after the operator closed it.
HelpFrame {
    id: root

    readonly property alias window: window_

    function bringBack() {
        window_.show()
        window_.raise()
        window_.requestActivate()
    }

    objectName: "simulatorControls"
    helpTitle: Help.simulatorButtonTitle
    helpText: Help.simulatorButtonText

    ToolButton {
        objectName: "simulatorButton"
        icon.source: "qrc:/img/gear.svg"
        onClicked: root.bringBack()
    }

    SimulatorWindow { id: window_ }
}
