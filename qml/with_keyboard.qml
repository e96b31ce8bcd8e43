import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Window 2.15
import tavell.bridge 1.0
import tavell.gui 1.0
import "singletons"
import "content/components"

ApplicationWindow {
    id: root

    // The toast of the hidden top bar (what Common.notify shows).
    readonly property Item toast: base_.toast
    property rect posAndSizeRect: Qt.rect(x, y, width, height)
    // Set while closing: leaving full screen on the way out must not replace
    // the last windowed geometry that the settings page stores.
    property bool closing_: false

    function setTheme(theme) { Material.theme = theme }
    function setAccent(accent) { Material.accent = accent }

    function setPosAndSize() {
        if (visibility === Window.FullScreen || closing_)
            return
        posAndSizeRect = Qt.rect(x, y, width, height)
    }

    width: 1024
    height: 600
    visible: true
    title: Gui.title
    Material.accent: Common.accent

    onXChanged: setPosAndSize()
    onYChanged: setPosAndSize()
    onWidthChanged: setPosAndSize()
    onHeightChanged: setPosAndSize()

    // Theme and placement are restored and stored by the settings page.
    Component.onCompleted: {
        if (Gui.fullscreen)
            showFullScreen()
        Gui.fullscreen = Qt.binding(function() { return root.visibility === Window.FullScreen })
        Common.mainHeight = Qt.binding(function() { return keyboard_.panelTop })
        Common.window = root
    }

    onClosing: {
        closing_ = true
        Gui.fullscreen = false
    }

    Binding {
        target: Common
        property: "theme"
        value: root.Material.theme
    }

    Connections {
        target: Gui
        function onFullscreenChanged(fullscreen) { fullscreen ? root.showFullScreen() : root.showNormal() }
    }

    Connections {
        target: Bridge
        function onCloseApp() { root.close() }
    }

    Base {
        id: base_
        width: parent.width
        height: keyboard_.panelTop
        onThemeToggled: root.setTheme(Common.isDarkTheme ? Material.Light : Material.Dark)
    }

    // The keyboard is built right after the first frame: the window shows
    // without waiting for it, and it is ready long before anyone can touch a
    // text field. Until then the pages reach down to the bottom.
    Loader {
        id: keyboard_

        // The keyboard's top edge: the bottom while it is hidden or not built yet.
        readonly property real panelTop: item ? item.y : root.height

        objectName: "inputPanelLoader"
        z: 89
        active: false

        Component.onCompleted: setSource("qrc:/qml/content/components/KeyboardPanel.qml",
                                         { window: root, scroller: scroller_ })
    }

    Connections {
        target: root
        enabled: !keyboard_.active
        function onFrameSwapped() { keyboardTimer_.start() }
    }

    // Out of the frame's own hand-over: built in the next round of events.
    Timer {
        id: keyboardTimer_
        interval: 0
        onTriggered: keyboard_.active = true
    }

    FocusScroller { id: scroller_ }
}
