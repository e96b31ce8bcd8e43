import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import "../../base"
import "../../singletons"

// Step 4: mashing out into the lauter tun and the lauter rest.
StepScreen {
    id: root

    objectName: "auto4Abmaischen"
    step: Auto_.StepAbmaischen

    Label {
        objectName: "lauterruheNote"
        text: Auto_.lauterruheFinished ? "Läuterruhe abgeschlossen"
                                       : "Die Läuterruhe beginnt nach Betätigung von 'Abmaischen'"
        color: Common.fg1
        font.bold: true
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }

    MyGreenDelayButton {
        objectName: "skipLauterruheButton"
        text: "Läuterruhe überspringen"
        Material.background: Common.colorWarning
        Material.foreground: Common.fgOnWarning
        enabled: root.isActive && Auto_.abmaischenActive
        Layout.fillWidth: true

        onActivated: Auto_.toPy(Auto_.MiscEventA, null)
    }

    MashOutSwitch {
        enabled: root.isActive
        Layout.fillWidth: true
    }

    StirrerButton {
        step: root.step
        Layout.fillWidth: true
    }

    // Always in view below the scrolling column: the step's way on.
    footer: MyGreenDelayButton {
        objectName: "nextButton"
        text: "Starte Läutern"
        enabled: root.isActive && Auto_.lauterruheFinished
        Layout.fillWidth: true

        onActivated: Auto_.toPy(Auto_.NextStep, null)
    }
}
