import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../singletons"

// Warning box: centred title, wrapped text and, when `closable`, a button that
// hides the box.
Rectangle {
    id: root

    property alias title: title_.text
    property alias text: text_.text
    property alias textFormat: text_.textFormat
    property alias textAlignment: text_.horizontalAlignment
    property bool closable: false

    signal closed()

    implicitWidth: Math.max(title_.implicitWidth + (closable ? 2 * closeButton_.implicitWidth : 0),
                            text_.implicitWidth) + 2 * Common.spacing
    implicitHeight: column_.implicitHeight + 2 * Common.spacing
    color: Common.colorWarning
    radius: Common.spacing

    ColumnLayout {
        id: column_

        anchors.fill: parent
        anchors.margins: Common.spacing
        spacing: Common.spacing

        Label {
            id: title_

            objectName: "title"
            color: Common.fgOnWarning
            font.pointSize: Common.fSize2
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            // Room for the close button on both sides keeps the title centred.
            Layout.leftMargin: root.closable ? closeButton_.width : 0
            Layout.rightMargin: root.closable ? closeButton_.width : 0
            Layout.minimumHeight: root.closable ? closeButton_.height : 0
        }

        Label {
            id: text_

            objectName: "text"
            visible: text !== ""
            color: Common.fgOnWarning
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }

    ToolButton {
        id: closeButton_

        objectName: "closeButton"
        visible: root.closable
        anchors.top: parent.top
        anchors.right: parent.right
        icon.source: "qrc:/img/x-lg.svg"
        icon.color: Common.fgOnWarning

        onClicked: {
            root.visible = false
            root.closed()
        }
    }
}
