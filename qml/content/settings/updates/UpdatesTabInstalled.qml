import QtQuick 2.15
import Qt.labs.qmlmodels 1.0
import tavell.shell 1.0
import "../../../base/table"

// Sub-tab "Installiert": the installed packages.
UpdatesTableTab {
    id: root

    objectName: "tabInstalled"
    changelogAction: Shell.LocalChangelog
    keys: ["name", "version", "arch", "description", "name2"]
    rawKeys: ["name2"]

    table.headers: ["Paketname", "Paketversion", "Architektur", "Beschreibung", "Changelog einsehen"]
    table.fillWidth: [false, false, false, true, false]
    table.minWidths: [120, -1, -1, 200, -1]

    table.model: TableModel {
        TableModelColumn { display: "name" }
        TableModelColumn { display: "version" }
        TableModelColumn { display: "arch" }
        TableModelColumn { display: "description" }
        TableModelColumn { display: "name2" }

        rows: root.normalize(Shell.installed)
    }

    table.delegate: DelegateChooser {
        DelegateChoice {
            column: 4
            MyTableButtonCell {
                table: root.table
                cellRow: row
                cellColumn: column
                value: model.display
                text: "Changelog"
                onClicked: root.requestChangelog(value)
            }
        }
        DelegateChoice {
            MyTableTextCell { table: root.table; cellRow: row; cellColumn: column; value: model.display }
        }
    }
}
