import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import "../singletons"

// Button drawn green with a check mark while `active`. Its text is shown as
// it is (the manual-operation buttons carry the controller's output names).
PlainButton {
    id: root

    property bool active: false

    // In capitals as the style's other buttons: the plain label takes only
    // what is set on the button, not what the style gives it.
    font.capitalization: Font.AllUppercase
    Material.background: active ? Common.colorOk : undefined
    Material.foreground: active ? Common.textOn(Common.colorOk) : undefined
    icon.source: active ? "qrc:/img/check-lg.svg" : ""
}
