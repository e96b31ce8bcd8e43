import QtQuick 2.15
import tavell.gui 1.0
import "../../singletons"
import "../auto"

// Line A's page: all seven steps (the first four while a line B exists),
// and resume data when the controller offers them.
AutoPage {
    id: root

    line: 1
    pageEnum: Gui.Auto1
    stepNames: ["1. " + AutoExt.nameStep1Fuellen, "2. " + AutoExt.nameStep2Einmaischen,
        "3. " + AutoExt.nameStep3Rasten, "4. " + AutoExt.nameStep4Abmaischen,
        "5. " + AutoExt.nameStep5Laeutern, "6. " + AutoExt.nameStep6Heizen, "7. " + AutoExt.nameStep7Kochen]
    shortListWithLineB: true
    formsOneLine: ["1x"]
    formsTwoLines: ["2x-left", "2x"]
    prepareObjectName: "preparePopupA"

    screens: [
        "Auto1_Fuellen.qml",
        "Auto2_Einmaischen.qml",
        "Auto3_Rasten.qml",
        "Auto4_Abmaischen.qml",
        "Auto5_Laeutern.qml",
        "Auto6_Heizen.qml",
        "Auto7_Kochen.qml",
        // The empty screen of the "Recovery" entry.
        ""
    ]
}
