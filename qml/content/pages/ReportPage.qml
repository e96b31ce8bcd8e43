import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.gui 1.0
import "../../singletons"

// The brewing report's page: empty; it only reports becoming current.
Page {
    id: root

    readonly property bool isCurrent: SwipeView.isCurrentItem

    onIsCurrentChanged: if (isCurrent) Gui.changedPage(Gui.Report)

    background: Rectangle { color: Common.bg1 }
}
