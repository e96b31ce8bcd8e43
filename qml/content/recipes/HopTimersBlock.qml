import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.recipes 1.0
import "../../base"
import "../../singletons"

// The hop timers of the current recipe. Timer 1 may be a first-wort timer and
// the last one a whirlpool timer (with a single timer, it may be either); the
// minutes of each follow its neighbours' stored values.
HelpFrame {
    id: root

    readonly property var recipe: Recipes.current
    readonly property var timers: recipe.hopfenTimers
    readonly property int count: recipe.hopfenN
    readonly property int lastIndex: Math.max(0, Math.min(count, 5) - 1)
    readonly property alias countList: count_

    function kindOf(i) {
        if (i === 0 && recipe.hopfenVorderwurze)
            return RecipesExt.kindFirstWort
        if (i === lastIndex && recipe.hopfenWhirlpool)
            return RecipesExt.kindWhirlpool
        return RecipesExt.kindTime
    }

    function kindsOf(i) {
        if (i === 0 && count <= 1)
            return [RecipesExt.kindTime, RecipesExt.kindFirstWort, RecipesExt.kindWhirlpool]
        if (i === 0)
            return [RecipesExt.kindTime, RecipesExt.kindFirstWort]
        if (i === lastIndex)
            return [RecipesExt.kindTime, RecipesExt.kindWhirlpool]
        return [RecipesExt.kindTime]
    }

    function maxOf(i) {
        if (i === 0 || (i === 1 && kindOf(0) === RecipesExt.kindFirstWort))
            return recipe.cookingTime
        return timers[i - 1] - 1
    }

    function minOf(i) {
        if (i >= lastIndex || (i === lastIndex - 1 && kindOf(lastIndex) === RecipesExt.kindWhirlpool))
            return 0
        return timers[i + 1] + 1
    }

    // Timer 1 carries the first-wort flag, the last timer the whirlpool flag;
    // a single timer carries both, and choosing its kind sets both, so the
    // kind shown is always the kind chosen.
    function chooseKind(i, kind) {
        const single = count <= 1
        if (kind === RecipesExt.kindTime) {
            if (i === 0)
                Recipes.toPy(Recipes.SetHopfenVorderwurze, false)
            if (i === lastIndex)
                Recipes.toPy(Recipes.SetHopfenWhirlpool, false)
        } else if (kind === RecipesExt.kindFirstWort) {
            if (single && recipe.hopfenWhirlpool)
                Recipes.toPy(Recipes.SetHopfenWhirlpool, false)
            Recipes.toPy(Recipes.SetHopfenVorderwurze, true)
        } else if (kind === RecipesExt.kindWhirlpool) {
            if (single && recipe.hopfenVorderwurze)
                Recipes.toPy(Recipes.SetHopfenVorderwurze, false)
            Recipes.toPy(Recipes.SetHopfenWhirlpool, true)
        }
    }

    function row(i) {
        return rows_.itemAt(i)
    }

    function flush() {
        for (let i = 0; i < rows_.count; ++i)
            rows_.itemAt(i).commentField.flush()
    }

    helpTitle: RecipesExt.hopfenTitle
    helpText: RecipesExt.hopfenText

    MyRectColLayout {
        anchors.fill: parent

        MySelectionList {
            id: count_

            objectName: "hopCount"
            text: "Anzahl der Hopfentimer"
            model: [1, 2, 3, 4, 5]
            showsHeld: true
            heldIndex: root.count - 1
            Layout.fillWidth: true

            onActivated: Recipes.toPy(Recipes.SetHopfenN, index + 1)
        }

        Repeater {
            id: rows_

            model: 5

            HopTimerRow {
                objectName: "hop" + (index + 1)
                visible: root.count > index
                number: index + 1
                kinds: root.kindsOf(index)
                kind: root.kindOf(index)
                minutes: root.timers[index]
                from: root.minOf(index)
                to: root.maxOf(index)
                comment: root.recipe.hopfenComments[index]
                Layout.fillWidth: true

                onKindChosen: root.chooseKind(index, kind)
                onMinutesChosen: Recipes.toPy(Recipes.SetHopfenTimers, [index, val])
                onCommentSent: Recipes.toPy(Recipes.SetHopfenComments, [index, text])
            }
        }
    }
}
