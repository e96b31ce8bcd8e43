import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import tavell.auto 1.0
import tavell.bridge 1.0
import tavell.gui 1.0
import "singletons"
import "content/menu"
import "content/pages"
import "content/popups"
import "content/simulator"

// The page container with the side menu, the click catcher and the routing of
// the controller's dialog requests.
Item {
    id: root

    property alias currentIndex: view_.currentIndex
    property alias sideMenu: menu_
    property alias toast: toast_
    property alias powerPopup: power_
    property alias fuellenPopup: fuellen_
    property alias recoveryPopup: recovery_

    signal themeToggled()

    function showUpdatePage(idx) {
        if (settingsLoader_.item)
            settingsLoader_.item.showUpdatePage(idx === undefined ? 0 : idx)
        view_.currentIndex = settingsLoader_.SwipeView.index
    }

    function onPageChanged() {
        switch (Gui.page) {
        case Gui.Auto1: view_.currentIndex = 0; break
        case Gui.Auto2: view_.currentIndex = 1; break
        case Gui.Report: view_.currentIndex = 2; break
        case Gui.Recipes: view_.currentIndex = 3; break
        case Gui.Settings: view_.currentIndex = 4; break
        case Gui.Updates: showUpdatePage(0); break
        case Gui.UpdatesShell: showUpdatePage(3); break
        default: console.error("Keine Page für " + Gui.page + " vorhanden!")
        }
    }

    // Depth first in child order; a view is searched through its current item only.
    function findHelp(item, x, y) {
        if (!item || !item.visible)
            return null
        if (item.currentItem !== undefined && item.currentItem !== null && item !== view_)
            return findHelp(item.currentItem, x, y)
        const p = item.mapFromItem(root, x, y)
        if (!item.contains(p))
            return null
        if (item.helpText !== undefined && item.helpText !== "")
            return item
        for (let i = 0; i < item.children.length; ++i) {
            const found = findHelp(item.children[i], x, y)
            if (found)
                return found
        }
        return null
    }

    function helpClick(x, y) {
        const found = findHelp(simulator_, x, y) || findHelp(view_.currentItem, x, y)
        if (found) {
            Help.missCount = 0
            Dialogs.message("Hilfe" + (found.helpTitle ? " zu '" + found.helpTitle + "'" : ""), found.helpText, "info")
            return
        }
        Help.missCount += 1
        if (Help.missCount >= 3) {
            toast_.notify("Hilfemodus abgebrochen", "qrc:/img/question-octagon.svg")
            Help.missCount = 0
            Help.requested = false
        } else {
            toast_.notify("Keine Hilfe gefunden", "qrc:/img/question-octagon.svg")
        }
    }

    // The controller asks for a line's prepare popup; it only makes sense on
    // that line's page while the line is idle.
    function prepareRequested(line) {
        const popup = line === 1 ? pageAuto1_.preparePopup : pageAuto2_.preparePopup
        const page = line === 1 ? pageAuto1_ : pageAuto2_
        const prefix = "ignoriere auto_" + line + "_popup_prepare(), da "
        if (line === 1 ? Auto_.activeA : Auto_.activeB)
            console.warn(prefix + "die Automatik bereits aktiv ist")
        else if (popup.visible)
            console.warn(prefix + "das Popup bereits geöffnet ist")
        else if (view_.currentItem !== page)
            console.warn(prefix + "nicht die richtige Page ausgewählt ist")
        else
            popup.open()
    }

    // An open popup keeps the id it answers under; a second request for it
    // would leave that id on the dialog stack for ever.
    function openRequestedPopup(popup, id) {
        if (popup.visible) {
            console.warn(`${popup.objectName} ist bereits geöffnet (id ${popup.id_}), ignoriere Anfrage mit id ${id}`)
            return
        }
        popup.id_ = id
        popup.open()
    }

    objectName: "base"

    Component.onCompleted: {
        Dialogs.overlay = root
        Material.accent = Common.accent
        Common.h = Qt.binding(function() { return view_.height })
        Common.w1 = Qt.binding(function() { return view_.width })
        Common.fSize = Qt.binding(function() { return view_.font.pointSize })
        Common.cornerButtonWidth = Qt.binding(function() {
            return simulator_.item ? simulator_.width + 2 * Common.spacing : 0
        })
        Common.cornerButtonHeight = Qt.binding(function() {
            return simulator_.item ? simulator_.height + 2 * Common.spacing : 0
        })
        onPageChanged()
        view_.showPages(false)
    }

    // The hidden top bar: its tabs and power button are never shown; it owns
    // the toast, which shows at its top left.
    Item {
        id: topBar_
        objectName: "topBar"
        width: parent.width
        height: 40
        z: 100
        TabBar {
            objectName: "topTabBar"
            width: parent.width - topPower_.width
            height: parent.height
            visible: false
            TabButton { text: "Automatik" }
            TabButton { text: "Rezepte" }
            TabButton { text: "Settings" }
        }
        ToolButton {
            id: topPower_
            objectName: "topPowerButton"
            anchors.right: parent.right
            height: parent.height
            visible: false
            icon.source: "qrc:/img/power.svg"
            onClicked: power_.open()
        }
        // Right of the collapsed menu, so its icons stay in view.
        Toast {
            id: toast_
            x: menu_.collapsedWidth + Common.spacing
            height: parent.height
        }
    }

    SideMenu {
        id: menu_
        height: parent.height
        currentIndex: view_.currentIndex
        onPageRequested: view_.currentIndex = index
        onUpdatesRequested: root.showUpdatePage(0)
        onPowerRequested: power_.open()
        onThemeToggled: root.themeToggled()
    }

    SwipeView {
        id: view_
        objectName: "pageView"
        x: menu_.collapsedWidth
        width: parent.width - x
        height: parent.height
        interactive: false
        clip: true

        // Line B's page exists on a three-vessel plant only; a page may
        // forbid itself (the report, until it exists).
        function pageShown(i) {
            return (i !== 1 || Common.isSpecial) && itemAt(i).allowed !== false
        }

        // Every page while a change slides (hidden again a second later), else
        // the current one only: pages under it must not be found by the help
        // search, nor drawn.
        function showPages(all) {
            for (let i = 0; i < count; ++i)
                itemAt(i).visible = pageShown(i) && (all || i === currentIndex)
            if (all)
                hideTimer_.restart()
        }

        onCurrentIndexChanged: showPages(true)

        Automatik {
            id: pageAuto1_
            objectName: "pageAuto1"
        }
        Automatik2 {
            id: pageAuto2_
            objectName: "pageAuto2"
        }
        ReportPage {
            // Shown only once the report exists.
            readonly property bool allowed: Common.reportVisible
            visible: allowed
            objectName: "pageReport"
        }
        // Built when first shown, kept from then on.
        Loader {
            id: recipesLoader_

            readonly property bool current_: SwipeView.isCurrentItem

            function showing_() {
                if (current_)
                    active = true
            }

            objectName: "pageRecipes"
            active: false
            source: "qrc:/qml/content/pages/RecipesPage.qml"

            onCurrent_Changed: showing_()
            Component.onCompleted: showing_()
            onLoaded: item.isCurrent = Qt.binding(function() { return recipesLoader_.SwipeView.isCurrentItem })
        }
        // Slot 4: the settings page of the platform the bridge runs on.
        Loader {
            id: settingsLoader_

            objectName: "settingsLoader"

            onLoaded: {
                item.isCurrent = Qt.binding(function() { return settingsLoader_.SwipeView.isCurrentItem })
                item.simulatorWindow = Qt.binding(function() { return simulator_.item ? simulator_.item.window : null })
            }

            Component.onCompleted: {
                switch (Bridge.platform) {
                case "raspi":
                    setSource(Qt.resolvedUrl("content/pages/SettingsPage.qml"),
                              { pageIndex: SwipeView.index, simulatorWindow: simulator_.item ? simulator_.item.window : null })
                    break
                case "desktop":
                case "wasm":
                    // Platforms whose settings pages this program does not have.
                    break
                default:
                    console.error(`Bridge.platform hat einen ungültigen Wert (${Bridge.platform})`)
                }
            }
        }
    }

    // A page change shows every page for its slide; a second later the pages
    // under the current one are hidden again.
    Timer {
        id: hideTimer_
        interval: 1000
        onTriggered: view_.showPages(false)
    }

    // Simulator mode only: the gear button in the corner and the simulator
    // window it brings back.
    Loader {
        id: simulator_

        objectName: "simulatorLoader"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: Common.spacing
        z: 8
        active: Bridge.simulator
        sourceComponent: SimulatorControls { }
    }

    MouseArea {
        objectName: "clickCatcher"
        x: menu_.collapsedWidth
        width: parent.width - x
        height: parent.height
        z: 9
        visible: menu_.opened || Help.requested
        onClicked: {
            if (Help.requested)
                root.helpClick(mouse.x + x, mouse.y)
            menu_.opened = false
        }
    }

    // Popups centre on the page area, as the pages' own popups do.
    PowerPopup {
        id: power_
        parent: view_
    }
    FuellenPopup {
        id: fuellen_
        parent: view_
    }
    SelectRecoveryABPopup {
        id: recovery_
        parent: view_
    }

    Connections {
        target: Common
        function onIsSpecialChanged() { view_.showPages(true) }
    }

    Connections {
        target: Auto_
        function onAuto1PopupPrepare() { root.prepareRequested(1) }
        function onAuto2PopupPrepare() { root.prepareRequested(2) }
    }

    Connections {
        target: Gui
        function onPageChanged() { root.onPageChanged() }
        function onMessage(title, text, category, id) { Dialogs.controllerMessage(title, text, category, id) }
        function onQuestion(title, text, options) { Dialogs.question(title, text, options) }
        function onCloseDialog(id_, accept) { Dialogs.closeDialog(id_, accept) }
        function onCloseCurrentDialog(accept) { accept ? Dialogs.acceptCurrent() : Dialogs.rejectCurrent() }
        function onShowPoweroffDialog() { Dialogs.poweroffQuestion() }
        function onRequestPopup(which, id_) {
            switch (which) {
            case Gui.PopupFullen: root.openRequestedPopup(fuellen_, id_); break
            case Gui.PopupRecovery: root.openRequestedPopup(recovery_, id_); break
            default: console.error(`Unbekannten Enum-Wert erhalten: ${which}`)
            }
        }
    }

    Connections {
        target: Bridge
        function onException(e) {
            console.log("onException: " + JSON.stringify(e))
            Dialogs.error(e)
        }
    }
}
