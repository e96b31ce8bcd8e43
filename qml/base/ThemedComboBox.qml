import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.impl 2.15
import QtQuick.Controls.Material 2.15

// The selection box of every screen: the style's box, its arrow built with
// the box. The style builds the arrow only once something asks for it, and
// the style's own padding asks while the box is still being built; Qt keeps
// such a half-built arrow in a table keyed by a sum of two hashes, where two
// boxes can meet, and one arrow is then never finished (LeakSanitizer, now
// and then, on busy machines). An item with an id is built at once.
ComboBox {
    id: root

    indicator: ColorImage {
        id: indicator_

        x: root.mirrored ? root.padding : root.width - width - root.padding
        y: root.topPadding + (root.availableHeight - height) / 2
        color: root.enabled ? root.Material.foreground : root.Material.hintTextColor
        source: "qrc:/qt-project.org/imports/QtQuick/Controls.2/Material/images/drop-indicator.png"
    }
}
