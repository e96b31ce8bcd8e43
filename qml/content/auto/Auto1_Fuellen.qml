import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// Step 1: filling the mash kettle with the main infusion.
StepScreen {
    id: root

    readonly property bool lineARuns_: Auto_.activeA
    readonly property var temp_: Values.tempKessel

    objectName: "auto1Fuellen"
    step: Auto_.StepFuellen

    StepComment {
        objectName: "waterComment"
        title: "Anmerkung zur Wasseraufbereitung"
        comment: root.recipe.commentWasser
        Layout.fillWidth: true
    }

    Button {
        readonly property bool on_: Auto_.recoveryDataA.waterTreatedTime >= 0

        objectName: "waterTreatedButton"
        visible: root.lineARuns_ && root.recipe.commentWasser !== ""
        checkable: false
        checked: on_
        text: on_ ? "Wasser aufbereitet" : "Wasser noch nicht aufbereitet"
        Layout.fillWidth: true

        onClicked: Auto_.toPy(Auto_.ToggleWaterTreated, null)
    }

    MyRectColLayout {
        Layout.fillWidth: true

        GridLayout {
            columns: 2
            columnSpacing: Common.spacing
            rowSpacing: Common.spacing
            Layout.fillWidth: true

            Label { text: "Gefüllt (Liter):"; color: Common.fg1 }
            Label {
                objectName: "filled"
                text: `${Values.filledHg.toFixed(1)} / ${root.recipe.maischHg}`
                color: Common.fg1
                Layout.fillWidth: true
            }

            Label { text: "Füllrate (l/Min):"; color: Common.fg1 }
            Label {
                objectName: "fillrate"
                text: Values.fillrate.toFixed(1)
                color: Common.fg1
                Layout.fillWidth: true
            }

            Label { text: "Verbleibende Zeit:"; color: Common.fg1 }
            Label {
                objectName: "remaining"
                text: Auto_.stepA !== Auto_.StepFuellen || Values.filledHg >= root.recipe.maischHg ? ""
                    : Auto_.ertFilling >= 0 ? Common.timeFromSecsShort(Auto_.ertFilling) : "unbekannt"
                color: Common.fg1
                Layout.fillWidth: true
            }

            Label { text: "Temperatur Kessel:"; color: Common.fg1 }
            Label {
                objectName: "tempKessel"
                text: typeof root.temp_ === "number"
                      ? `${root.temp_.toFixed(1)} / ${root.recipe.maischTemp} °C`
                      : "Fehler: " + root.temp_
                textFormat: Text.PlainText
                color: Common.fg1
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }
    }

    Button {
        readonly property bool on_: !Auto_.hgActive || Auto_.hgFinished

        objectName: "hgButton"
        checkable: false
        checked: on_
        text: Auto_.hgFinished ? "Hauptguss abgeschlossen"
            : on_ ? "Hauptguss fortsetzen" : "Hauptguss pausieren"
        enabled: root.lineARuns_ && Auto_.stepA === Auto_.StepFuellen && !Auto_.ngActive && !Auto_.hgFinished
        Layout.fillWidth: true

        onClicked: Auto_.toPy(Auto_.ToggleHg, null)
    }

    StirrerButton {
        step: root.step
        Layout.fillWidth: true
    }

    HeatingButton {
        step: root.step
        suffix: root.isActive ? ` (${root.recipe.maischTemp} °C)` : ""
        Layout.fillWidth: true
    }
}
