pragma Singleton
import QtQuick 2.15
import tavell.actuator 1.0
import tavell.values 1.0

// Indexed access to the heating zones of both lines: the first index is the
// line (0 = A, 1 = B), the second the zone.
QtObject {
    readonly property var heatZonesEnabled: [
        [Values.heatZone1Enabled, Values.heatZone2Enabled, Values.heatZone3Enabled, Values.heatZone4Enabled],
        [Values.heatZoneB1Enabled, Values.heatZoneB2Enabled, Values.heatZoneB3Enabled, Values.heatZoneB4Enabled]
    ]
    readonly property var heatZonesActive: [
        [Actuator.heatZone1.state, Actuator.heatZone2.state, Actuator.heatZone3.state, Actuator.heatZone4.state],
        [Actuator.heatZoneB1.state, Actuator.heatZoneB2.state, Actuator.heatZoneB3.state, Actuator.heatZoneB4.state]
    ]
    readonly property var tempZones: [
        [Values.tempZone1, Values.tempZone2, Values.tempZone3, Values.tempZone4],
        [Values.tempZoneB1, Values.tempZoneB2, Values.tempZoneB3, Values.tempZoneB4]
    ]
    readonly property var heatZonesCounts: [Values.heatZoneCount, Values.heatZoneCountB]

    // A number with one decimal and its unit; a sensor's error text as it is.
    function getTempStr(val) {
        return typeof val === "number" ? `${val.toFixed(1)} °C` : val
    }

    function toggleZoneEnabled(zone) {
        console.log("toggleZoneEnabled: " + zone)
        const codes = [Values.HeatZone1Enabled, Values.HeatZone2Enabled, Values.HeatZone3Enabled,
                       Values.HeatZone4Enabled, Values.HeatZoneB1Enabled, Values.HeatZoneB2Enabled,
                       Values.HeatZoneB3Enabled, Values.HeatZoneB4Enabled]
        if (!Number.isInteger(zone) || zone < 0 || zone > 7) {
            console.log("ungültiger Wert übergeben: " + zone + " (soll: 0...7 inkl)")
            return
        }
        Values.toPy(codes[zone], !heatZonesEnabled[zone < 4 ? 0 : 1][zone % 4])
    }
}
