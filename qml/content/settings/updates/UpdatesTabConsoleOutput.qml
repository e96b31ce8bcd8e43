import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.bridge 1.0
import tavell.screens 1.0
import tavell.shell 1.0
import "../../../singletons"
import "../../../base"

// Sub-tab "Ausgabekonsole": what the controller's update runs write, standard
// error in red. The text is held only here, its latest lines only: the log
// has all of it.
Item {
    id: root

    property bool selecting: false
    readonly property alias output: output_
    readonly property int maxLines: 5000

    // Output of the update tools is plain text: escape it so "<none>" shows
    // literally, and keep its line breaks and runs of blanks.
    function toHtml(text) {
        // Each text starts its own paragraph: a closing line break would add an empty one.
        const body = String(text).replace(/\r?\n$/, "")
        return `<span style="white-space:pre-wrap">${Dialogs.escapeHtml(body)}</span>`
    }

    function appendStdout(text) { tail_.append(toHtml(text)) }

    function appendStderr(text) { tail_.append(`<font color="red">${toHtml(text)}</font>`) }

    function clear() { tail_.clear() }

    function copySelection() {
        output_.copy()
        Common.notify("Text in die Zwischenablage kopiert")
    }

    objectName: "tabConsole"

    TextTail {
        id: tail_

        document: output_.textDocument
        maximumLines: root.maxLines
    }

    Connections {
        target: Shell
        function onAppendStdout(text) { root.appendStdout(text) }
        function onAppendStderr(text) { root.appendStderr(text) }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: Common.spacing

        Label {
            objectName: "droppedLines"
            visible: tail_.dropped > 0
            text: `${tail_.dropped} ältere Zeilen ausgeblendet (vollständig im Protokoll)`
            color: Common.fg1
            Layout.fillWidth: true
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            Flickable {
                id: flick_

                objectName: "consoleFlickable"
                anchors.fill: parent
                clip: true
                boundsBehavior: Flickable.StopAtBounds

                onContentHeightChanged: {
                    if (contentHeight > height)
                        contentY = contentHeight - height
                }

                TextArea.flickable: TextArea {
                    id: output_

                    objectName: "consoleArea"
                    readOnly: true
                    textFormat: TextEdit.RichText
                    wrapMode: TextEdit.Wrap
                    selectByMouse: root.selecting
                    persistentSelection: true
                    color: Common.isDarkTheme ? "white" : "black"
                }

                ScrollBar.vertical: ScrollBar { }
            }

            BusyIndicator {
                objectName: "busyIndicator"
                anchors.centerIn: parent
                width: Math.min(parent.width, parent.height, 120)
                height: width
                running: Shell.locked
                visible: running
            }
        }

        RowLayout {
            spacing: Common.spacing
            Layout.fillWidth: true

            MyGreenCheckButton {
                objectName: "selectButton"
                text: "Text selektieren"
                active: root.selecting
                onClicked: root.selecting = !root.selecting
            }

            Button {
                objectName: "copyButton"
                text: "Selektion kopieren"
                enabled: output_.selectedText !== ""
                onClicked: root.copySelection()
            }

            Button {
                objectName: "clearOutputButton"
                text: "Ausgabe löschen"
                icon.source: "qrc:/img/trash3.svg"
                enabled: output_.length > 0
                Layout.fillWidth: true
                onClicked: root.clear()
            }

            Button {
                objectName: "testConsoleButton"
                visible: Bridge.debug
                text: "Test"
                onClicked: Shell.toPy(Shell.TestConsole, null)
            }
        }
    }
}
