import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.recipes 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// Mashing-in temperature, the rests and the lautering rest of the current
// recipe. Each temperature's limits follow its neighbours' stored values.
ColumnLayout {
    id: root

    readonly property var recipe: Recipes.current
    readonly property var temps: recipe.rasteTemps
    readonly property var times: recipe.rasteTimes
    readonly property int count: recipe.rasteN
    // The last rest in use (rest 5's for any count above 4).
    readonly property int lastIndex: Math.max(0, Math.min(count, 5) - 1)

    readonly property int mashFrom: recipe.maischFillTemp
    readonly property int mashTo: Math.min(temps[0], Values.maischTempMax)
    // The mashing-in temperature as its box shows it.
    readonly property int mashShown: Math.max(Math.min(recipe.maischTemp, mashTo), mashFrom)

    readonly property alias mashBox: mash_
    readonly property alias countList: count_
    readonly property alias lautern: lautern_

    function restFrom(i) {
        return i === 0 ? mashShown : temps[i - 1] + 1
    }

    function restTo(i) {
        return count > i + 1 ? temps[i + 1] - 1 : recipe.lauternTemp - 1
    }

    function restRow(i) {
        return rows_.itemAt(i)
    }

    spacing: Common.spacing

    RecipeSpinBox {
        id: mash_

        objectName: "mashInTemp"
        helpTitle: RecipesExt.einmaischTitle
        helpText: RecipesExt.einmaischText
        text: "Einmaischtemparatur (°C)"
        value: root.recipe.maischTemp
        from: root.mashFrom
        to: root.mashTo
        infoMsg: box.spinBox.value <= box.from
                 ? `Um die Einmaischtemperatur auf weniger als ${box.from}`
                   + " °C zu setzen, muss die Hauptguss-Temperatur verringert werden."
                 : ""
        Layout.fillWidth: true

        onModified: Recipes.toPy(Recipes.SetMaischTemp, val)
    }

    HelpFrame {
        helpTitle: RecipesExt.rastenTitle
        helpText: RecipesExt.rastenText
        Layout.fillWidth: true

        MyRectColLayout {
            anchors.fill: parent

            MySelectionList {
                id: count_

                objectName: "restCount"
                text: "Anzahl der Rastschritte"
                model: [1, 2, 3, 4, 5]
                showsHeld: true
                heldIndex: root.count - 1
                Layout.fillWidth: true

                onActivated: Recipes.toPy(Recipes.SetRasteN, index + 1)
            }

            Repeater {
                id: rows_

                model: 5

                MySpinBoxes {
                    id: row_

                    objectName: "rest" + (index + 1)
                    visible: root.count > index
                    links.text: `Rast ${index + 1} (Temperatur °C)`
                    links.value: root.temps[index]
                    links.from: root.restFrom(index)
                    links.to: root.restTo(index)
                    rechts.text: `Rast ${index + 1} (Minuten)`
                    rechts.value: root.times[index]
                    rechts.from: Values.rastTimeMin
                    rechts.to: Values.rastTimeMax
                    Layout.fillWidth: true

                    Connections {
                        target: row_.links
                        function onModified(val) { Recipes.toPy(Recipes.SetRasteTemps, [index, val]) }
                    }
                    Connections {
                        target: row_.rechts
                        function onModified(val) { Recipes.toPy(Recipes.SetRasteTimes, [index, val]) }
                    }
                }
            }
        }
    }

    HelpFrame {
        helpTitle: RecipesExt.lauternTitle
        helpText: RecipesExt.lauternText
        Layout.fillWidth: true

        MySpinBoxes {
            id: lautern_

            objectName: "lautern"
            anchors.fill: parent
            fillBg: true
            links.text: "Läutertemperatur (°C)"
            links.value: root.recipe.lauternTemp
            links.from: root.temps[root.lastIndex] + 1
            links.to: Values.rastTempMax
            rechts.text: "Läuterruhe (Minuten)"
            rechts.value: root.recipe.lauternTime
            rechts.from: Values.rastTimeMin
            rechts.to: Values.rastTimeMax

            Connections {
                target: lautern_.links
                function onModified(val) { Recipes.toPy(Recipes.SetLauternTemp, val) }
            }
            Connections {
                target: lautern_.rechts
                function onModified(val) { Recipes.toPy(Recipes.SetLauternTime, val) }
            }
        }
    }
}
