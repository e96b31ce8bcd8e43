import QtQuick 2.15
import tavell.auto 1.0
import "../../base"

// Starts, stops or continues the current sparge; its bar shows the litres of
// this sparge against the recipe's quantity.
MyGreenProgressButton {
    id: root

    property real litersPerSparge: 0

    objectName: "spargeButton"
    progress: litersPerSparge > 0 ? Auto_.ngLitersStep / litersPerSparge : 0
    showProgress: !(Auto_.ngFinished && !Auto_.ngActive)
    showCheck: Auto_.ngFinished
    fillGreen: Auto_.ngFinished
    text: Auto_.ngActive ? `Nachguss ${Auto_.ngStep} stoppen`
        : Auto_.ngLitersStep !== 0 ? `Nachguss ${Auto_.ngStep} fortsetzen`
        : Auto_.ngStep !== 0 ? `Nachguss ${Auto_.ngStep} starten`
        : `Nachguss ${Auto_.ngStep + 1} starten`

    onClicked: Auto_.toPy(Auto_.ToggleNg, null)
}
