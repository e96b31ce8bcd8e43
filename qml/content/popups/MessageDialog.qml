import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"

// Message with optional details or traceback; its result is always false.
Popup {
    id: root

    property int id_: 0
    property string title
    property string text
    property color color: Common.colorDialogNeutral
    property string details
    property var traceback: null
    property string time
    // How often the same error or message came again while this dialog was
    // open, and how many other errors or messages were not shown because too
    // many dialogs were open.
    property int repeats: 0
    property int moreErrors: 0
    property int moreMessages: 0

    readonly property bool hasTraceback: traceback !== null && traceback !== undefined && details === ""

    objectName: "messageDialog"
    modal: true
    Overlay.modal: ModalDim { }
    closePolicy: Popup.NoAutoClose
    anchors.centerIn: parent
    width: Math.min(600, parent ? parent.width - 20 : 600)
    padding: 0
    focus: true
    background: DialogBackground { }

    function tracebackText() {
        if (!hasTraceback)
            return ""
        let lines = ["Traceback (letzter Aufruf zum Schluss):"]
        for (const frame of traceback) {
            const rel = String(frame.pathRel === undefined ? "" : frame.pathRel)
            const file = rel.startsWith(".") ? frame.pathAbs : rel
            const esc = Dialogs.escapeHtml
            let line = "Datei " + esc(file) + ", Zeile " + frame.lineNo + ", in Funktion " + esc(frame.func)
            if (frame.lineStr)
                line += ":<br>&nbsp;&nbsp;" + esc(frame.lineStr)
            lines.push(line)
        }
        return lines.join("<br>")
    }

    contentItem: ColumnLayout {
        spacing: 0
        Keys.onReturnPressed: root.close()
        Keys.onEnterPressed: root.close()
        Keys.onEscapePressed: root.close()
        focus: true

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: titleLabel_.implicitHeight + 16
            color: root.color
            Label {
                id: titleLabel_
                objectName: "messageTitle"
                anchors.fill: parent
                anchors.margins: 8
                text: root.title
                color: Common.fgOnHeader(root.color)
                font.pixelSize: Common.pxTitle
                textFormat: Text.PlainText
                elide: Text.ElideRight
            }
        }
        Label {
            objectName: "messageText"
            Layout.fillWidth: true
            Layout.minimumHeight: 100
            Layout.margins: 10
            text: root.text
            textFormat: Text.RichText
            wrapMode: Text.Wrap
        }
        ScrollView {
            objectName: "messageExtra"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(200, extra_.implicitHeight)
            Layout.margins: 10
            visible: tracebackButton_.checked || detailsButton_.checked
            clip: true
            Label {
                id: extra_
                objectName: "messageExtraText"
                width: root.availableWidth - 20
                text: detailsButton_.checked ? root.details : root.tracebackText()
                textFormat: detailsButton_.checked ? Text.AutoText : Text.RichText
                wrapMode: Text.Wrap
            }
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 5
            Label {
                objectName: "messageTime"
                text: root.time
                Layout.fillWidth: !repeats_.visible
            }
            Label {
                id: repeats_
                objectName: "messageRepeats"
                Layout.fillWidth: true
                visible: text !== ""
                color: root.color
                wrapMode: Text.Wrap
                text: [root.repeats > 0 ? `Noch ${root.repeats}-mal aufgetreten` : "",
                       root.moreErrors > 0 ? `${root.moreErrors} weitere Fehler (siehe Protokoll)` : "",
                       root.moreMessages > 0 ? `${root.moreMessages} weitere Meldungen (siehe Protokoll)` : ""]
                      .filter(function(t) { return t !== "" }).join(", ")
            }
            Button {
                id: tracebackButton_
                objectName: "tracebackButton"
                text: "Traceback"
                checkable: true
                visible: root.hasTraceback
            }
            Button {
                id: detailsButton_
                objectName: "detailsButton"
                text: "Details"
                checkable: true
                visible: root.details !== ""
            }
            Button {
                objectName: "okButton"
                text: "OK"
                onClicked: root.close()
            }
        }
    }
}
