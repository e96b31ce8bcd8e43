import QtQuick 2.15
import QtQuick.Layouts 1.15
import tavell.values 1.0
import "../../singletons"
import "../../base"

// Choice of a kettle's temperature sensor among the keys the controller
// offers, with "unmap" to remove the assignment. The choice is sent with
// `code`; while the controller offers no keys the list is empty. The list
// shows the key the controller holds when it offers it, else `preselect`,
// else the first entry.
HelpFrame {
    id: root

    property alias text: list_.text
    property var sensorKeys: []
    property string preselect
    // The key the controller holds.
    property string held
    property int code: -1
    readonly property alias list: list_
    readonly property var entries: {
        const out = []
        if (sensorKeys && sensorKeys.length > 0) {
            out.push("unmap")
            for (let i = 0; i < sensorKeys.length; ++i)
                out.push(String(sensorKeys[i]))
        }
        return out
    }

    // Sensor keys are long: the box is as wide as its widest entry.
    property real entriesWidth_: 0

    function refill_() {
        let widest = 0
        for (const entry of entries) {
            metrics_.text = entry
            widest = Math.max(widest, metrics_.advanceWidth)
        }
        entriesWidth_ = widest
        list_.model = entries
    }

    helpTitle: text
    helpText: Help.settingsKesselSensorText
    Layout.fillWidth: true

    onEntriesChanged: refill_()
    Component.onCompleted: refill_()

    TextMetrics {
        id: metrics_
        font: list_.comboBox.font
    }

    MySelectionList {
        id: list_

        objectName: "sensorList"
        anchors.fill: parent
        showsHeld: true
        heldIndex: {
            const entries = root.entries
            const held = entries.indexOf(root.held)
            const preselected = entries.indexOf(root.preselect)
            return held >= 0 ? held : preselected >= 0 ? preselected : Math.min(0, entries.length - 1)
        }
        comboBox.implicitWidth: Math.max(200, root.entriesWidth_ + comboBox.leftPadding + comboBox.rightPadding
                                              + 4 * Common.spacing)

        onActivated: Values.toPy(root.code, root.entries[index])
    }
}
