import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.bridge 1.0
import tavell.shell 1.0
import "../../../singletons"
import "../../../base"

// Sub-tab "Ausgabekonsole": what the controller's update runs write, standard
// error in red. The text is held only here, its latest lines only: the log
// has all of it.
Item {
    id: root

    property bool selecting: false
    readonly property alias output: console_.area
    readonly property int maxLines: 5000

    function clear() { console_.clear() }

    function copySelection() {
        console_.area.copy()
        Common.notify("Text in die Zwischenablage kopiert")
    }

    objectName: "tabConsole"

    Connections {
        target: Shell
        function onAppendStdout(text) { console_.appendStdout(text) }
        function onAppendStderr(text) { console_.appendStderr(text) }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: Common.spacing

        Label {
            objectName: "droppedLines"
            visible: console_.dropped > 0
            text: `${console_.dropped} ältere Zeilen ausgeblendet (vollständig im Protokoll)`
            color: Common.fg1
            Layout.fillWidth: true
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            ConsoleOutput {
                id: console_

                objectName: "consoleFlickable"
                areaObjectName: "consoleArea"
                anchors.fill: parent
                maximumLines: root.maxLines
                selectable: root.selecting
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
                enabled: console_.area.selectedText !== ""
                onClicked: root.copySelection()
            }

            Button {
                objectName: "clearOutputButton"
                text: "Ausgabe löschen"
                icon.source: "qrc:/img/trash3.svg"
                enabled: console_.area.length > 0
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
