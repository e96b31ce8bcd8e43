import QtQuick 2.15
import "../../base"

// A tab of a stack layout that is built when it is first shown (its page on
// screen and the tab the layout's current child) and kept from then on.
LazyLoader {
    id: root

    // Whether the page holding the stack is on screen.
    property bool pageShown: true

    wanted: pageShown && !!parent && parent.children[parent.currentIndex] === root
}
