import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.gui 1.0
import tavell.recipes 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"
import "../recipes"

// Editing of the recipe Recipes.current. Every change is a request to the
// controller, which changes the recipe; the page shows the result. A comment
// still waiting to be sent goes out before every request that may change the
// current recipe, and when the page is left, so it reaches the recipe it was
// typed for.
Page {
    id: root

    property bool isCurrent: SwipeView.isCurrentItem
    readonly property var recipe: Recipes.current
    readonly property bool hasRecipes: Recipes.names.length > 0
    readonly property bool oneColumn: width < Common.breakpoint

    readonly property alias flickable: container_.flickable
    readonly property alias selection: selection_
    readonly property alias rests: rests_
    readonly property alias hops: hops_
    readonly property alias rightColumn: right_

    function flushComments() {
        wasser_.flush()
        malz_.flush()
        general_.flush()
        hops_.flush()
    }

    // Requests that may change which recipe is current.
    function request(action, value) {
        flushComments()
        Recipes.toPy(action, value)
    }

    objectName: "recipesPage"

    onIsCurrentChanged: {
        if (isCurrent)
            Gui.changedPage(Gui.Recipes)
        else
            flushComments()
    }

    background: Rectangle { color: Common.bg2 }

    MyGradientFlickContainer {
        id: container_

        anchors.fill: parent
        // Scrolls only when there is more than fits.
        flickable.interactive: flickable.contentHeight > flickable.height

        GridLayout {
            columns: root.oneColumn ? 1 : 2
            columnSpacing: Common.spacing
            rowSpacing: Common.spacing
            Layout.fillWidth: true
            Layout.margins: Common.spacing

            ColumnLayout {
                id: left_

                objectName: "leftColumn"
                spacing: Common.spacing
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.preferredWidth: 1

                RecipeSelection {
                    id: selection_

                    objectName: "recipeSelection"
                    Layout.fillWidth: true

                    onRequest: root.request(action, value)
                }

                RecipeSpinBox {
                    objectName: "hauptguss"
                    helpTitle: RecipesExt.hauptgussTitle
                    helpText: RecipesExt.hauptgussText
                    box.visible: root.hasRecipes
                    text: "Hauptguss (Liter)"
                    value: root.recipe.maischHg
                    from: Values.hauptgussMin
                    to: Values.hauptgussMax
                    Layout.fillWidth: true
                    Layout.preferredHeight: root.hasRecipes ? implicitHeight : 0

                    onModified: Recipes.toPy(Recipes.SetMaischHg, val)
                }

                RecipeSpinBox {
                    objectName: "hauptgussTemp"
                    helpTitle: RecipesExt.hauptgussTempTitle
                    helpText: RecipesExt.hauptgussTempText
                    box.visible: root.hasRecipes
                    text: "Hauptguss-Temperatur (°C)"
                    value: root.recipe.maischFillTemp
                    from: Values.hauptgussTempMin
                    to: root.recipe.maischTemp
                    Layout.fillWidth: true
                    Layout.preferredHeight: root.hasRecipes ? implicitHeight : 0

                    onModified: Recipes.toPy(Recipes.SetMaischFillTemp, val)
                }

                CommentBlock {
                    id: wasser_

                    objectName: "commentWasser"
                    visible: root.hasRecipes
                    helpText: RecipesExt.wasserText
                    title: RecipesExt.wasserTitle
                    placeholderText: `Anmerkungen zur ${title} hier eintragen`
                    source: root.recipe.commentWasser
                    Layout.fillWidth: true

                    onSend: Recipes.toPy(Recipes.SetCommentWasser, text)
                }

                CommentBlock {
                    id: malz_

                    objectName: "commentMalz"
                    visible: root.hasRecipes
                    helpText: RecipesExt.malzText
                    title: RecipesExt.malzTitle
                    placeholderText: `Anmerkungen zur ${title} hier eintragen`
                    source: root.recipe.commentMalz
                    Layout.fillWidth: true

                    onSend: Recipes.toPy(Recipes.SetCommentMalz, text)
                }

                RestsBlock {
                    id: rests_

                    objectName: "rests"
                    visible: root.hasRecipes
                    Layout.fillWidth: true
                }

                HelpFrame {
                    objectName: "nachguss"
                    visible: root.hasRecipes
                    helpTitle: RecipesExt.nachgussTitle
                    helpText: RecipesExt.nachgussText
                    Layout.fillWidth: true

                    MySpinBoxes {
                        id: nachguss_

                        anchors.fill: parent
                        fillBg: true
                        links.text: "Anzahl Nachgüsse"
                        links.value: root.recipe.lauternNgCount
                        links.from: Values.nachgussCountMin
                        links.to: Values.nachgussCountMax
                        links.stepSize: 1
                        rechts.text: "Liter (1 Nachguss)"
                        rechts.value: root.recipe.lauternNgLiters
                        rechts.from: Values.nachgussLiterMin
                        rechts.to: Values.nachgussLiterMax

                        Connections {
                            target: nachguss_.links
                            function onModified(val) { Recipes.toPy(Recipes.SetLauternNgCount, val) }
                        }
                        Connections {
                            target: nachguss_.rechts
                            function onModified(val) { Recipes.toPy(Recipes.SetLauternNgLiters, val) }
                        }
                    }
                }
            }

            ColumnLayout {
                id: right_

                objectName: "rightColumn"
                visible: root.hasRecipes
                spacing: Common.spacing
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.preferredWidth: 1

                HopTimersBlock {
                    id: hops_

                    objectName: "hops"
                    Layout.fillWidth: true
                }

                HelpFrame {
                    helpTitle: RecipesExt.stammwuerzeTitle
                    helpText: RecipesExt.stammwuerzeText
                    Layout.fillWidth: true

                    MyRectColLayout {
                        anchors.fill: parent

                        StateCheckBox {
                            objectName: "stammwuerze"
                            text: "Stammwürzemessung Pfannevollwürze durchführen"
                            held: root.recipe.stammwurzeDoPfannevollMessung
                            Layout.fillWidth: true

                            onRequested: Recipes.toPy(Recipes.SetStammwurzeDoPfannevollMessung, wanted)
                        }
                    }
                }

                RecipeSpinBox {
                    objectName: "kochzeit"
                    helpTitle: RecipesExt.kochzeitTitle
                    helpText: RecipesExt.kochzeitText
                    text: "Kochzeit (Minuten)"
                    value: root.recipe.cookingTime
                    from: Values.cookingTimeMin
                    to: Values.cookingTimeMax
                    Layout.fillWidth: true

                    onModified: Recipes.toPy(Recipes.SetCookingTime, val)
                }

                HelpFrame {
                    helpTitle: RecipesExt.kochleistungTitle
                    helpText: RecipesExt.kochleistungText
                    Layout.fillWidth: true

                    MyRectColLayout {
                        anchors.fill: parent

                        MySpinBox {
                            objectName: "kochleistung"
                            text: "Kochleistung (Prozent)"
                            value: root.recipe.cookingPowerPercentage
                            from: Values.cookingPowerPercentageMin
                            to: Values.cookingPowerPercentageMax
                            enabled: usePower_.checked
                            Layout.fillWidth: true

                            onModified: Recipes.toPy(Recipes.SetCookingPowerPercentage, val)
                        }

                        // Sent on every change of state, also on one the
                        // controller made.
                        StateCheckBox {
                            id: usePower_

                            objectName: "relativeLeistung"
                            text: "Verwende relative Heizleistung"
                            held: root.recipe.cookingUsePowerPercentage
                            sendsChanges: true
                            Layout.fillWidth: true

                            onRequested: Recipes.toPy(Recipes.SetCookingUsePowerPercentage, wanted)
                        }
                    }
                }

                CommentBlock {
                    id: general_

                    objectName: "commentGeneral"
                    helpText: RecipesExt.generalText
                    title: RecipesExt.generalTitle
                    placeholderText: "Anmerkungen hier eintragen"
                    source: root.recipe.commentGeneral
                    Layout.fillWidth: true

                    onSend: Recipes.toPy(Recipes.SetCommentGeneral, text)
                }
            }
        }
    }
}
