import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/singletons"

// The program's real main window, as the program loads it (run with the
// virtual keyboard's input method, see CMakeLists.txt).
TestCase {
    id: testCase

    property var win: null

    name: "MainWindow"

    function initTestCase() {
        const component = Qt.createComponent("qrc:/qml/with_keyboard.qml")
        compare(component.status, Component.Ready, component.errorString())
        win = component.createObject(null)
        verify(win)
        tryCompare(win, "visible", true)
    }

    function cleanupTestCase() {
        win.close()
        win.destroy()
    }

    function test_notifyShowsTheToast() {
        compare(Common.window, win)
        const toast = win.toast
        Common.notify("Rezept gespeichert")
        verify(toast.visible)
        compare(toast.text, "Rezept gespeichert")
        compare(String(toast.iconUrl), "qrc:/img/info-circle.svg")
        verify(Qt.colorEqual(toast.tone, "transparent"))
        verify(Qt.colorEqual(toast.color, Common.colorToast))
        tryCompare(toast, "visible", false, 2000)
        Common.notify("Grün", { color: "green", duration: 50 })
        verify(toast.visible)
        verify(Qt.colorEqual(toast.color, "green"))
        compare(toast.interval, 50)
        tryCompare(toast, "visible", false, 1000)
    }

    // Behind a modal popup the page darkens, in the dark theme as in the light.
    function test_modalPopupDarkensThePage() {
        const popup = findChild(win.contentItem, "base").powerPopup
        for (const dark of [true, false]) {
            win.setTheme(dark ? 1 : 0)
            popup.open()
            tryCompare(popup, "opened", true)
            const dim = findChild(win.overlay, "modalDim")
            verify(dim && dim.visible)
            verify(Common.luminance(dim.color) < 0.01, String(dim.color))
            verify(dim.color.a >= 0.3)
            popup.close()
            tryCompare(popup, "visible", false)
        }
    }

    // The keyboard is built after the first frame; once it is, it slides up
    // for a focused text input and the pages end at its top edge.
    function test_keyboardForTextInput() {
        const loader = findChild(win.contentItem, "inputPanelLoader")
        tryVerify(function() { return loader.status === Loader.Ready }, 5000)
        const panel = loader.item
        compare(panel.objectName, "inputPanel")
        compare(Common.mainHeight, win.height)
        const field = Qt.createQmlObject('import QtQuick.Controls 2.15; TextField { }', win.contentItem)
        win.requestActivate()
        tryVerify(function() { return win.active })
        field.forceActiveFocus()
        tryVerify(function() { return panel.y <= win.height - panel.height }, 3000)
        verify(panel.height > 0)
        tryCompare(Common, "mainHeight", win.height - panel.height)
        field.focus = false
        field.destroy()
        tryCompare(Common, "mainHeight", win.height, 3000)
    }
}
