import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.shell 1.0
import "../../singletons"
import "../../base"
import "updates"

// Updates tab ("Updates"): search and upgrade on top, then the sub-tabs
// overview, available and installed packages and the console output.
Page {
    id: root

    // Selected sub-tab: 0 overview, 1 available, 2 installed, 3 console.
    property int currentIndex: 0
    readonly property alias overview: overview_
    readonly property alias available: available_
    readonly property alias installed: installed_
    readonly property alias consoleTab: console_

    readonly property bool hasUpgradables_: Shell.upgradables.length > 0

    objectName: "tabUpdates"
    background: null

    // A sub-tab change always brings both tables back.
    onCurrentIndexChanged: {
        available_.showTable()
        installed_.showTable()
        if (currentIndex === 1)
            available_.table.relayout()
        else if (currentIndex === 2)
            installed_.table.relayout()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: Common.spacing

        MyWarning {
            objectName: "autoWarning"
            visible: root.hasUpgradables_ && AutoExt.active
            title: "Automatik aktiv"
            text: "Während der Automatik kann kein Upgrade durchgeführt werden"
            Layout.fillWidth: true
        }

        RowLayout {
            objectName: "topRow"
            enabled: !Shell.locked
            spacing: Common.spacing
            Layout.fillWidth: true

            Button {
                objectName: "searchButton"
                text: "Suche nach Updates"
                icon.source: "qrc:/img/arrow-repeat.svg"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                onClicked: Shell.toPy(Shell.Update, null)
            }

            Button {
                objectName: "upgradeButton"
                text: "Upgrade durchführen"
                icon.source: "qrc:/img/download.svg"
                enabled: root.hasUpgradables_ && !AutoExt.active
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                onClicked: Shell.toPy(Shell.Upgrade, null)
            }
        }

        TabBar {
            id: tabBar_

            objectName: "updatesTabBar"
            currentIndex: root.currentIndex
            Layout.fillWidth: true

            onCurrentIndexChanged: root.currentIndex = currentIndex

            Repeater {
                model: ["Übersicht", "Verfügbar", "Installiert", "Ausgabekonsole"]

                // The bar gives each button a quarter of its width.
                PlainTabButton { text: modelData }
            }
        }

        SwipeView {
            objectName: "updatesView"
            currentIndex: root.currentIndex
            interactive: false
            clip: true
            // The sub-tabs lie apart by more than their buttons' shadows
            // reach: nothing of a neighbour shows at the clipped edge.
            spacing: 4 * Common.spacing
            Layout.fillWidth: true
            Layout.fillHeight: true

            UpdatesTabOverview { id: overview_ }

            UpdatesTabAvailable { id: available_ }

            UpdatesTabInstalled { id: installed_ }

            UpdatesTabConsoleOutput { id: console_ }
        }
    }
}
