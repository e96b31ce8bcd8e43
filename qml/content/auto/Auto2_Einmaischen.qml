import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import "../../base"
import "../../singletons"

// Step 2: adding the malt.
StepScreen {
    id: root

    objectName: "auto2Einmaischen"
    step: Auto_.StepEinmaischen

    StepComment {
        objectName: "maltComment"
        title: "Anmerkung zur Malzschüttung"
        comment: root.recipe.commentMalz
        Layout.fillWidth: true
    }

    Label {
        objectName: "maltNote"
        text: Auto_.stepA <= root.step
              ? "Bitte die Malzschüttung durchführen und dann durch Betätigen des grünen "
                + `Tasters oder des unteren Buttons '${nextBtn.text}' das Rasten starten.`
              : "Die Malzschüttung wurde bereits abgeschlossen."
        color: Common.fg1
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }

    // Always in view below the scrolling column: the step's way on.
    footer: MyGreenDelayButton {
        id: nextBtn

        objectName: "nextButton"
        text: "Starte Rasten"
        enabled: root.isActive
        Layout.fillWidth: true

        onActivated: Auto_.toPy(Auto_.NextStep, null)
    }
}
