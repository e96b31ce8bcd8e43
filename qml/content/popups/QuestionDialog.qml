import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"
import "../../base"

// Question with optional yes and no buttons; hidden when their text is empty.
Popup {
    id: root

    property int id_: 0
    property string title
    property string text
    property color color: Common.colorDialogInfo
    property string yesText: "OK"
    property string noText
    property bool wasAccepted: false

    signal accepted()
    signal rejected()

    // Without a yes text there is nothing to agree to: the dialog only
    // closes (reported as not accepted).
    function accept() {
        if (yesText !== "") {
            wasAccepted = true
            accepted()
        }
        close()
    }

    function reject() {
        rejected()
        close()
    }

    objectName: "questionDialog"
    modal: true
    Overlay.modal: ModalDim { }
    closePolicy: Popup.NoAutoClose
    anchors.centerIn: parent
    width: Math.min(450, Common.w1 > 0 ? Common.w1 : 450)
    padding: 0
    background: DialogBackground { }

    contentItem: ColumnLayout {
        spacing: 0
        focus: true
        Keys.onReturnPressed: root.accept()
        Keys.onEnterPressed: root.accept()
        Keys.onEscapePressed: root.reject()

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: titleLabel_.implicitHeight + 16
            color: root.color
            Label {
                id: titleLabel_
                objectName: "questionTitle"
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
            objectName: "questionText"
            Layout.fillWidth: true
            Layout.minimumHeight: 100
            Layout.margins: 10
            text: root.text
            textFormat: Text.RichText
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            Layout.margins: 5
            PlainButton {
                objectName: "noButton"
                text: root.noText
                visible: root.noText !== ""
                onClicked: root.reject()
            }
            PlainButton {
                objectName: "yesButton"
                text: root.yesText
                visible: root.yesText !== ""
                highlighted: true
                onClicked: root.accept()
            }
        }
    }
}
