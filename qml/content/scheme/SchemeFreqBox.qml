import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../base"
import "../../singletons"

// Frequency of one drive on the scheme. It shows the frequency that applies
// now and follows its changes; an operator's change is reported by `modified`
// and shows only once the controller has stored it (the request is queued to
// the controller: until then, and after a refusal, the box shows what applies).
HelpFrame {
    id: root

    property int from: 0
    property int to: 100
    property int value: 0
    property string toolTipText

    readonly property alias spinBox: spinBox_

    signal modified(int value)

    width: 190
    height: 54

    Rectangle {
        anchors.fill: parent
        color: Common.colorSchemeBand
        opacity: 0.2
        radius: 10
    }

    StateSpinBox {
        id: spinBox_

        objectName: "spinBox"
        anchors.fill: parent
        from: root.from
        to: root.to
        font.pixelSize: Common.pxSchemeFreq
        held: root.value
        background: null

        onModified: root.modified(val)

        // Built at the first hover.
        LazyLoader {
            objectName: "toolTipLoader"
            wanted: spinBox_.hovered && root.toolTipText !== ""
            sourceComponent: PlainToolTip {
                objectName: "toolTip"
                parent: spinBox_
                visible: spinBox_.hovered && root.toolTipText !== ""
                delay: Common.toolTipDuration
                text: root.toolTipText
            }
        }
    }
}
