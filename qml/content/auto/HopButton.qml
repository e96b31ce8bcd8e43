import QtQuick 2.15
import tavell.auto 1.0
import "../../base"

// Marks hop addition `number` done (or the last done one undone again).
MyGreenRedCheckButton {
    id: root

    property int number: 1
    property bool done: false

    objectName: "hopButton"
    active: done
    text: done ? "erledigt" : "ausstehend"

    onClicked: Auto_.toPy(Auto_.SetHopfengabe, number)
}
