import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"
import "../../base"

// Asks for the password of the network the controller wants to join.
Page {
    id: root

    property string essid: "[SSID]"
    readonly property alias password: password_.text

    signal back()
    signal connectRequested(string essid, string psk)

    function fill(ssid, psk) {
        show_.checked = false
        essid = ssid
        password_.text = psk
    }

    objectName: "wifiLoginPage"
    background: null

    // A page left behind keeps no password.
    onVisibleChanged: {
        if (!visible) {
            password_.clear()
            show_.checked = false
        }
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: Common.spacing
        spacing: Common.spacing

        Label {
            objectName: "essidLabel"
            text: `Passwort für: ${root.essid}`
            // The SSID is chosen by whoever runs the access point.
            textFormat: Text.PlainText
            color: Common.fg1
            font.pointSize: Common.fSize2
            elide: Text.ElideRight
            Layout.fillWidth: true
        }

        TextField {
            id: password_

            objectName: "passwordField"
            echoMode: show_.checked ? TextInput.Normal : TextInput.Password
            inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhPreferLowercase | Qt.ImhSensitiveData
                              | Qt.ImhNoPredictiveText
            Layout.fillWidth: true
        }

        CheckBox {
            id: show_

            objectName: "showPassword"
            text: "Passwort anzeigen"
        }

        RowLayout {
            spacing: Common.spacing
            Layout.fillWidth: true

            AccentButton {
                objectName: "connectButton"
                text: "Verbinden"
                Layout.fillWidth: true
                onClicked: root.connectRequested(root.essid, password_.text)
            }

            Button {
                objectName: "backButton"
                text: "zurück"
                Layout.fillWidth: true
                onClicked: root.back()
            }
        }
    }
}
