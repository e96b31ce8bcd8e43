import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../base"
import "../../singletons"

// Frequency of one drive on the scheme. It shows the frequency that applies
// now and follows its changes; an operator's change is reported by `modified`.
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

    onValueChanged: spinBox_.value = value
    Component.onCompleted: spinBox_.value = value

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.2
        radius: 10
    }

    ThemedSpinBox {
        id: spinBox_

        objectName: "spinBox"
        anchors.fill: parent
        from: root.from
        to: root.to
        font.pixelSize: 26
        background: null

        ToolTip.visible: hovered && root.toolTipText !== ""
        ToolTip.delay: Common.toolTipDuration
        ToolTip.text: root.toolTipText

        onValueModified: root.modified(value)
    }
}
