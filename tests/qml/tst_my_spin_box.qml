import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
import "qrc:/qml/base"
import "qrc:/qml/singletons"

// A TestCase is invisible itself; the widgets live in the visible scene.
Item {
    id: scene

    width: 800
    height: 600

    TestCase {
        name: "MySpinBox"
        when: windowShown

        Component {
            id: boxComponent

            MySpinBox {
                text: "Kochzeit (Minuten)"
                from: 0
                to: 120
                value: 60
            }
        }

        SignalSpy {
            id: modifiedSpy

            signalName: "modified"
        }

        function createBox(props) {
            const box = createTemporaryObject(boxComponent, scene, props || {})
            verify(box)
            waitForRendering(box)
            modifiedSpy.clear()
            modifiedSpy.target = box
            return box
        }

        function child(box, name) {
            const item = findChild(box, name)
            verify(item, name)
            return item
        }

        function test_operatorButtonsEmitModified() {
            const box = createBox()
            const spin = child(box, "spinBox")
            const up = spin.up.indicator
            mouseClick(up, up.width / 2, up.height / 2)
            compare(modifiedSpy.count, 1)
            compare(modifiedSpy.signalArguments[0][0], 61)
            const down = spin.down.indicator
            mouseClick(down, down.width / 2, down.height / 2)
            mouseClick(down, down.width / 2, down.height / 2)
            compare(modifiedSpy.count, 3)
            compare(modifiedSpy.signalArguments[2][0], 59)
            // The caller's value stays what it stored until it stores another.
            compare(box.value, 60)
        }

        function test_operatorKeysEmitModified() {
            const box = createBox({ stepSize: 5 })
            // The caller stores every change, as a controller that takes it.
            box.modified.connect(function(val) { box.value = val })
            const spin = child(box, "spinBox")
            spin.forceActiveFocus()
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Down)
            compare(modifiedSpy.count, 3)
            compare(modifiedSpy.signalArguments.map(args => args[0]), [65, 70, 65])
        }

        function test_typedValueEmitsModified() {
            const box = createBox({ editable: true })
            const spin = child(box, "spinBox")
            spin.forceActiveFocus()
            spin.contentItem.selectAll()
            keyClick(Qt.Key_4)
            keyClick(Qt.Key_2)
            compare(modifiedSpy.count, 0)
            keyClick(Qt.Key_Return)
            compare(modifiedSpy.count, 1)
            compare(modifiedSpy.signalArguments[0][0], 42)
        }

        function test_programmaticChangesStaySilent() {
            const box = createBox()
            const spin = child(box, "spinBox")
            box.value = 70
            compare(spin.value, 70)
            box.from = 80
            box.to = 100
            spin.increase()
            box.value = 95
            compare(spin.value, 95)
            compare(modifiedSpy.count, 0)
        }

        function test_valueOutsideRangeWarns() {
            const box = createBox({ from: 1, to: 10, value: 12 })
            const spin = child(box, "spinBox")
            const error = child(box, "rangeError")
            compare(spin.value, 10)
            verify(box.error)
            verify(error.visible)
            compare(error.text, "Der Wert 12 liegt nicht im Bereich 1...10")
            compare(box.color, Common.colorWarning)
            box.value = 0
            compare(error.text, "Der Wert 0 liegt nicht im Bereich 1...10")
            compare(spin.value, 1)
            box.value = 5
            verify(!error.visible)
            compare(box.color, Common.bg1)
            compare(modifiedSpy.count, 0)
        }

        // At its limit the arrow is dimmed, not hidden: it keeps the
        // disabled colour, which reads on the panel in both themes.
        function test_arrowAtItsLimitStaysVisible() {
            const box = createBox({ from: 1, to: 10, value: 1 })
            const spin = child(box, "spinBox")
            const down = spin.down.indicator
            const up = spin.up.indicator
            verify(!down.enabled)
            verify(up.enabled)
            compare(child(down, "bar").color, Common.fgDisabled)
            compare(child(up, "bar").color, spin.Material.foreground)
            box.value = 5
            compare(child(down, "bar").color, spin.Material.foreground)
            box.enabled = false
            compare(spin.contentItem.color, Common.fgDisabled)
        }

        function test_errorCanBeSwitchedOff() {
            const box = createBox({ from: 1, to: 10, value: 12, showError: false })
            verify(box.outOfRange)
            verify(!child(box, "rangeError").visible)
            compare(box.color, Common.bg1)
        }

        function test_widenedRangeShowsStoredValue() {
            const box = createBox({ from: 1, to: 10, value: 12 })
            const spin = child(box, "spinBox")
            compare(spin.value, 10)
            box.to = 20
            compare(spin.value, 12)
            verify(!child(box, "rangeError").visible)
            box.from = 15
            compare(spin.value, 15)
            box.from = 1
            compare(spin.value, 12)
            compare(modifiedSpy.count, 0)
        }

        function test_labelBesideOrAboveTheBox() {
            const box = createBox({ width: 600 })
            const label = child(box, "label")
            const spin = child(box, "spinBox")
            verify(box.fits)
            verify(label.x + label.width <= spin.x)
            fuzzyCompare(label.y + label.height / 2, spin.y + spin.height / 2, 1)

            box.width = 200
            verify(!box.fits)
            tryVerify(() => spin.y >= label.y + label.height)
            const tallHeight = box.height

            box.width = 600
            box.wrap = true
            tryVerify(() => spin.y >= label.y + label.height)
            compare(box.height, tallHeight)
        }
    }
}
