import QtQuick 2.15
import QtQuick.Controls 2.15

// Button as high as the row, enabled while the cell's value is truthy;
// `clicked` hands the value on.
MyTableCell {
    id: root

    property var value
    property alias text: button_.text

    signal clicked(var value)

    leftPadding: 0
    topPadding: 0
    bottomPadding: 0
    implicitHeight: button_.implicitHeight

    Button {
        id: button_

        objectName: "cellButton"
        width: root.contentWidth
        height: root.height
        rightInset: 5
        enabled: !!root.value
        onClicked: root.clicked(root.value)
    }
}
