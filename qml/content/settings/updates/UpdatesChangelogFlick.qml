import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.shell 1.0
import "../../../singletons"

// The entries of Shell.changelogs, one block each, below a button back to
// the table.
Item {
    id: root

    // Whether the view is in sight: its blocks are built only then.
    property bool shown: visible
    readonly property alias flickable: flick_

    signal back()

    ColumnLayout {
        anchors.fill: parent
        spacing: Common.spacing

        Button {
            objectName: "backButton"
            text: "Zurück zur Tabelle"
            icon.source: "qrc:/img/arrow-left.svg"
            Layout.fillWidth: true
            onClicked: root.back()
        }

        // A block is built when it scrolls into view, and only while the
        // view is shown: a long changelog costs what is on the screen.
        ListView {
            id: flick_

            objectName: "changelogFlickable"
            model: root.shown ? Shell.changelogs : null
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            Layout.fillWidth: true
            Layout.fillHeight: true

            ScrollBar.vertical: ScrollBar { }

            delegate: Rectangle {
                id: block_

                readonly property var entry: modelData

                objectName: "changelogBlock"
                width: ListView.view.width
                height: blockColumn_.implicitHeight + 10
                color: index % 2 === 1 ? Common.bg2 : "transparent"

                ColumnLayout {
                    id: blockColumn_

                    width: parent.width
                    spacing: 0

                    Label {
                        objectName: "changelogHeading"
                        // Everything from the changelog is escaped: only our own tags style it.
                        text: `<b>${Dialogs.escapeHtml(block_.entry.name)}</b> / `
                              + `${Dialogs.escapeHtml(block_.entry.distribution)} - `
                              + `${Dialogs.escapeHtml(block_.entry.version)} - `
                              + `${Dialogs.escapeHtml(block_.entry.date)} - Dringlichkeit: `
                              + `<font color="${block_.entry.color}">`
                              + `${Dialogs.escapeHtml(block_.entry.urgencyStr)}</font>`
                        textFormat: Text.StyledText
                        wrapMode: Text.WordWrap
                        color: Common.fg1
                        Layout.fillWidth: true
                        Layout.margins: 10
                    }

                    Repeater {
                        objectName: "changesRepeater"
                        // A JS array: the repeater does not take the list type itself.
                        model: Array.from(block_.entry.changes)

                        RowLayout {
                            spacing: 0
                            Layout.fillWidth: true
                            Layout.leftMargin: 10

                            Label {
                                text: `${index + 1}: `
                                color: Common.fg1
                                Layout.alignment: Qt.AlignTop
                            }

                            Label {
                                objectName: "changelogChange"
                                text: modelData
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
        }
    }
}
