import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import tavell.gui 1.0

// Fade band over the bottom edge of `flickable`, shown while content lies
// below the view and scroll hints are on.
Rectangle {
    id: root

    property Flickable flickable: null
    property bool indicate: Gui.indicateScrollable === true
    readonly property bool moreContent: flickable !== null
                                        && flickable.contentY + flickable.height
                                           < flickable.originY + flickable.contentHeight - 0.5

    readonly property color background_: Material.background

    implicitHeight: 50
    visible: indicate && moreContent
    gradient: Gradient {
        GradientStop { position: 0; color: Qt.rgba(root.background_.r, root.background_.g, root.background_.b, 0) }
        GradientStop { position: 1; color: root.background_ }
    }
}
