import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// Step 7: boiling with the hop additions and the cast-out gravity reading.
StepScreen {
    id: root

    objectName: "auto7Kochen"
    step: Auto_.StepKochen

    header: Label {
        objectName: "hopStatus"
        text: HopfenTimer.status
        textFormat: Text.PlainText
        color: !AutoExt.activeX ? Common.fg1
             : HopfenTimer.alarm ? Common.colorAlarmText
             : HopfenTimer.success ? Common.colorSuccessText : Common.fg1
        font.bold: true
        font.pointSize: Common.hSize1
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }

    Label {
        objectName: "boilOverWarning"
        text: "<b>Achtung Überkochgefahr:</b> persönliche Schutzausrüstung tragen"
        textFormat: Text.StyledText
        color: Common.fgOnWarning
        wrapMode: Text.Wrap
        padding: Common.spacing
        background: Rectangle {
            color: Common.colorWarning
            radius: Common.spacing
        }
        Layout.fillWidth: true
    }

    HopTable {
        objectName: "hopTable"
        recipe: root.recipe
        running: AutoExt.activeX
        lineStep: AutoExt.stepX
        Layout.fillWidth: true
    }

    CookingPowerBox {
        recipe: root.recipe
        visible: AutoExt.activeX && root.recipe.cookingUsePowerPercentage
        Layout.fillWidth: true
    }

    GravityBox {
        objectName: "gravityBox"
        wuerze: "Ausschlagwürze"
        cooking: true
        enabled: AutoExt.activeX && AutoExt.stepX >= root.step
        warn: Auto_.waitForAckn
        Layout.fillWidth: true
    }

    StirrerButton {
        step: root.step
        lineB: root.lineB
        Layout.fillWidth: true
    }

    CondenserButton {
        step: root.step
        Layout.fillWidth: true
    }

    AutoWhirlpoolSwitch {
        enabled: root.isActive && Auto_.enableAutoWhirlpoolBtn !== 0
        Layout.fillWidth: true
    }

    // Always in view below the scrolling column: the step's way on.
    footer: MyGreenDelayButton {
        objectName: "finishButton"
        text: "Abschließen"
        enabled: Auto_.waitForAckn
        isGreen: Auto_.waitForAckn
        Layout.fillWidth: true

        onActivated: Auto_.toPy(Auto_.FinishAckn, null)
    }
}
