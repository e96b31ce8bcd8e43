pragma Singleton
import QtQuick 2.15

// Records the power calls instead of running anything. Platform, build kind
// and backend mode are writable so tests can switch them.
QtObject {
    property string platform: "raspi"
    property bool debug: false
    property bool simulator: false
    property int poweroffCalls: 0
    property int rebootCalls: 0

    signal exception(var error)
    signal closeApp()

    function poweroff() { poweroffCalls += 1 }
    function reboot() { rebootCalls += 1 }
}
