import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.VirtualKeyboard 2.15
import QtQuick.Window 2.15
import tavell.bridge 1.0
import tavell.gui 1.0
import "singletons"
import "content/components"

ApplicationWindow {
    id: root

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
    Material.accent: "#6fa4ce"

    onXChanged: setPosAndSize()
    onYChanged: setPosAndSize()
    onWidthChanged: setPosAndSize()
    onHeightChanged: setPosAndSize()

    // Theme and placement are restored and stored by the settings page.
    Component.onCompleted: {
        if (Gui.fullscreen)
            showFullScreen()
        Gui.fullscreen = Qt.binding(function() { return root.visibility === Window.FullScreen })
        Common.mainHeight = Qt.binding(function() { return inputPanel_.y })
        Common.w1 = Qt.binding(function() { return base_.width - base_.sideMenu.collapsedWidth })
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
        height: inputPanel_.y
        onThemeToggled: root.setTheme(Common.isDarkTheme ? Material.Light : Material.Dark)
    }

    InputPanel {
        id: inputPanel_
        objectName: "inputPanel"
        z: 89
        width: Math.min(root.width, 700)
        x: (root.width - width) / 2
        y: root.height
        externalLanguageSwitchEnabled: true

        states: State {
            name: "visible"
            when: inputPanel_.active && root.active
            PropertyChanges { target: inputPanel_; y: root.height - inputPanel_.height }
        }
        transitions: Transition {
            id: slide_
            NumberAnimation { properties: "y"; duration: 250; easing.type: Easing.InOutQuad }
            onRunningChanged: {
                InputContext.animating = running
                if (!running)
                    scroller_.schedule()
            }
        }
    }

    FocusScroller { id: scroller_ }
}
