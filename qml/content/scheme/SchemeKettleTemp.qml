import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../singletons"

// Temperature of a kettle on the scheme, or the sensor's error text.
Label {
    id: root

    property var temperature

    // The band the scheme's drawing keeps clear of pipes (img/src/scheme.py).
    width: 190
    height: 50
    text: ValuesExt.getTempStr(temperature)
    textFormat: Text.PlainText
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    color: Common.fg1
    font.pointSize: Common.ptSchemeTemp
    elide: Text.ElideRight

    background: Rectangle {
        color: Common.colorSchemeBand
        opacity: 0.2
        radius: 10
    }
}
