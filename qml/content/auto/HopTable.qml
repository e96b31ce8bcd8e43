import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import tavell.recipes 1.0
import "../../singletons"

// The hop additions of the boiling step, one row per addition of the recipe.
ColumnLayout {
    id: root

    property Recipe recipe: null
    property bool running: false
    property int lineStep: Auto_.StepInactive

    readonly property var strs_: [HopfenTimer.str1, HopfenTimer.str2, HopfenTimer.str3, HopfenTimer.str4,
                                  HopfenTimer.str5]

    function subtitle_(n) {
        if (!recipe)
            return ""
        if (n === 1 && recipe.hopfenVorderwurze)
            return "Vorderwürze"
        if (n === recipe.hopfenN && recipe.hopfenWhirlpool)
            return "Whirlpool"
        const mins = recipe.hopfenTimers[n - 1]
        return `${mins} Minute${mins !== 1 ? "n" : ""} vor Kochende`
    }

    spacing: Common.spacing

    RowLayout {
        id: header_

        readonly property real inner_: width - 2 * spacing

        spacing: Common.spacing
        Layout.preferredWidth: Common.minColWidth
        Layout.fillWidth: true
        Layout.leftMargin: Common.spacing
        Layout.rightMargin: Common.spacing

        Repeater {
            model: [["Hopfentimer Nr.", 0.35], ["verbleibend", 0.3], ["erledigt", 0.35]]

            Label {
                text: modelData[0]
                color: Common.fg1
                font.bold: true
                horizontalAlignment: index === 0 ? Text.AlignLeft : Text.AlignHCenter
                elide: Text.ElideRight
                Layout.preferredWidth: modelData[1] * header_.inner_
                Layout.fillWidth: true
            }
        }
    }

    Repeater {
        objectName: "hopRows"
        model: root.recipe ? Math.max(0, Math.min(5, root.recipe.hopfenN)) : 0

        HopRow {
            readonly property int n_: index + 1

            number: n_
            subtitle: root.subtitle_(n_)
            timeText: root.strs_[index]
            large: HopfenTimer.current === index
            alarm: large && root.lineStep === Auto_.StepKochen && HopfenTimer.alarm
            done: HopfenTimer.current > index
            buttonEnabled: root.running && root.lineStep >= Auto_.StepKochen
                           && (HopfenTimer.current === index || HopfenTimer.current === n_)
            comment: root.recipe ? root.recipe.hopfenComments[index] : ""
            Layout.fillWidth: true
        }
    }
}
