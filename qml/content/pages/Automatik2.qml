import QtQuick 2.15
import tavell.gui 1.0
import "../../singletons"
import "../auto"

// Line B's page of a three-vessel plant: lautering to boiling.
AutoPage {
    id: root

    line: 2
    pageEnum: Gui.Auto2
    stepNames: ["5. " + AutoExt.nameStep5Laeutern, "6. " + AutoExt.nameStep6Heizen, "7. " + AutoExt.nameStep7Kochen]
    formsOneLine: ["2x-right", "2x"]
    formsTwoLines: ["2x-right", "2x"]
    prepareObjectName: "preparePopupB"

    screens: [
        "Auto5_Laeutern.qml",
        "Auto6_Heizen.qml",
        "Auto7_Kochen.qml"
    ]
}
