import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../base"
import "../../singletons"

// A titled recipe comment in its help frame.
HelpFrame {
    id: root

    property alias title: title_.text
    property alias source: field_.source
    property alias placeholderText: field_.placeholderText
    readonly property alias field: field_

    signal send(string text)

    function flush() { field_.flush() }

    helpTitle: title

    MyRectColLayout {
        anchors.fill: parent
        spacing: 0

        Label {
            id: title_

            objectName: "title"
            color: Common.fg1
            font.bold: true
            Layout.fillWidth: true
        }

        CommentField {
            id: field_

            objectName: "commentField"
            Layout.fillWidth: true

            onSend: root.send(text)
        }
    }
}
