import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// Step 3: the rests of the recipe.
StepScreen {
    id: root

    readonly property var temp_: Values.tempKessel

    objectName: "auto3Rasten"
    step: Auto_.StepRasten

    MyGreenDelayButton {
        objectName: "skipRastButton"
        text: "aktuelle Rast überspringen"
        Material.background: Common.colorWarning
        Material.foreground: Common.fgOnWarning
        enabled: root.isActive && Auto_.skipRastEnabled
        Layout.fillWidth: true

        onActivated: Auto_.toPy(Auto_.MiscEventA, null)
    }

    MyRectColLayout {
        Layout.fillWidth: true

        StepStatus {
            objectName: "statusRasten"
            text: Auto_.statusRasten
        }

        Repeater {
            objectName: "rests"
            model: Math.max(0, Math.min(5, root.recipe.rasteN))

            Label {
                text: `Rast ${index + 1}: ${root.recipe.rasteTemps[index]} °C für ${root.recipe.rasteTimes[index]} Minuten`
                color: Common.fg1
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }

        Label {
            objectName: "lauternTemp"
            text: `Läutertemperatur: ${root.recipe.lauternTemp} °C`
            color: Common.fg1
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        Label {
            objectName: "timeToLautern"
            text: "Ungefähre Zeit bis zum Läutern: "
                  + (Auto_.stepA !== root.step || typeof root.temp_ !== "number"
                     || root.temp_ >= root.recipe.lauternTemp ? ""
                     : Auto_.ertHeating >= 0 ? Common.timeFromSecsShort(Auto_.ertHeating) : "unbekannt")
            color: Common.fg1
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }
}
