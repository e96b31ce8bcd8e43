pragma Singleton
import QtQuick 2.15

// The zone counts the shared screen code reads from Values, writable so the
// tests can switch between plant variants.
QtObject {
    property int heatZoneCount: -1
    property int heatZoneCountB: -1
}
