import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.shell 1.0
import "../../../base/table"

// Package table with its changelog view behind it; the operator cannot swipe
// between the two. A "Changelog" button of the table sends `changelogAction`
// with the row's value and shows the changelog view.
SwipeView {
    id: root

    property int changelogAction: Shell.Changelog
    // Row keys in column order; `listKeys` hold lists of texts, `rawKeys` are
    // handed back to the controller as they came; every other value is text.
    property var keys: []
    property var listKeys: []
    property var rawKeys: []
    readonly property alias table: table_
    readonly property alias changelogView: changelog_

    function showTable() { currentIndex = 0 }

    function requestChangelog(value) {
        Shell.toPy(changelogAction, value)
        currentIndex = 1
    }

    // The controller's rows with every key present and one type per column,
    // as the table model wants them.
    function normalize(rows) {
        const result = []
        for (let i = 0; i < rows.length; ++i) {
            const row = rows[i] || {}
            const cells = {}
            for (const key of keys) {
                const v = row[key]
                if (rawKeys.indexOf(key) >= 0)
                    cells[key] = v === undefined || v === null ? false : v
                else if (listKeys.indexOf(key) >= 0)
                    cells[key] = v === undefined || v === null ? [] : Array.isArray(v) ? v.map(String) : [String(v)]
                else
                    cells[key] = v === undefined || v === null ? "" : String(v)
            }
            result.push(cells)
        }
        return result
    }

    interactive: false
    clip: true

    MyTable {
        id: table_

        objectName: "table"
    }

    UpdatesChangelogFlick {
        id: changelog_

        objectName: "changelogView"
        shown: root.visible && root.currentIndex === 1
        onBack: root.showTable()
    }
}
