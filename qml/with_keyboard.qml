import QtQuick 2.15
import QtQuick.Window 2.15
import tavell.bridge 1.0
import tavell.gui 1.0

Window {
    id: root

    width: 1024
    height: 600
    visible: true
    title: Gui.title
    visibility: Gui.fullscreen ? Window.FullScreen : Window.Windowed

    Connections {
        target: Bridge
        function onCloseApp() { root.close() }
    }
}
