import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../base"
import "../../singletons"

// One hop addition: number and kind, time left, the done button and the note.
Rectangle {
    id: root

    property int number: 1
    property string subtitle: ""
    property string timeText: ""
    property bool large: false
    property bool alarm: false
    property bool done: false
    property bool buttonEnabled: false
    property string comment: ""
    // Shares of the width the table's header uses too.
    property real col1: 0.35
    property real col2: 0.3

    readonly property real inner_: width - 2 * Common.spacing - 2 * grid_.columnSpacing

    objectName: "hopRow" + number
    // The columns share the given width; the row itself asks for little.
    implicitWidth: 2 * Common.minColWidth
    implicitHeight: grid_.implicitHeight + 2 * Common.spacing
    color: Common.bg1
    radius: Common.spacing

    GridLayout {
        id: grid_

        anchors.fill: parent
        anchors.margins: Common.spacing
        columns: 3
        columnSpacing: Common.spacing
        rowSpacing: 0

        ColumnLayout {
            spacing: 0
            Layout.preferredWidth: root.col1 * root.inner_
            Layout.fillWidth: true

            Label {
                objectName: "hopTitle"
                text: "Hopfentimer " + root.number
                color: Common.fg1
                font.bold: true
                Layout.fillWidth: true
                elide: Text.ElideRight
            }

            Label {
                objectName: "hopSubtitle"
                text: root.subtitle
                color: Common.fg2
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }

        Label {
            objectName: "hopTime"
            text: root.timeText
            textFormat: Text.PlainText
            color: root.alarm ? Common.colorAlarmText : Common.fg1
            font.bold: root.alarm
            font.pointSize: root.large ? Common.hSize1 : Common.fSize
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            Layout.preferredWidth: root.col2 * root.inner_
            Layout.fillWidth: true
        }

        HopButton {
            number: root.number
            done: root.done
            enabled: root.buttonEnabled
            Layout.preferredWidth: (1 - root.col1 - root.col2) * root.inner_
            Layout.fillWidth: true
        }

        HopComment {
            comment: root.comment
            Layout.columnSpan: 3
            Layout.fillWidth: true
        }
    }
}
