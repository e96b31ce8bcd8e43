import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import "qrc:/qml/content/components"

Item {
    id: scene

    width: 800
    height: 400

    FocusScroller { id: scroller }

    Flickable {
        id: plain
        width: 200; height: 100
        contentWidth: 200; contentHeight: 1000
        TextField { id: plainField; y: 800; width: 150 }
        TextField { id: topField; y: 20; width: 150 }
    }

    Flickable {
        id: locked
        x: 200
        width: 200; height: 100
        contentWidth: 200; contentHeight: 1000
        interactive: false
        TextField { id: lockedField; y: 800; width: 150 }
    }

    Flickable {
        id: withMargins
        property int scrollMarginVertical: 40
        property int scrollMarginHorizontal: 30
        x: 400
        width: 200; height: 100
        contentWidth: 1000; contentHeight: 1000
        flickableDirection: Flickable.HorizontalAndVerticalFlick
        TextField { id: marginField; x: 700; y: 800; width: 100 }
    }

    // Automatic direction, content fits vertically: only horizontal scrolling.
    Flickable {
        id: wide
        x: 600
        width: 200; height: 100
        contentWidth: 1000; contentHeight: 80
        TextField { id: wideField; x: 800; y: 10; width: 100 }
    }

    // Nested: the field must end up visible in both views.
    Flickable {
        id: outer
        y: 200
        width: 200; height: 150
        contentWidth: 200; contentHeight: 800
        Flickable {
            id: inner
            y: 500
            width: 200; height: 100
            contentWidth: 200; contentHeight: 1000
            TextField { id: nestedField; y: 700; width: 150 }
        }
    }

    TestCase {
        name: "FocusScroller"
        when: windowShown

        function cursorIn(field, item) {
            const c = field.cursorRectangle
            return field.mapToItem(item, c.x, c.y, c.width, c.height)
        }

        function init() {
            for (const f of [plain, locked, withMargins, wide, outer, inner]) {
                f.contentX = 0
                f.contentY = 0
            }
            scene.forceActiveFocus()
        }

        function test_scrollsDownToFocusedFieldWithMargin() {
            plainField.forceActiveFocus()
            tryVerify(function() { return plain.contentY > 0 }, 1000)
            const r = cursorIn(plainField, plain)
            fuzzyCompare(r.y + r.height, plain.height - 10, 0.5)
            compare(plain.contentX, 0)
        }

        function test_scrollsUpToFieldAbove() {
            plain.contentY = 900
            topField.forceActiveFocus()
            tryVerify(function() { return plain.contentY < 900 }, 1000)
            fuzzyCompare(cursorIn(topField, plain).y, 10, 0.5)
        }

        function test_visibleFieldStays() {
            plain.contentY = 760
            const before = cursorIn(plainField, plain)
            verify(before.y >= 10 && before.y + before.height <= plain.height - 10)
            plainField.forceActiveFocus()
            wait(50)
            compare(plain.contentY, 760)
        }

        function test_nonInteractiveIsLeftAlone() {
            lockedField.forceActiveFocus()
            wait(50)
            compare(locked.contentY, 0)
        }

        function test_ownMarginsWin() {
            marginField.forceActiveFocus()
            tryVerify(function() { return withMargins.contentY > 0 && withMargins.contentX > 0 }, 1000)
            const r = cursorIn(marginField, withMargins)
            fuzzyCompare(r.y + r.height, withMargins.height - 40, 0.5)
            fuzzyCompare(r.x + r.width, withMargins.width - 30, 0.5)
        }

        function test_automaticDirectionFollowsContentSize() {
            wideField.forceActiveFocus()
            tryVerify(function() { return wide.contentX > 0 }, 1000)
            compare(wide.contentY, 0)
        }

        function test_nestedFlickablesBothScroll() {
            nestedField.forceActiveFocus()
            tryVerify(function() { return inner.contentY > 0 && outer.contentY > 0 }, 1000)
            const inInner = cursorIn(nestedField, inner)
            verify(inInner.y >= 10 && inInner.y + inInner.height <= inner.height - 10)
            const inOuter = cursorIn(nestedField, outer)
            verify(inOuter.y >= 10 && inOuter.y + inOuter.height <= outer.height - 10)
        }

        function test_cursorMoveScrollsAgain() {
            plainField.forceActiveFocus()
            tryVerify(function() { return plain.contentY > 0 }, 1000)
            plain.contentY = 0
            scroller.schedule()
            tryVerify(function() { return plain.contentY > 0 }, 1000)
        }
    }
}
