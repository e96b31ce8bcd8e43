import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../singletons"

// Check box that shows `ticked` as the controller reports it; a click only
// asks for the change (`requested`), it does not tick the box itself.
CheckBox {
    id: root

    property bool ticked: false

    signal requested(bool wanted)

    checked: ticked
    nextCheckState: function() { return checkState }

    onClicked: requested(!ticked)
}
