import QtQuick 2.15
import QtQuick.Layouts 1.15
import tavell.values 1.0
import "../../singletons"
import "../../base"

// Choice of a kettle's temperature sensor among the keys the controller
// offers, with "unmap" to remove the assignment. The choice is sent with
// `code`; while the controller offers no keys the list is empty.
HelpFrame {
    id: root

    property alias text: list_.text
    property var sensorKeys: []
    property string preselect
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
        const idx = entries.indexOf(preselect)
        if (idx >= 0)
            list_.currentIndex = idx
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
        comboBox.implicitWidth: Math.max(200, root.entriesWidth_ + comboBox.leftPadding + comboBox.rightPadding
                                              + 4 * Common.spacing)

        onActivated: Values.toPy(root.code, root.entries[index])
    }
}
