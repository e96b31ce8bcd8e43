import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../singletons"

// Panel holding a column; its children go into the column.
Rectangle {
    id: root

    default property alias content: column_.data
    property alias spacing: column_.spacing
    property real padding: Common.spacing

    implicitWidth: column_.implicitWidth + 2 * padding
    implicitHeight: column_.implicitHeight + 2 * padding
    color: Common.bg1
    radius: Common.spacing

    ColumnLayout {
        id: column_

        anchors.fill: parent
        anchors.margins: root.padding
        spacing: Common.spacing
    }
}
