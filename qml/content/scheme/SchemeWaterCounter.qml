import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.action 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// Litres counted by the flow meter. Holding it for two seconds, or a right
// click, offers to reset the counter; an empty counter only says so.
HelpFrame {
    id: root

    function reset() {
        if (Values.filled === 0) {
            Common.notify("DLZ ist bereits 0", { duration: 2000 })
            return
        }
        const dialog = Dialogs.question("Durchlaufzähler zurücksetzen",
                                        "Soll der Durchlaufzähler auf 0 zurückgesetzt werden?",
                                        { yes: "Ja", no: "Nein" })
        if (dialog)
            dialog.accepted.connect(function() { Action_.toPy(Action_.ResetFlows) })
    }

    helpTitle: Help.schemeWaterMeterTitle
    helpText: Common.isSpecial ? Help.schemeWaterMeterTextX2 : Help.schemeWaterMeterTextNormal

    Label {
        id: label_

        objectName: "text"
        text: "Wasserzähler:\n" + Values.filled.toFixed(1) + " Liter"
        textFormat: Text.PlainText
        color: Common.fg1
        font.pointSize: Common.fSize2
    }

    MouseArea {
        objectName: "pressArea"
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        pressAndHoldInterval: 2000

        onPressAndHold: root.reset()
        onClicked: if (mouse.button === Qt.RightButton) root.reset()
    }
}
