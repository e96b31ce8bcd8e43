import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../singletons"

// A hop addition's note from the recipe, or the grey placeholder.
Label {
    id: root

    property string comment: ""

    objectName: "hopComment"
    text: comment !== "" ? comment : "keine Anmerkung angegeben"
    textFormat: Text.PlainText
    color: comment !== "" ? Common.fg1 : Common.fg2
    font.italic: comment === ""
    wrapMode: Text.Wrap
}
