import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../singletons"

// Two spin boxes, `links` and `rechts`, side by side on wide pages and one
// above the other on narrow ones. Side by side, both put their label above
// the box as soon as one of them has to.
Rectangle {
    id: root

    property bool halfBreakpoint: false
    property bool fillBg: false
    readonly property alias links: links_
    readonly property alias rechts: rechts_
    readonly property bool stacked: Common.w1 < (halfBreakpoint ? Common.breakpoint / 2 : Common.breakpoint)

    implicitWidth: stacked ? Math.max(links_.implicitWidth, rechts_.implicitWidth)
                           : links_.implicitWidth + rechts_.implicitWidth + Common.spacing
    implicitHeight: grid_.implicitHeight
    color: fillBg ? Common.bg1 : "transparent"
    radius: Common.spacing

    GridLayout {
        id: grid_

        anchors.fill: parent
        columns: root.stacked ? 1 : 2
        columnSpacing: Common.spacing
        rowSpacing: Common.spacing

        MySpinBox {
            id: links_

            objectName: "links"
            wrap: !root.stacked && !rechts_.fits
            // Equal preferred widths share the row evenly.
            Layout.preferredWidth: 1
            Layout.fillWidth: true
        }

        MySpinBox {
            id: rechts_

            objectName: "rechts"
            wrap: !root.stacked && !links_.fits
            Layout.preferredWidth: 1
            Layout.fillWidth: true
        }
    }
}
