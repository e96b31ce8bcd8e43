import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"

// A step's status line as the controller writes it: plain text, bold and
// wrapped, hidden while empty.
Label {
    textFormat: Text.PlainText
    visible: text !== ""
    color: Common.fg1
    font.bold: true
    font.pointSize: Common.fSize2
    wrapMode: Text.Wrap
    Layout.fillWidth: true
}
