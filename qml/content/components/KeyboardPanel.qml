import QtQuick 2.15
import QtQuick.VirtualKeyboard 2.15
import QtQuick.Window 2.15

// The on-screen keyboard at the bottom of `window`: it slides up while a
// text input has the focus and the window is active, and lets `scroller`
// bring the input into view once it is up.
InputPanel {
    id: root

    property Window window
    property Item scroller

    objectName: "inputPanel"
    width: Math.min(window.width, 700)
    x: (window.width - width) / 2
    y: window.height
    externalLanguageSwitchEnabled: true

    states: State {
        name: "visible"
        when: root.active && root.window.active
        PropertyChanges { target: root; y: root.window.height - root.height }
    }
    transitions: Transition {
        NumberAnimation { properties: "y"; duration: 250; easing.type: Easing.InOutQuad }
        onRunningChanged: {
            InputContext.animating = running
            if (!running)
                root.scroller.schedule()
        }
    }
}
