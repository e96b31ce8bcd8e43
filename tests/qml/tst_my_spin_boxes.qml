import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/base"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 800
    height: 600

    TestCase {
        name: "MySpinBoxes"
        when: windowShown

        Component {
            id: pairComponent

            MySpinBoxes {
                width: 700
                links.text: "Anzahl Nachgüsse"
                links.value: 2
                rechts.text: "Liter (1 Nachguss)"
                rechts.value: 20
            }
        }

        function cleanup() {
            Common.w1 = 0
        }

        function createPair(props) {
            const pair = createTemporaryObject(pairComponent, scene, props || {})
            verify(pair)
            waitForRendering(pair)
            return pair
        }

        function sideBySide(pair) {
            return pair.links.y === pair.rechts.y && pair.rechts.x >= pair.links.x + pair.links.width
        }

        function stacked(pair) {
            return pair.links.x === pair.rechts.x && pair.rechts.y >= pair.links.y + pair.links.height
        }

        function test_stackingFollowsPageWidth() {
            Common.w1 = 600
            const pair = createPair()
            verify(sideBySide(pair))
            fuzzyCompare(pair.links.width, pair.rechts.width, 1)
            Common.w1 = 499
            tryVerify(() => stacked(pair))
            Common.w1 = 500
            tryVerify(() => sideBySide(pair))
        }

        function test_halfBreakpoint() {
            Common.w1 = 400
            const pair = createPair({ halfBreakpoint: true })
            verify(sideBySide(pair))
            Common.w1 = 249
            tryVerify(() => stacked(pair))
        }

        function test_labelsWrapTogether() {
            Common.w1 = 800
            const pair = createPair()
            verify(!pair.links.wrap && !pair.rechts.wrap)
            pair.links.text = "Ein Beschriftungstext, der neben dem Eingabefeld keinen Platz mehr findet"
            verify(!pair.links.fits)
            verify(pair.rechts.fits)
            verify(pair.rechts.wrap)
            verify(!pair.links.wrap)
            const box = findChild(pair.rechts, "spinBox")
            const label = findChild(pair.rechts, "label")
            tryVerify(() => box.y >= label.y + label.height)
            // One above the other each box has the full width to itself.
            Common.w1 = 300
            verify(!pair.rechts.wrap)
        }

        function test_background() {
            const pair = createPair()
            compare(pair.color, Qt.rgba(0, 0, 0, 0))
            pair.fillBg = true
            compare(pair.color, Common.bg1)
        }
    }
}
