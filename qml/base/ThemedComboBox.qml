import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.impl 2.15
import QtQuick.Controls.Material 2.15
import "../singletons"

// The selection box of every screen: the style's box, its arrow built with
// the box. The style builds the arrow only once something asks for it, and
// the style's own padding asks while the box is still being built; Qt keeps
// such a half-built arrow in a table keyed by a sum of two hashes, where two
// boxes can meet, and one arrow is then never finished (LeakSanitizer, now
// and then, on busy machines). An item with an id is built at once.
//
// A box that cannot be used now (the recipe of a running line) shows its
// text and arrow in Common.fgDisabled, not in the style's faint grey, so the
// value stays readable in both themes.
ComboBox {
    id: root

    // Bound once the box is complete: read earlier, the style would build
    // the text half-way (above).
    Component.onCompleted: contentItem.color = Qt.binding(function() {
        return root.enabled ? root.Material.foreground : Common.fgDisabled
    })

    indicator: ColorImage {
        id: indicator_

        x: root.mirrored ? root.padding : root.width - width - root.padding
        y: root.topPadding + (root.availableHeight - height) / 2
        color: root.enabled ? root.Material.foreground : Common.fgDisabled
        source: "qrc:/qt-project.org/imports/QtQuick/Controls.2/Material/images/drop-indicator.png"
    }
}
