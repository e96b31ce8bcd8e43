import QtQuick 2.15
import Qt.labs.qmlmodels 1.0
import tavell.shell 1.0
import "../../../base/table"

// Sub-tab "Verfügbar": the packages that can be upgraded.
UpdatesTableTab {
    id: root

    objectName: "tabAvailable"
    changelogAction: Shell.Changelog
    keys: ["name", "versionNew", "versionOld", "urgency", "lastChange", "changelogAvailable"]
    listKeys: ["lastChange"]
    rawKeys: ["changelogAvailable"]

    table.headers: ["Paketname", "neue Version", "installierte Version", "Priorität", "Änderungen",
        "Changelog einsehen"]
    table.fillWidth: [false, false, false, false, true, false]
    table.minWidths: [120, -1, -1, -1, 200, -1]

    table.model: TableModel {
        TableModelColumn { display: "name" }
        TableModelColumn { display: "versionNew" }
        TableModelColumn { display: "versionOld" }
        TableModelColumn { display: "urgency" }
        TableModelColumn { display: "lastChange" }
        TableModelColumn { display: "changelogAvailable" }

        rows: root.normalize(Shell.upgradables)
    }

    table.delegate: DelegateChooser {
        DelegateChoice {
            column: 3
            MyTableUrgencyCell { table: root.table; cellRow: row; cellColumn: column; value: model.display }
        }
        DelegateChoice {
            column: 4
            MyTableChangesCell { table: root.table; cellRow: row; cellColumn: column; value: model.display }
        }
        DelegateChoice {
            column: 5
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
