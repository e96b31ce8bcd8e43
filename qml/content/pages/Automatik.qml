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
        Component { Auto1_Fuellen { } },
        Component { Auto2_Einmaischen { } },
        Component { Auto3_Rasten { } },
        Component { Auto4_Abmaischen { } },
        Component { Auto5_Laeutern { } },
        Component { Auto6_Heizen { } },
        Component { Auto7_Kochen { } },
        // Shown for the "Recovery" entry.
        Component { Item { objectName: "screenRecovery" } }
    ]
}
