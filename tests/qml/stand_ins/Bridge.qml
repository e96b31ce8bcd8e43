pragma Singleton
import QtQuick 2.15

// Records the power calls instead of running anything.
QtObject {
    readonly property string platform: "raspi"
    readonly property bool debug: false
    readonly property bool simulator: false
    property int poweroffCalls: 0
    property int rebootCalls: 0

    signal exception(var error)
    signal closeApp()

    function poweroff() { poweroffCalls += 1 }
    function reboot() { rebootCalls += 1 }
}
