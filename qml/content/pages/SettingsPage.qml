import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.gui 1.0

// Settings frame; the tabs' contents follow with their subsystems.
PlaceholderPage {
    id: root

    readonly property var tabNames: ["Allgemein", "Netzwerk", "Updates", "FlashPico", "Erscheinungsbild", "Maschine", "Handbetrieb"]
    property int tabIndex: 0
    property int updatesTabIndex: 0
    property int pageIndex: -1

    function changeIndex(i) { tabIndex = i }

    function showUpdatePage(idx) {
        updatesTabIndex = idx
        changeIndex(2)
    }

    objectName: "settingsPage"
    pageEnum: Gui.Settings
    heading: "Einstellungen: " + tabNames[tabIndex] + (tabIndex === 2 ? " (" + updatesTabIndex + ")" : "")
}
