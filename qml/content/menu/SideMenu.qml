import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import tavell.auto 1.0
import tavell.shell 1.0
import tavell.values 1.0
import "../../singletons"

// Collapsible menu along the left edge; the labels slide out beside the icons.
Rectangle {
    id: root

    property bool opened: false
    property int currentIndex: 0
    readonly property real collapsedWidth: 44
    readonly property bool warning: Warnings.count > 0
    readonly property bool autoActive: Auto_.activeA || Auto_.activeB

    signal pageRequested(int index)
    signal updatesRequested()
    signal powerRequested()
    signal themeToggled()

    objectName: "sideMenu"
    width: opened ? collapsedWidth + 250 : collapsedWidth
    color: Common.bg2
    clip: true
    z: 10

    Behavior on width { NumberAnimation { duration: 200 } }

    function entry_(index) {
        root.pageRequested(index)
        root.opened = false
    }

    property color blink_: "transparent"
    SequentialAnimation {
        running: root.warning && root.autoActive
        loops: Animation.Infinite
        onRunningChanged: if (!running) root.blink_ = "transparent"
        ColorAnimation { target: root; property: "blink_"; to: Common.colorWarning; duration: 750; easing.type: Easing.InQuad }
        ColorAnimation { target: root; property: "blink_"; to: "transparent"; duration: 750; easing.type: Easing.InQuad }
    }

    Column {
        width: parent.width

        MenuEntry {
            objectName: "menuExpand"
            width: parent.width
            opened: root.opened
            iconSource: root.warning ? "qrc:/img/exclamation-triangle.svg" : "qrc:/img/arrow-bar-right.svg"
            text: Warnings.count > 1 ? "Warnungen anzeigen" : (Warnings.count === 1 ? "Warnung anzeigen" : "Menü einklappen")
            secondLine: root.warning ? Warnings.title : ""
            tinted: root.warning && !root.autoActive
            tintColor: Common.colorWarningAlpha
            blinkColor: root.blink_
            onClicked: {
                if (onLabel && root.warning) {
                    root.opened = false
                    Warnings.show()
                } else {
                    root.opened = !root.opened
                }
            }
        }
        MenuEntry {
            objectName: "menuBrauprozess"
            width: parent.width
            opened: root.opened
            visible: Values.heatZoneCountB <= 0
            iconSource: "qrc:/img/beer.svg"
            text: "Brauprozess"
            active: root.currentIndex === 0
            tinted: Auto_.activeA
            onClicked: root.entry_(0)
        }
        MenuEntry {
            objectName: "menuAutoA"
            width: parent.width
            opened: root.opened
            visible: Values.heatZoneCountB > 0
            iconSource: "qrc:/img/beer_1.svg"
            text: "Maischautomatik A"
            active: root.currentIndex === 0
            tinted: Auto_.activeA
            onClicked: root.entry_(0)
        }
        MenuEntry {
            objectName: "menuAutoB"
            width: parent.width
            opened: root.opened
            visible: Values.heatZoneCountB > 0
            iconSource: "qrc:/img/beer_2.svg"
            text: "Würzeautomatik B"
            active: root.currentIndex === 1
            tinted: Auto_.activeB
            onClicked: root.entry_(1)
        }
        MenuEntry {
            objectName: "menuReport"
            width: parent.width
            opened: root.opened
            visible: Common.reportVisible
            iconSource: "qrc:/img/list-check.svg"
            text: "Brauprotokoll"
            secondLine: "aktueller / letzter Brauprozess"
            active: root.currentIndex === 2
            onClicked: root.entry_(2)
        }
        MenuEntry {
            objectName: "menuRecipes"
            width: parent.width
            opened: root.opened
            iconSource: "qrc:/img/rezept.svg"
            text: "Rezepte"
            active: root.currentIndex === 3
            onClicked: root.entry_(3)
        }
        MenuEntry {
            objectName: "menuSettings"
            width: parent.width
            opened: root.opened
            iconSource: "qrc:/img/sliders.svg"
            text: "Einstellungen"
            active: root.currentIndex === 4
            onClicked: root.entry_(4)
        }
        MenuEntry {
            objectName: "menuUpdate"
            width: parent.width
            opened: root.opened
            visible: Shell.upgradables.length > 0
            iconSource: "qrc:/img/download.svg"
            text: "Update verfügbar"
            onClicked: { root.opened = false; root.updatesRequested() }
        }
        MenuEntry {
            objectName: "menuHelp"
            width: parent.width
            opened: root.opened
            iconSource: "qrc:/img/question-circle.svg"
            text: "Hilfe anzeigen"
            secondLine: Help.requested ? "zu hervorgehobenen Elementen" : "Elemente hervorheben"
            active: Help.requested
            onClicked: { root.opened = false; Help.requested = !Help.requested }
        }
        MenuEntry {
            objectName: "menuTheme"
            width: parent.width
            opened: root.opened
            iconSource: Common.isDarkTheme ? "qrc:/img/sun.svg" : "qrc:/img/moon.svg"
            text: "Thema wechseln"
            secondLine: Common.isDarkTheme ? "von dunkel zu hell" : "von hell zu dunkel"
            onClicked: root.themeToggled()
        }
        MenuEntry {
            objectName: "menuPower"
            width: parent.width
            opened: root.opened
            iconSource: "qrc:/img/power.svg"
            text: "Herunterfahren"
            secondLine: "oder neustarten"
            onClicked: { root.opened = false; root.powerRequested() }
        }
    }
}
