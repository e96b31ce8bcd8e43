import QtQuick 2.15
import QtTest 1.2

// Run on its own by the harness check in CMakeLists.txt: every test here
// but the console one must fail because of the warning it provokes.
TestCase {
    name: "HarnessWarnings"
    when: windowShown

    property var holder: null
    property int a: 0
    property int b: 0
    property int result: 0

    function test_bindingLoop() {
        a = Qt.binding(() => b + 1)
        b = Qt.binding(() => a + 1)
    }

    function test_consoleWarning() {
        console.warn("deliberate warning of the screens")
    }

    function test_referenceError() {
        result = Qt.binding(() => missingName)
    }

    function test_typeError() {
        result = Qt.binding(() => holder.value)
    }
}
