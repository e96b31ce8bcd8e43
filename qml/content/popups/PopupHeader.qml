import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"

// Title bar of the automatic sequence's popups.
Rectangle {
    property alias text: title_.text
    property alias label: title_

    Layout.fillWidth: true
    implicitHeight: title_.implicitHeight + 16
    color: Common.bgHeader

    Label {
        id: title_
        anchors.fill: parent
        anchors.margins: 8
        font.pixelSize: Common.pxTitle
        elide: Text.ElideRight
    }
}
