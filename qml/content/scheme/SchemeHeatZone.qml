import QtQuick 2.15
import tavell.values 1.0
import "../../singletons"

// Button of one heating zone: yellow while enabled, green while heating, red
// while its temperature is no number or too high. A click enables or
// disables the zone for the heating automation, in error too.
SchemeButton {
    id: root

    // 0 line A, 1 line B; zone index 0 (bottom) to 3.
    property int line: 0
    property int index: 0
    // Row of the help texts: 0 no kettle name, 1 mash kettle, 2 wort kettle.
    property int kettle: 0

    readonly property var temperature: ValuesExt.tempZones[line][index]

    diameter: 34
    bgOpacity: 0.75
    visible: ValuesExt.heatZonesCounts[line] > index
    secondary: ValuesExt.heatZonesEnabled[line][index]
    active: ValuesExt.heatZonesActive[line][index]
    error: typeof temperature !== "number" || temperature > Values.heatZoneTempMax
    noClickOnError: false
    clickAreaRatio: 1.75
    scaleWhenActive: true
    iconSource: status === SchemeButton.Active ? "qrc:/img/lightning-charge.svg"
              : status === SchemeButton.Idle ? "qrc:/img/power.svg"
              : status === SchemeButton.Blocked ? (secondary ? "qrc:/img/bug.svg" : "qrc:/img/power.svg")
              : ""
    toolTipText: "Zone " + (index + 1)
    helpTitle: Help.schemeBtnHeatTitles[index]
    helpText: Help.schemeBtnHeatAll[kettle][index]

    onClicked: ValuesExt.toggleZoneEnabled(index + 4 * line)
}
