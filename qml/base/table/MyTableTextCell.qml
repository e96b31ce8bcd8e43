import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../singletons"

// Cell showing its value as wrapped plain text.
MyTableCell {
    id: root

    property var value
    property alias label: label_

    Label {
        id: label_

        objectName: "cellText"
        width: root.contentWidth
        text: root.value === undefined || root.value === null ? "" : String(root.value)
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: Common.fg1
    }
}
