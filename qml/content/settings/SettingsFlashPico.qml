import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Dialogs 1.3 as QQD
import QtQuick.Layouts 1.15
import tavell.action 1.0
import tavell.gui 1.0
import "../../singletons"
import "../../base"

// Flashing tab ("FlashPico"): programs the plant's microcontroller extension
// with an *.elf file and shows what the flasher writes.
Page {
    id: root

    // The chosen file; empty while none is chosen.
    property string fileUrl: ""
    property bool flashing: false
    property bool selectable: false
    readonly property var frequencies: [10, 50, 100, 250, 500, 750, 1000]
    readonly property alias output: console_.area

    function appendStdout(text) { console_.appendStdout(text) }

    function appendStderr(text) { console_.appendStderr(text) }

    function appendReturnValue(val) {
        const color = val === 0 ? Common.colorSuccessText : Common.colorAlarmText
        console_.appendHtml(`<b><font color="${color}">Flashen mit Rückgabe ${val} abgeschlossen</font></b>`)
        flashing = false
    }

    function startFlashing() {
        flashing = true
        Gui.toPy(Gui.FlashPico, [Number(frequencies[freq_.currentIndex]), fileUrl])
    }

    objectName: "tabFlashPico"
    background: null

    Connections {
        target: Gui
        function onSetPicoStdout(text) { root.appendStdout(text) }
        function onSetPicoStderr(text) { root.appendStderr(text) }
        function onSetPicoReturnValue(value) { root.appendReturnValue(value) }
    }

    QQD.FileDialog {
        id: fileDialog_

        objectName: "fileDialog"
        title: "Datei auswählen"
        nameFilters: ["Programmdateien (*.elf)"]
        selectExisting: true
        selectMultiple: false
        onAccepted: root.fileUrl = fileUrl.toString()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Common.spacing
        spacing: Common.spacing

        MyWarning {
            objectName: "flashWarning"
            title: "Achtung!"
            text: "Diese Funktion darf nur nach ausdrücklicher Anweisung der Firma Tavell genutzt werden"
            Layout.fillWidth: true
        }

        RowLayout {
            spacing: Common.spacing
            Layout.fillWidth: true

            Rectangle {
                objectName: "fileField"
                color: root.fileUrl !== "" ? Common.colorOk : Common.colorWarning
                radius: Common.spacing
                // As high as the button's visible face.
                implicitHeight: chooseButton_.implicitHeight - chooseButton_.topInset - chooseButton_.bottomInset
                Layout.fillWidth: true

                Label {
                    anchors.fill: parent
                    anchors.margins: Common.spacing
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideMiddle
                    color: Common.textOn(parent.color)
                    text: decodeURIComponent(root.fileUrl.replace(/^file:\/\//, ""))
                }
            }

            Button {
                id: chooseButton_

                objectName: "chooseFileButton"
                text: "Datei auswählen"
                onClicked: {
                    fileDialog_.open()
                    // The brewer's files lie in his home folder, not where the program was started.
                    fileDialog_.folder = fileDialog_.shortcuts.home
                }
            }

            ToolButton {
                objectName: "outputMenuButton"
                text: "⋮"
                onClicked: menu_.open()

                Menu {
                    id: menu_

                    MenuItem {
                        objectName: "selectableItem"
                        text: "selektierbarer Text"
                        checkable: true
                        checked: root.selectable
                        onTriggered: root.selectable = checked
                    }

                    MenuItem {
                        objectName: "copyItem"
                        text: "selektierter Text -> Clipboard"
                        onTriggered: console_.area.copy()
                    }
                }
            }
        }

        RowLayout {
            spacing: Common.spacing
            Layout.fillWidth: true

            Label {
                text: "Frequenz in kHz"
                color: Common.fg1
                Layout.fillWidth: true
            }

            ThemedComboBox {
                id: freq_

                objectName: "comboFrequency"
                model: root.frequencies
                currentIndex: 3
            }
        }

        AccentButton {
            objectName: "flashButton"
            text: root.flashing ? "wird geflasht ..."
                                : root.fileUrl === "" ? "Es muss noch eine '*.elf'-Datei ausgewählt werden"
                                                      : "Flashen starten"
            enabled: !root.flashing && root.fileUrl !== ""
            Layout.fillWidth: true
            onClicked: root.startFlashing()
        }

        ConsoleOutput {
            id: console_

            objectName: "outputFlickable"
            areaObjectName: "outputArea"
            selectable: root.selectable
            areaBackground: Rectangle { color: Common.bg1; radius: Common.spacing }
            Layout.fillWidth: true
            Layout.fillHeight: true
        }

        RowLayout {
            spacing: Common.spacing
            Layout.fillWidth: true

            Button {
                objectName: "clearButton"
                text: "Ausgabe löschen"
                Layout.fillWidth: true
                onClicked: console_.clear()
            }

            Button {
                objectName: "resetButton"
                text: "Pico-Erweiterung resetten"
                Layout.fillWidth: true
                onClicked: Action_.toPy(Action_.ResetExtensions)
            }
        }
    }
}
