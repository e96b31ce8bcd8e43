import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../singletons"

// Table under a header strip. The header labels set the column widths: a
// label fills spare width where `fillWidth` says so and keeps the minimum and
// maximum widths given (a missing or negative entry means none); the strip
// follows the table's horizontal scroll position. Cells are MyTableCell items
// made by `delegate` (which sets their `table`, `cellRow` and `cellColumn`).
Item {
    id: root

    property var headers: []
    property var fillWidth: []
    property var minWidths: []
    property var maxWidths: []
    property alias model: tableView_.model
    property alias delegate: tableView_.delegate
    readonly property alias tableView: tableView_
    readonly property alias header: header_
    // Row under the pointer, -1 for none.
    property int hoveredRow: -1

    readonly property real spacing_: 10

    // Removes every row but the first.
    function clear() {
        if (tableView_.model && tableView_.model.rowCount > 1)
            tableView_.model.removeRow(1, tableView_.model.rowCount - 1)
    }

    // The cell item at row and column while it is loaded.
    function cellAt(row, col) {
        const m = tableView_.model
        if (!m || row < 0 || col < 0 || row >= m.rowCount || col >= m.columnCount) {
            console.log(`Invalid row or column index: ${row}.${col} (${m ? m.rowCount : 0}.${m ? m.columnCount : 0})`)
            return undefined
        }
        const items = tableView_.contentItem.children
        for (let i = 0; i < items.length; ++i) {
            if (items[i].cellRow === row && items[i].cellColumn === col)
                return items[i]
        }
        return undefined
    }

    function columnWidth(col) {
        const label = labels_.itemAt(col)
        if (!label)
            return 0
        return label.width + spacing_ + (col === headers.length - 1 ? spacing_ : 0)
    }

    function relayout() { tableView_.forceLayout() }

    function cellEntered(row) {
        hoverTimer_.stop()
        hoveredRow = row
    }

    function cellLeft() { hoverTimer_.restart() }

    function entry_(list, i) {
        return list && i < list.length && list[i] !== undefined && list[i] !== null ? list[i] : -1
    }

    Timer {
        id: hoverTimer_
        interval: 10
        onTriggered: root.hoveredRow = -1
    }

    Flickable {
        id: headerFlick_

        objectName: "tableHeader"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: header_.height
        contentWidth: header_.width
        contentX: tableView_.contentX
        interactive: false
        clip: true

        Rectangle {
            id: header_

            width: Math.max(root.width, headerRow_.implicitWidth + 2 * root.spacing_)
            height: headerRow_.implicitHeight + 2 * 5
            color: Common.bg1

            RowLayout {
                id: headerRow_

                anchors.fill: parent
                anchors.leftMargin: root.spacing_
                anchors.rightMargin: root.spacing_
                anchors.topMargin: 5
                anchors.bottomMargin: 5
                spacing: root.spacing_

                Repeater {
                    id: labels_

                    model: root.headers

                    Label {
                        objectName: "headerLabel"
                        text: modelData
                        font.bold: true
                        color: Common.fg1
                        Layout.fillWidth: !!(root.fillWidth && root.fillWidth[index])
                        Layout.minimumWidth: root.entry_(root.minWidths, index) >= 0
                                             ? root.entry_(root.minWidths, index) : implicitWidth
                        Layout.maximumWidth: root.entry_(root.maxWidths, index) >= 0
                                             ? root.entry_(root.maxWidths, index) : Number.POSITIVE_INFINITY
                        onWidthChanged: relayoutTimer_.restart()
                    }
                }
            }
        }
    }

    // Collects the width changes of one layout pass of the header.
    Timer {
        id: relayoutTimer_
        interval: 0
        onTriggered: tableView_.forceLayout()
    }

    TableView {
        id: tableView_

        objectName: "tableView"
        anchors.top: headerFlick_.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        contentWidth: header_.width
        columnWidthProvider: function(col) { return root.columnWidth(col) }
        reuseItems: false
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        flickableDirection: Flickable.AutoFlickIfNeeded

        onWidthChanged: forceLayout()
        onFlickEnded: forceLayout()

        ScrollBar.vertical: ScrollBar { }
        ScrollBar.horizontal: ScrollBar { }
    }
}
