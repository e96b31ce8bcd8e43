import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../singletons"

// One network of the network tab: its SSID, signal quality, band and a
// button. The SSID is chosen by whoever runs the access point: plain text.
Rectangle {
    id: root

    property string ssid
    property string quality
    property bool is5GHz: false
    property alias buttonText: button_.text
    property alias buttonEnabled: button_.enabled
    readonly property alias button: button_

    signal buttonClicked()

    implicitHeight: 40
    implicitWidth: 300
    color: Common.bg1
    Layout.fillWidth: true

    RowLayout {
        anchors.fill: parent
        // Band and button apart: "5GHz" must not touch the button.
        spacing: Common.spacing

        Label {
            objectName: "ssidLabel"
            text: root.ssid
            textFormat: Text.PlainText
            color: Common.fg1
            font.pointSize: Common.ptWifiName
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            Layout.fillWidth: true
            Layout.leftMargin: 5
        }

        Label {
            objectName: "qualityLabel"
            text: root.quality
            textFormat: Text.PlainText
            color: Common.fg1
            horizontalAlignment: Text.AlignHCenter
            Layout.preferredWidth: 40
        }

        Label {
            objectName: "bandLabel"
            text: root.is5GHz ? "5GHz" : ""
            color: Common.fg1
            horizontalAlignment: Text.AlignHCenter
            Layout.preferredWidth: 40
        }

        PlainButton {
            id: button_

            objectName: "lineButton"
            topInset: 0
            bottomInset: 0
            Layout.preferredWidth: 100
            Layout.fillHeight: true
            onClicked: root.buttonClicked()
        }
    }
}
