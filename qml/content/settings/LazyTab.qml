import QtQuick 2.15

// A tab of a stack layout that is built when it is first shown and kept from
// then on, so the start does not wait for tabs nobody has opened yet.
Loader {
    id: root

    // Child of a stack layout: shown while it is the layout's current child.
    readonly property bool current_: !!parent && parent.children[parent.currentIndex] === root

    function showing_() {
        if (current_)
            active = true
    }

    active: false

    onCurrent_Changed: showing_()
    Component.onCompleted: showing_()
}
