import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import "../singletons"

// Button that has to be held for the common delay; green while `isGreen`.
DelayButton {
    id: root

    property bool isGreen: false

    delay: Common.delayButtonDelay
    Material.background: isGreen ? Material.color(Material.Green) : undefined
}
