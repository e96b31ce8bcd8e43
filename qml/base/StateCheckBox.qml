import QtQuick 2.15
import QtQuick.Controls 2.15

// Check box of a flag the controller holds: it shows `held`. A click (or the
// space key) does not tick it; `requested` asks for the other state, and the
// box changes only when the controller writes the flag, so a request the
// controller refuses leaves it as it was. Its text wraps instead of being cut
// off.
//
// With `sendsChanges` a change of `held` that the controller makes on its own
// is reported too, as `requested` with the new state. The answer to the box's
// own request is no such change: the controller writes it while it handles the
// request, so it reaches the box before the call queued at the click's end.
PlainCheckBox {
    id: root

    property bool held: false
    property bool sendsChanges: false

    signal requested(bool wanted)

    property bool asking_: false
    property bool completed_: false

    function endAsking_() { asking_ = false }

    wrap: true
    checked: held
    nextCheckState: function() { return checkState }

    onClicked: {
        asking_ = true
        requested(!held)
        Qt.callLater(endAsking_)
    }
    onHeldChanged: if (sendsChanges && completed_ && !asking_) requested(held)
    Component.onCompleted: completed_ = true
}
