import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/base"

Item {
    id: scene

    width: 600
    height: 400

    TestCase {
        name: "MyFloatingPointSpinBox"
        when: windowShown

        Component {
            id: boxComponent

            MyFloatingPointSpinBox {
                from: -100000
                to: 100000
                locale: Qt.locale("de_DE")
            }
        }

        SignalSpy {
            id: modifiedSpy

            signalName: "valueModified"
        }

        function createBox(props) {
            const box = createTemporaryObject(boxComponent, scene, props || {})
            verify(box)
            waitForRendering(box)
            modifiedSpy.clear()
            modifiedSpy.target = box
            return box
        }

        function test_display_data() {
            return [
                { tag: "default precision", props: { value: 15 }, text: "1,5" },
                { tag: "whole number keeps its decimals", props: { value: 20 }, text: "2,0" },
                { tag: "negative", props: { value: -5 }, text: "-0,5" },
                { tag: "two decimals", props: { value: 1234, precision: 2 }, text: "12,34" },
                { tag: "leading zero", props: { value: 7, precision: 2 }, text: "0,07" },
                { tag: "group separator", props: { value: 12345 }, text: "1.234,5" },
                { tag: "no decimals", props: { value: 42, precision: 0 }, text: "42" },
                { tag: "prefix and suffix", props: { value: 785, prefix: "ca. ", suffix: " °C" }, text: "ca. 78,5 °C" },
                { tag: "english locale", props: { value: 12345, locale: Qt.locale("en_US") }, text: "1,234.5" },
            ]
        }

        function test_display(data) {
            const box = createBox(data.props)
            compare(box.displayText, data.text)
        }

        function test_parse_data() {
            return [
                { tag: "exact", props: {}, text: "2,5", value: 25 },
                { tag: "whole number", props: {}, text: "3", value: 30 },
                { tag: "rounds half up", props: {}, text: "2,35", value: 24 },
                { tag: "rounds down", props: {}, text: "2,34", value: 23 },
                { tag: "binary noise does not round down", props: { precision: 2 }, text: "1,005", value: 101 },
                { tag: "negative", props: {}, text: "-1,2", value: -12 },
                { tag: "group separator", props: {}, text: "1.234,5", value: 12345 },
                { tag: "prefix and suffix", props: { prefix: "ca. ", suffix: " °C" }, text: "ca. 78,5 °C", value: 785 },
                { tag: "suffix typed without blank", props: { suffix: " l" }, text: "3,5l", value: 35 },
                { tag: "unreadable keeps the value", props: { value: 77 }, text: "abc", value: 77 },
            ]
        }

        function test_parse(data) {
            const box = createBox(data.props)
            compare(box.valueFromText(data.text, box.locale), data.value)
        }

        function test_roundTrip() {
            const box = createBox({ precision: 2, suffix: " l" })
            for (const value of [0, 1, 99, 100, 101, -250, 99999]) {
                box.value = value
                compare(box.valueFromText(box.displayText, box.locale), value)
            }
        }

        function test_typedValue() {
            const box = createBox({ value: 10, editable: true, suffix: " l" })
            box.forceActiveFocus()
            box.contentItem.selectAll()
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_Comma)
            keyClick(Qt.Key_7)
            keyClick(Qt.Key_Return)
            compare(box.value, 27)
            compare(box.displayText, "2,7 l")
            compare(modifiedSpy.count, 1)
        }

        function test_lettersAreRefused() {
            const box = createBox({ value: 10, editable: true })
            box.forceActiveFocus()
            box.contentItem.selectAll()
            keyClick(Qt.Key_X)
            keyClick(Qt.Key_5)
            compare(box.contentItem.text, "5")
            keyClick(Qt.Key_Return)
            compare(box.value, 50)
        }
    }
}
