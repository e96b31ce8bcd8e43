import QtQuick 2.15

// Builds its item the first time `wanted` turns true and keeps it from then
// on, so the start does not wait for what nobody has looked at yet. (Not
// `active: wanted || active`: that binds the property to itself.)
Loader {
    id: root

    property bool wanted: false

    function build_() {
        if (wanted)
            active = true
    }

    active: false

    onWantedChanged: build_()
    Component.onCompleted: build_()
    // Taken down while its file still loads in the background (a repeater's
    // delegate whose model was replaced, as the scheme views are once the
    // plant's second line is known), it stops waiting for the file: on
    // arrival the loader would build the item in the context already gone.
    Component.onDestruction: if (status === Loader.Loading) active = false
}
