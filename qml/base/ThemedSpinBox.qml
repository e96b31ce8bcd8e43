import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import "../singletons"

// The spin box of every screen: a value or an arrow that cannot act now is
// dimmed to Common.fgDisabled, not to the style's faint grey, so it stays
// readable in both themes.
SpinBox {
    id: root

    up.indicator: SpinIndicator {
        objectName: "upIndicator"
        control: root
        plus: true
    }
    down.indicator: SpinIndicator {
        objectName: "downIndicator"
        control: root
        plus: false
    }

    Binding {
        target: root.contentItem
        property: "color"
        value: root.enabled ? root.Material.foreground : Common.fgDisabled
    }
}
