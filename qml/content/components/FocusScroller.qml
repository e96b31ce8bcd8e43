import QtQuick 2.15
import QtQuick.Window 2.15

// Keeps the cursor of the focused text input inside the nearest and the next
// enclosing Flickable. Geometry settles only after layouts and the keyboard
// slide, hence the short delay before every scroll.
Item {
    id: root

    property int margin: 10
    readonly property Item focusItem: Window.activeFocusItem

    property var flickables_: []

    // Called by the keyboard panel when its slide animation ends.
    function schedule() {
        if (flickables_.length > 0)
            timer_.restart()
    }

    function isInput_(item) {
        return item !== null && item.cursorRectangle !== undefined
    }

    function enclosingFlickables_(item) {
        const found = []
        for (let p = item ? item.parent : null; p && found.length < 2; p = p.parent) {
            if (p instanceof Flickable)
                found.push(p)
        }
        return found
    }

    function scrollsVertically_(f) {
        switch (f.flickableDirection) {
        case Flickable.VerticalFlick:
        case Flickable.HorizontalAndVerticalFlick:
            return true
        case Flickable.HorizontalFlick:
            return false
        }
        return f.contentHeight > f.height
    }

    function scrollsHorizontally_(f) {
        switch (f.flickableDirection) {
        case Flickable.HorizontalFlick:
        case Flickable.HorizontalAndVerticalFlick:
            return true
        case Flickable.VerticalFlick:
            return false
        }
        return f.contentWidth > f.width
    }

    // New position so that [pos, pos + size] lies in the view with the margin,
    // kept within the content bounds.
    function fit_(current, view, pos, size, margin, lowest, highest) {
        let target = current
        if (pos - margin < target)
            target = pos - margin
        else if (pos + size + margin > target + view)
            target = pos + size + margin - view
        return Math.max(lowest, Math.min(target, Math.max(lowest, highest)))
    }

    function scrollOne_(f, item) {
        if (!f.visible || !f.interactive)
            return
        const c = item.cursorRectangle
        const r = item.mapToItem(f.contentItem, c.x, c.y, c.width, c.height)
        if (scrollsVertically_(f)) {
            const m = f.scrollMarginVertical !== undefined ? f.scrollMarginVertical : margin
            f.contentY = fit_(f.contentY, f.height, r.y, r.height, m, f.originY - f.topMargin,
                              f.originY + f.contentHeight + f.bottomMargin - f.height)
        }
        if (scrollsHorizontally_(f)) {
            const m = f.scrollMarginHorizontal !== undefined ? f.scrollMarginHorizontal : margin
            f.contentX = fit_(f.contentX, f.width, r.x, r.width, m, f.originX - f.leftMargin,
                              f.originX + f.contentWidth + f.rightMargin - f.width)
        }
    }

    function scroll() {
        const item = focusItem
        if (!isInput_(item))
            return
        // The inner one first: its new position moves the cursor seen by the outer one.
        for (let i = 0; i < flickables_.length; ++i)
            scrollOne_(flickables_[i], item)
    }

    onFocusItemChanged: {
        flickables_ = isInput_(focusItem) ? enclosingFlickables_(focusItem) : []
        schedule()
    }

    Timer {
        id: timer_
        interval: 10
        onTriggered: root.scroll()
    }

    Connections {
        target: Qt.inputMethod
        function onKeyboardRectangleChanged() { root.schedule() }
        function onCursorRectangleChanged() { root.schedule() }
    }
}
