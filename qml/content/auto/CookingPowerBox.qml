import QtQuick 2.15
import tavell.recipes 1.0
import tavell.values 1.0
import "../../base"

// The boiling power for this brew only; the recipe keeps its value.
MySpinBox {
    id: root

    property Recipe recipe: null

    objectName: "cookingPowerBox"
    text: "Kochleistung (Prozent)"
    value: recipe ? recipe.cookingPowerPercentage : 0
    from: Values.cookingPowerPercentageMin
    to: Values.cookingPowerPercentageMax
    showError: false
    // No state object holds this brew's value: the box keeps the operator's.
    keepsInput: true

    onModified: Recipes.toPy(Recipes.SetCookingPowerPercentageTmp, val)
}
