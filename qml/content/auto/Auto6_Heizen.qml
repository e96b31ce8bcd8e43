import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import "../../base"
import "../../singletons"

// Step 6: heating the wort to the boil, with the full-kettle gravity reading.
StepScreen {
    id: root

    objectName: "auto6Heizen"
    step: Auto_.StepHeizen

    StepStatus {
        objectName: "statusHeating"
        text: Auto_.statusHeating
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

    GravityBox {
        objectName: "gravityBox"
        wuerze: "Pfannevollwürze"
        cooking: false
        visible: root.recipe.stammwurzeDoPfannevollMessung
        enabled: AutoExt.activeX && AutoExt.stepX >= root.step
        warn: root.recipe.stammwurzeShowPfannevollWarning
        checkBoxVisible: true
        checkBoxChecked: root.recipe.stammwurzeShowPfannevollWarning
        Layout.fillWidth: true

        onCheckBoxClicked: root.recipe.toggleShowPfannevollWarning()
    }
}
