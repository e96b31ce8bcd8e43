import QtQuick 2.15
import QtQuick.Layouts 1.15
import tavell.values 1.0
import "../../singletons"
import "../../base"

// One setting of Values in a help frame: shows what Values holds and sends
// only the operator's changes, with `code`, to the controller.
HelpFrame {
    id: root

    property alias text: box_.text
    property alias value: box_.value
    property alias from: box_.from
    property alias to: box_.to
    property alias boxEnabled: box_.enabled
    property int code: -1
    readonly property alias box: box_

    helpTitle: text
    Layout.fillWidth: true

    MySpinBox {
        id: box_

        objectName: "valueBox"
        anchors.fill: parent

        onModified: Values.toPy(root.code, val)
    }
}
