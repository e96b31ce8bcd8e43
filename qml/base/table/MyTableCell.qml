import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../singletons"

// Common container of the table's cells: inner spacing, the row colours and
// the hover tracking. `table` and `cellRow`/`cellColumn` come from the
// delegate; the content goes into the padded area, which is as wide as the
// cell's column so wrapped texts know their width before the table lays the
// row out.
Rectangle {
    id: root

    property MyTable table: null
    property int cellRow: -1
    property int cellColumn: -1
    default property alias content: content_.data
    property real leftPadding: 10
    property real rightPadding: 0
    property real topPadding: 5
    property real bottomPadding: 5
    readonly property real contentWidth: (table ? table.columnWidth(cellColumn) : width) - leftPadding
                                         - rightPadding
    readonly property bool hovered: table !== null && table.hoveredRow === cellRow

    implicitWidth: table ? table.columnWidth(cellColumn) : content_.childrenRect.width + leftPadding + rightPadding
    implicitHeight: content_.childrenRect.height + topPadding + bottomPadding
    color: hovered ? Common.colorHovered : cellRow % 2 === 1 ? Common.bg2 : "transparent"

    Item {
        id: content_

        x: root.leftPadding
        y: root.topPadding
        width: root.contentWidth
        height: root.height - root.topPadding - root.bottomPadding
    }

    HoverHandler {
        onHoveredChanged: {
            if (!root.table)
                return
            if (hovered)
                root.table.cellEntered(root.cellRow)
            else
                root.table.cellLeft()
        }
    }

    // Does nothing: a handler that takes the tap keeps touch flicking of the
    // table working over the cells.
    TapHandler { }
}
