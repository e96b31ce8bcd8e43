import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"
import "../../base"
import "../scheme/SchemeForms.js" as Forms

// The plant scheme beside (or below) a line's steps: one scheme form per view,
// scaled into the area, with buttons to page between the views.
Item {
    id: root

    // Forms of the scheme views, e.g. ["1x"] or ["2x-left", "2x"].
    property var forms: ["1x"]
    // Fit the scheme to the area's height (beside the steps) or to its width
    // (below them, the page scrolls).
    property bool fitHeight: true
    // Whether the area is on screen: views are built only then.
    property bool shown: true

    readonly property alias currentIndex: view_.currentIndex
    readonly property alias count: view_.count
    readonly property alias view: view_
    // Width over height of the widest form: paging between the views keeps
    // the area's size, so what stands beside it does not reflow.
    readonly property real aspect_: Forms.widestAspect(forms)
    // The band below the scheme: the pager's, which keeps clear of the
    // simulator's gear in the page area's corner; without a pager the gear's
    // own height, so that the gear covers nothing of the scheme.
    readonly property real pagerHeight_: pager_.visible ? pager_.implicitHeight : Common.cornerButtonHeight

    // Beside the steps the area is as wide as the scheme needs at its height;
    // below them, as high as the scheme needs at its width.
    implicitWidth: fitHeight ? Math.max(0, height - pagerHeight_) * aspect_ : 0
    implicitHeight: fitHeight ? 0 : width / aspect_ + pagerHeight_

    function showView(index) {
        view_.currentIndex = Math.max(0, Math.min(index, view_.count - 1))
    }

    onFormsChanged: showView(view_.currentIndex)

    SwipeView {
        id: view_

        objectName: "schemeView"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: pager_.visible ? pager_.top : parent.bottom
        anchors.bottomMargin: pager_.visible ? 0 : root.pagerHeight_
        interactive: false
        clip: true

        Repeater {
            model: root.forms

            // A view's form is built the first time the view is on screen and
            // kept from then on. It is built in the background and its picture
            // decoded off the GUI thread: the page shows at once and the scheme
            // joins it a moment later.
            LazyLoader {
                objectName: "schemeView_" + modelData
                wanted: SwipeView.isCurrentItem && root.shown
                asynchronous: true

                Component.onCompleted: setSource(Qt.resolvedUrl("../scheme/SchemeView.qml"), { formName: modelData })
            }
        }
    }

    RowLayout {
        id: pager_

        objectName: "schemePager"
        anchors.left: parent.left
        anchors.right: parent.right
        // Clear of the simulator's gear in the page area's corner.
        anchors.rightMargin: Common.cornerButtonWidth
        anchors.bottom: parent.bottom
        visible: view_.count > 1

        ToolButton {
            objectName: "schemePrevious"
            icon.source: "qrc:/img/chevron-left.svg"
            icon.color: Common.fg1
            enabled: view_.currentIndex > 0
            onClicked: root.showView(view_.currentIndex - 1)
        }
        Item {
            implicitHeight: indicator_.implicitHeight
            Layout.fillWidth: true

            PageIndicator {
                id: indicator_

                anchors.centerIn: parent
                count: view_.count
                currentIndex: view_.currentIndex
            }
        }
        ToolButton {
            objectName: "schemeNext"
            icon.source: "qrc:/img/chevron-right.svg"
            icon.color: Common.fg1
            enabled: view_.currentIndex < view_.count - 1
            onClicked: root.showView(view_.currentIndex + 1)
        }
    }
}
