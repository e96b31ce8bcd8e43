import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"

// List of texts, one wrapped line each; numbered when there is more than one.
MyTableCell {
    id: root

    property var value
    readonly property var lines: value === undefined || value === null ? []
                                 : Array.isArray(value) ? value : [value]

    ColumnLayout {
        width: root.contentWidth
        spacing: 0

        Repeater {
            model: root.lines

            RowLayout {
                spacing: 0
                Layout.fillWidth: true

                Label {
                    objectName: "changeNumber"
                    visible: root.lines.length > 1
                    text: `${index + 1}: `
                    font.bold: true
                    font.italic: true
                    color: Common.fg1
                    Layout.alignment: Qt.AlignTop
                }

                Label {
                    objectName: "changeText"
                    text: String(modelData)
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    color: Common.fg1
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                }
            }
        }
    }
}
