import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// Step 5: lautering with cloudy-wort pumping, the sparges and first-wort hops.
StepScreen {
    id: root

    objectName: "auto5Laeutern"
    step: Auto_.StepLautern

    StateSwitch {
        objectName: "trubwurzeSwitch"
        text: `Trubwürzepumpen (${Auto_.fuFreqSpPumpLautern} Hz)`
        on: Auto_.trubwurzeActive
        enabled: root.isActive && !Auto_.lauternActive && !Auto_.ngActive
        Layout.fillWidth: true

        onRequested: Auto_.toPy(Auto_.ToggleTrubwurze, null)
    }

    StateSwitch {
        objectName: "lauternSwitch"
        text: `Läutern (${Auto_.fuFreqSpPumpLautern} Hz)`
        on: Auto_.lauternActive
        enabled: root.isActive && !Auto_.trubwurzeActive
        Layout.fillWidth: true

        onRequested: Auto_.toPy(Auto_.ToggleLautern, null)
    }

    MySpinBox {
        objectName: "pumpFrequencyBox"
        text: "Frequenz Pumpe\n(" + (Auto_.useLauterPumpFreq ? "Läutern/Trubwürze" : "Handbetrieb") + ")"
        value: AutoExt.freqPump1AutoHand
        from: Values.fuFreqSpPump1Min
        to: Values.fuFreqSpPump1Max
        showError: false
        textFromValue: function(val) { return `${val} Hz` }
        enabled: root.isActive
        Layout.fillWidth: true

        onModified: Auto_.toPy(Auto_.FuFreqSpPump1, val)
    }

    MyRectColLayout {
        Layout.fillWidth: true

        SpargeButton {
            litersPerSparge: root.recipe.lauternNgLiters
            enabled: root.isActive && !Auto_.trubwurzeActive && !Auto_.hgActive
            Layout.fillWidth: true
        }

        MySpinBox {
            objectName: "spargeLitersBox"
            value: root.recipe.lauternNgLiters
            from: Values.nachgussLiterMin
            to: Values.nachgussLiterMax
            showError: false
            // A temporary value no state object holds: the box keeps it.
            keepsInput: true
            textFromValue: function(val) { return `${val} Liter` }
            enabled: root.isActive && !Auto_.ngActive
            Layout.fillWidth: true

            onModified: Auto_.toPy(Auto_.NgLitersSetpointTmp, val)
        }

        Label {
            objectName: "spargeState"
            text: Auto_.ngStep === 0 ? "Noch keinen Nachguss gestartet"
                : `Nachguss ${Auto_.ngStep} von ${root.recipe.lauternNgCount} `
                  + `(${Auto_.ngLitersStep.toFixed(2)} / ${root.recipe.lauternNgLiters} Liter, `
                  + `bisher total ${Auto_.ngLitersTotal.toFixed(2)} Liter)`
            color: Common.fg1
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }

    StirrerButton {
        step: root.step
        lineB: root.lineB
        Layout.fillWidth: true
    }

    HeatingButton {
        step: root.step
        lineB: root.lineB
        suffix: root.isActive ? ` (${root.recipe.lauternTemp} °C)` : ""
        Layout.fillWidth: true
    }

    ColumnLayout {
        objectName: "firstWortHop"
        visible: root.recipe.hopfenVorderwurze
        spacing: Common.spacing
        Layout.fillWidth: true

        Label {
            objectName: "firstWortHint"
            visible: HopfenTimer.current === 0
            text: "Bei Hopfengabe bitte den roten 'ausstehend'-Button betätigen"
            color: Common.fg1
            font.bold: true
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        HopRow {
            number: 1
            subtitle: "Vorderwürze"
            timeText: "Vorderwürze"
            alarm: AutoExt.stepX === Auto_.StepLautern && HopfenTimer.alarm && HopfenTimer.current === 0
            done: HopfenTimer.current > 0
            buttonEnabled: AutoExt.stepX >= Auto_.StepLautern && HopfenTimer.current < 2
            comment: root.recipe.hopfenComments[0]
            Layout.fillWidth: true
        }
    }

    // Always in view below the scrolling column: the step's way on.
    footer: MyGreenDelayButton {
        objectName: "nextButton"
        text: "Starte Kochen"
        enabled: root.isActive
        isGreen: Auto_.ngFinished && HopfenTimer.current > 0
        Layout.fillWidth: true

        onActivated: Auto_.toPy(Auto_.NextStep, null)
    }
}
