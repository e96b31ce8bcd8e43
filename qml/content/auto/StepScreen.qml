import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import tavell.recipes 1.0
import "../../base"
import "../../singletons"

// Frame of a step screen: an optional fixed headline, a scrolling column and
// an optional fixed footer (the hold button that moves the line on, which
// must not scroll out of reach).
// Steps up to mashing out belong to line A, the later ones to the cooking line.
Item {
    id: root

    property int step: Auto_.StepFuellen
    readonly property bool cookingLine: step >= Auto_.StepLautern
    // Line B's flags on a three-vessel plant's cooking steps, else line A's.
    readonly property bool lineB: cookingLine && Common.isSpecial
    readonly property bool running: cookingLine ? AutoExt.activeX : Auto_.activeA
    readonly property int lineStep: cookingLine ? AutoExt.stepX : Auto_.stepA
    readonly property bool isActive: running && lineStep === step
    // The cooking line's recipe follows the plant layout as it changes.
    readonly property Recipe recipe: lineB ? Recipes.autoB : Recipes.autoA
    default property alias content: flick_.content
    property alias header: header_.data
    property alias footer: footer_.data

    // All of the content: a host that scrolls by itself can show it whole.
    // The laid-out heights: reading the headline's implicit height here would
    // re-enter its layout while a wrapped text takes a new width.
    implicitHeight: (header_.visible ? header_.height + Common.spacing : 0)
                    + flick_.flickable.contentHeight
                    + (footer_.visible ? footer_.height + Common.spacing : 0)
    visible: SwipeView.view ? SwipeView.isCurrentItem : true

    ColumnLayout {
        anchors.fill: parent
        spacing: Common.spacing

        ColumnLayout {
            id: header_

            visible: children.length > 0
            spacing: Common.spacing
            Layout.fillWidth: true
        }

        MyGradientFlickContainer {
            id: flick_

            objectName: "stepFlick"
            Layout.fillWidth: true
            Layout.fillHeight: true
        }

        ColumnLayout {
            id: footer_

            objectName: "stepFooter"
            visible: children.length > 0
            spacing: Common.spacing
            Layout.fillWidth: true
        }
    }
}
