import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/base"

Item {
    id: scene

    width: 800
    height: 600

    TestCase {
        name: "MySelectionList"
        when: windowShown

        property int storedIndex: 1

        Component {
            id: listComponent

            MySelectionList {
                text: "Frequenz in kHz"
                model: [10, 50, 100, 250, 500, 750, 1000]
            }
        }

        SignalSpy {
            id: activatedSpy

            signalName: "activated"
        }

        function init() {
            storedIndex = 1
        }

        function createList(props) {
            const list = createTemporaryObject(listComponent, scene, props || {})
            verify(list)
            waitForRendering(list)
            activatedSpy.clear()
            activatedSpy.target = list
            return list
        }

        function test_operatorChoiceByMouse() {
            const list = createList({ currentIndex: 3 })
            const combo = findChild(list, "comboBox")
            compare(list.currentText, "250")
            mouseClick(combo)
            tryVerify(() => combo.popup.opened)
            const view = combo.popup.contentItem
            tryVerify(() => view.itemAtIndex(5) !== null)
            const entry = view.itemAtIndex(5)
            mouseClick(entry)
            tryVerify(() => !combo.popup.visible)
            compare(activatedSpy.count, 1)
            compare(activatedSpy.signalArguments[0][0], 5)
            compare(list.currentIndex, 5)
            compare(list.currentText, "750")
        }

        function test_operatorChoiceByKeys() {
            const list = createList({ currentIndex: 0 })
            findChild(list, "comboBox").forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(activatedSpy.count, 2)
            compare(activatedSpy.signalArguments[1][0], 2)
            compare(list.currentText, "100")
        }

        function test_programmaticChangesStaySilent() {
            const list = createList()
            list.currentIndex = Qt.binding(() => storedIndex)
            compare(list.currentText, "50")
            storedIndex = 4
            compare(list.currentText, "500")
            list.model = ["Hell", "Dunkel"]
            list.currentIndex = 1
            compare(list.currentText, "Dunkel")
            compare(activatedSpy.count, 0)
        }

        function test_bindingSurvivesOperatorChoice() {
            const list = createList()
            list.currentIndex = Qt.binding(() => storedIndex)
            findChild(list, "comboBox").forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(list.currentIndex, 2)
            compare(activatedSpy.count, 1)
            // The stored value answers the operator's choice and is shown.
            storedIndex = 6
            compare(list.currentText, "1000")
        }

        function test_labelBesideOrAboveTheBox() {
            const list = createList({ width: 600 })
            const label = findChild(list, "label")
            const combo = findChild(list, "comboBox")
            verify(list.fits)
            verify(label.x + label.width <= combo.x)
            list.width = 150
            verify(!list.fits)
            tryVerify(() => combo.y >= label.y + label.height)
            compare(combo.width, label.width)
        }
    }
}
