import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.gui 1.0
import "../singletons"

// Vertically scrolling column with fade bands at the edges beyond which more
// content lies. While the column is taller than the view its scroll bar
// stays shown, beside the column: it never covers the column's right edge.
// Otherwise there is no bar at all (not even a fading one, as Material's
// AsNeeded bar draws for a few seconds after it was last needed).
Item {
    id: root

    default property alias content: column_.data
    property alias spacing: column_.spacing
    property bool indicate: Gui.indicateScrollable === true
    readonly property alias flickable: flickable_
    readonly property alias scrollBar: scrollBar_
    // A view not laid out yet (no height) does not scroll.
    readonly property bool scrollable: flickable_.height > 0 && flickable_.contentHeight > flickable_.height + 0.5
    // Follows `scrollable` a moment later: the column's width depends on it
    // and its height on the width. (Narrower, the column only grows taller,
    // so giving the bar room cannot make it stop being scrollable.)
    property bool barShown_: false

    onScrollableChanged: barTimer_.restart()

    Timer {
        id: barTimer_

        interval: 0
        onTriggered: root.barShown_ = root.scrollable
    }

    Flickable {
        id: flickable_

        objectName: "flickable"
        anchors.fill: parent
        contentWidth: width
        // The laid-out height: reading the implicit height here re-enters the
        // layout of children whose arrangement depends on their width.
        contentHeight: column_.height
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        ScrollBar.vertical: ScrollBar {
            id: scrollBar_

            objectName: "scrollBar"
            policy: root.barShown_ ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        }

        ColumnLayout {
            id: column_

            // Beside the bar while it shows.
            width: flickable_.width - (root.barShown_ ? scrollBar_.width : 0)
            spacing: Common.spacing
        }
    }

    MyGradientBoxTop {
        objectName: "gradientTop"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        flickable: flickable_
        indicate: root.indicate
    }

    MyGradientBoxBottom {
        objectName: "gradientBottom"
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        flickable: flickable_
        indicate: root.indicate
    }
}
