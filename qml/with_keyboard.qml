import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.VirtualKeyboard 2.15
import QtQuick.Window 2.15
import Qt.labs.settings 1.1
import tavell.bridge 1.0
import tavell.gui 1.0
import "singletons"
import "content/components"

ApplicationWindow {
    id: root

    property rect posAndSizeRect: Qt.rect(x, y, width, height)

    function setTheme(theme) { Material.theme = theme }
    function setAccent(accent) { Material.accent = accent }

    function setPosAndSize() {
        if (visibility === Window.FullScreen)
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

    Component.onCompleted: {
        const theme = Number(windowSettings_.theme)
        setTheme(theme)
        const maximized = windowSettings_.maximized === true || windowSettings_.maximized === "true"
        if (maximized) {
            showMaximized()
        } else {
            x = Number(windowSettings_.x)
            y = Number(windowSettings_.y)
            width = Number(windowSettings_.width)
            height = Number(windowSettings_.height)
        }
        if (Gui.fullscreen)
            showFullScreen()
        Gui.fullscreen = Qt.binding(function() { return root.visibility === Window.FullScreen })
        Common.mainHeight = Qt.binding(function() { return inputPanel_.y })
        Common.w1 = Qt.binding(function() { return base_.width - base_.sideMenu.collapsedWidth })
        Common.window = root
    }

    onClosing: {
        windowSettings_.maximized = root.visibility === Window.Maximized
        windowSettings_.x = posAndSizeRect.x
        windowSettings_.y = posAndSizeRect.y
        windowSettings_.width = posAndSizeRect.width
        windowSettings_.height = posAndSizeRect.height
        windowSettings_.sync()
        Gui.fullscreen = false
    }

    Binding {
        target: Common
        property: "theme"
        value: root.Material.theme
    }

    Connections {
        target: Common
        function onThemeChanged() { windowSettings_.theme = Common.theme }
    }

    Settings {
        id: windowSettings_
        category: "window"
        property var theme: Material.System
        property var maximized: false
        property var x: 0
        property var y: 0
        property var width: 700
        property var height: 500
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
