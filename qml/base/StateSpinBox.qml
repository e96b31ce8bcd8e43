import QtQuick 2.15
import QtQuick.Controls 2.15

// Spin box of a value the controller holds: it shows `held`. An operator's
// change is reported through `modified`; once its handlers have returned (a
// request to the controller returns when the controller has handled it) the
// box shows `held` again, so a refused or corrected request shows what the
// controller keeps, not the operator's step. Values the box is given from
// outside are never reported.
//
// `keepsInput` is for a value no state object holds (a brew's temporary
// value that starts at the recipe's): the box then keeps what the operator set.
ThemedSpinBox {
    id: root

    property int held: 0
    property bool keepsInput: false

    signal modified(int val)

    function showHeld() {
        value = Qt.binding(function() { return root.held })
    }

    value: held

    onValueModified: {
        modified(value)
        if (!keepsInput)
            showHeld()
    }
}
