import QtQuick 2.15
import "../../base"

// A recipe value's spin box in its help frame; `modified` reports the
// operator's changes only.
HelpFrame {
    id: root

    property alias text: box_.text
    property alias value: box_.value
    property alias from: box_.from
    property alias to: box_.to
    property alias infoMsg: box_.infoMsg
    readonly property alias box: box_

    signal modified(int val)

    MySpinBox {
        id: box_

        objectName: "box"
        anchors.fill: parent

        onModified: root.modified(val)
    }
}
