import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"

// A simulator slider under a label that shows the slider's current value:
// `prefix`, the value (`decimals` places, or as it is when negative), `suffix`.
ColumnLayout {
    id: root

    property string prefix
    property string suffix
    property int decimals: -1
    // The value as the controller wrote it; a text (a sensor error) counts as 0.
    property var shown: 0
    property alias from: slider_.from
    property alias to: slider_.to
    property alias stepSize: slider_.stepSize
    readonly property alias slider: slider_
    readonly property alias label: label_

    signal moved(real value)

    spacing: 0
    Layout.fillWidth: true

    Label {
        id: label_

        objectName: "label"
        text: root.prefix + (root.decimals < 0 ? slider_.value : slider_.value.toFixed(root.decimals)) + root.suffix
        color: Common.fg1
        Layout.leftMargin: 8
    }

    SimSlider {
        id: slider_

        // The handle follows the operator's finger; let go (or moved by the
        // wheel), it shows what the controller holds once the request has
        // returned.
        function held_() {
            const n = Number(root.shown)
            return isNaN(n) ? 0 : n
        }

        function showHeld_() {
            value = Qt.binding(held_)
        }

        objectName: "slider"
        value: held_()
        onMoved: {
            root.moved(value)
            if (!pressed)
                showHeld_()
        }
        onPressedChanged: if (!pressed) showHeld_()
    }
}
