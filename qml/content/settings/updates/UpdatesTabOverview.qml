import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.shell 1.0
import "../../../singletons"
import "../../../base"

// Sub-tab "Übersicht": whether updates are there, how many packages are
// installed, the testing repository and the cache.
MyGradientFlickContainer {
    id: root

    readonly property int count: Shell.upgradables.length
    readonly property bool available: count > 0

    objectName: "tabOverview"

    MyRectColLayout {
        objectName: "updatesPanel"
        color: root.available ? Common.colorPositive : Common.bg1
        Layout.fillWidth: true

        Label {
            objectName: "updatesHeading"
            text: root.count >= 2 ? `Es sind Updates für ${root.count} Tavell-Pakete verfügbar`
                                  : root.count === 1 ? "Es ist ein Update für ein Tavell-Paket verfügbar"
                                                     : "Es sind aktuell keine Updates verfügbar"
            font.pointSize: Common.fSize2
            wrapMode: Text.Wrap
            color: root.available ? Common.fgOnPositive : Common.fg1
            Layout.fillWidth: true
        }

        Label {
            objectName: "searchHint"
            text: "Neue Suche durch tippen/klicken auf 'Suche nach Updates'"
            wrapMode: Text.Wrap
            color: root.available ? Common.fg2OnPositive : Common.fg2
            Layout.fillWidth: true
        }

        Label {
            objectName: "availableHint"
            visible: root.available
            text: "Für mehr Infos bitte den Tab/Reiter 'verfügbar' wählen"
            wrapMode: Text.Wrap
            color: Common.fg2OnPositive
            Layout.fillWidth: true
        }
    }

    MyRectColLayout {
        objectName: "installedPanel"
        visible: Shell.installed.length > 0
        Layout.fillWidth: true

        Label {
            objectName: "installedCount"
            text: `Anzahl der installierten Tavell-Pakete: ${Shell.installed.length}`
            font.pointSize: Common.fSize2
            wrapMode: Text.Wrap
            color: Common.fg1
            Layout.fillWidth: true
        }

        Label {
            text: "Für mehr Infos bitte den Tab/Reiter 'installiert' wählen"
            wrapMode: Text.Wrap
            color: Common.fg2
            Layout.fillWidth: true
        }
    }

    Button {
        objectName: "testingButton"
        text: "Testing " + (Shell.testingRepoEnabled ? "de" : "") + "aktivieren"
        icon.source: "qrc:/img/slash-square.svg"
        enabled: !Shell.locked
        Layout.fillWidth: true
        onClicked: Shell.toPy(Shell.ToggleTesting, null)
    }

    Label {
        text: "Die Testing-Komponente enthält Vorabversionen der Tavell-Pakete. Die (de)Aktivierung erfordert "
              + "ein Passwort, da diese Aktion nicht ohne Absprache mit der Firma Tavell durchgeführt werden soll. "
              + "Sie dient dem Testen neuer Features und ist daher fehleranfälliger und für den Produktivbetrieb "
              + "nicht empfohlen."
        wrapMode: Text.Wrap
        color: Common.fg2
        Layout.fillWidth: true
    }

    Button {
        objectName: "clearCacheButton"
        text: "Cache löschen"
        icon.source: "qrc:/img/trash3.svg"
        enabled: !Shell.locked
        Layout.fillWidth: true
        onClicked: Shell.toPy(Shell.ClearCache, null)
    }

    Label {
        text: "Wenn Changelogs heruntergeladen oder Dateien geparsed werden müssen, werden dafür temporäre Dateien "
              + "erstellt. Diese Dateien werden zwar durch einen Neustart gelöscht, lassen sich aber durch diesen Button "
              + "auch manuell löschen."
        wrapMode: Text.Wrap
        color: Common.fg2
        Layout.fillWidth: true
    }
}
