import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../base"
import "../../singletons"

// A recipe's note under its title, or the grey placeholder while it has none.
MyRectColLayout {
    id: root

    property alias title: title_.text
    property string comment: ""
    property string placeholder: "Keine Anmerkung im Rezept eingetragen"

    Label {
        id: title_

        objectName: "commentTitle"
        color: Common.fg1
        font.bold: true
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }

    Label {
        objectName: "commentText"
        text: root.comment !== "" ? root.comment : root.placeholder
        textFormat: Text.PlainText
        color: root.comment !== "" ? Common.fg1 : Common.fg2
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
}
