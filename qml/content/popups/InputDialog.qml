import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"
import "../../base"

// Text input over a dimmed page area; the text goes to the caller only.
Popup {
    id: root

    property int id_: 0
    property string title
    property string text
    property color color: Common.colorDialogInfo
    property string value
    property bool password: false
    property bool required: true
    property string okText: "OK"
    property string cancelText: "Abbrechen"
    property int popupWidth: 450
    property bool wasAccepted: false

    signal accepted(string text)
    signal rejected()

    function accept() {
        if (required && field_.text === "") {
            error_.text = "Es ist eine Eingabe erforderlich"
            return
        }
        wasAccepted = true
        accepted(field_.text)
        close()
    }

    function reject() {
        rejected()
        close()
    }

    function reset() {
        value = ""
        field_.text = ""
        error_.text = ""
        required = true
        password = false
        eye_.checked = false
        console.log("input dialog resetted")
    }

    objectName: "inputDialog"
    modal: false
    dim: true
    closePolicy: Popup.NoAutoClose
    anchors.centerIn: parent
    width: popupWidth
    padding: 0
    background: DialogBackground { }

    Overlay.modeless: Rectangle {
        color: Common.colorDim
        height: Common.mainHeight
    }

    contentItem: ColumnLayout {
        spacing: 5
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 36
            color: root.color
            Label {
                anchors.fill: parent
                anchors.margins: 8
                text: root.title
                color: Common.fgOnHeader(root.color)
                font.pixelSize: Common.pxTitle
            }
        }
        Label {
            Layout.fillWidth: true
            Layout.margins: 10
            text: root.text
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 10
            TextField {
                id: field_
                objectName: "inputField"
                Layout.fillWidth: true
                text: root.value
                echoMode: root.password && !eye_.checked ? TextInput.Password : TextInput.Normal
                inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhSensitiveData
                focus: true
                onAccepted: root.accept()
            }
            ToolButton {
                id: eye_
                objectName: "eyeButton"
                checkable: true
                visible: root.password
                icon.source: checked ? "qrc:/img/eye-slash.svg" : "qrc:/img/eye.svg"
            }
        }
        Label {
            id: error_
            objectName: "inputError"
            Layout.margins: 10
            color: Common.colorAlarmText
            visible: text !== ""
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            Layout.margins: 5
            Button {
                objectName: "inputCancel"
                text: root.cancelText
                visible: root.cancelText !== ""
                onClicked: root.reject()
            }
            AccentButton {
                objectName: "inputOk"
                text: root.okText
                visible: root.okText !== ""
                onClicked: root.accept()
            }
        }
    }
}
