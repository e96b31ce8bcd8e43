import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.gui 1.0
import "../../singletons"

// Stand-in for a page whose contents are not built yet.
Page {
    id: root

    property int pageEnum: Gui.Auto1
    property string heading

    readonly property bool isCurrent: SwipeView.isCurrentItem

    onIsCurrentChanged: if (isCurrent) Gui.changedPage(pageEnum)

    background: Rectangle { color: Common.bg1 }

    Label {
        objectName: "placeholderText"
        anchors.centerIn: parent
        horizontalAlignment: Text.AlignHCenter
        text: root.heading + "\n(Platzhalter: Inhalt folgt)"
        font.pixelSize: 24
        color: Common.fg2
    }
}
