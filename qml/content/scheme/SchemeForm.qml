import QtQuick 2.15

// One of the four forms of the plant scheme: "1x" (one kettle), "2x-left",
// "2x" and "2x-right". Until the scheme is drawn it is an empty area of the
// scheme's height.
Item {
    property string form: "1x"

    implicitHeight: 1000
    implicitWidth: 1000
}
