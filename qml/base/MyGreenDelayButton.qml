import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import "../singletons"

// Button that has to be held for the common delay; green while `isGreen`.
// It stands for a request, not a state: the release after a full hold would
// leave it checked, so it is unchecked again at once.
DelayButton {
    id: root

    property bool isGreen: false

    delay: Common.delayButtonDelay
    Material.background: isGreen ? Common.colorOk : undefined
    Material.foreground: isGreen ? Common.textOn(Common.colorOk) : undefined

    onReleased: checked = false
}
