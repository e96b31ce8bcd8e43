import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import "../singletons"

// Button drawn green with a check mark while `active`, red with a cross otherwise.
Button {
    id: root

    property bool active: false

    Material.background: active ? Common.colorOk : Common.colorNegative
    Material.foreground: Common.textOn(Material.background)
    icon.source: active ? "qrc:/img/check-lg.svg" : "qrc:/img/x-lg.svg"
}
