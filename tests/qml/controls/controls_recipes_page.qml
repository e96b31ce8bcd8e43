import QtQuick 2.15
import tavell.recipes 1.0
import "qrc:/qml/content/pages"
import "qrc:/qml/singletons"

// The recipe page: each control's request to the controller and when the
// control may be used. Recipe "A" of the names "A" and "B" is being edited.
Item {
    id: scene

    width: 1100
    height: 1900

    Component { id: page; RecipesPage { width: scene.width; height: scene.height } }

    ControlsCase {
        id: t

        name: "RecipesPageControls"

        readonly property var names: ["A", "B"]
        // The controls of a recipe are there only while recipes exist.
        readonly property var recipesExist: ({ "recipes.names": [names, []] })

        // Recipe A with the given fields, and the bounds of the boxes.
        function recipe(fields) {
            const context = {
                "recipes.names": names, "current.name": "A",
                "values.hauptgussMin": 10, "values.hauptgussMax": 200, "values.hauptgussTempMin": 20,
                "values.maischTempMax": 80, "values.rastTempMax": 95, "values.rastTimeMin": 1, "values.rastTimeMax": 120,
                "values.nachgussCountMin": 1, "values.nachgussCountMax": 9, "values.nachgussLiterMin": 1,
                "values.nachgussLiterMax": 100, "values.cookingTimeMin": 10, "values.cookingTimeMax": 180,
                "values.cookingPowerPercentageMin": 10, "values.cookingPowerPercentageMax": 100,
                "current.maischHg": 40, "current.maischFillTemp": 50, "current.maischTemp": 55,
                "current.rasteN": 3, "current.rasteTemps": [60, 65, 70, 72, 74], "current.rasteTimes": [10, 20, 30, 40, 50],
                "current.lauternTemp": 78, "current.lauternTime": 15, "current.lauternNgCount": 3,
                "current.lauternNgLiters": 20, "current.cookingTime": 70, "current.cookingPowerPercentage": 50,
                "current.hopfenN": 3, "current.hopfenTimers": [60, 30, 10, 5, 0],
                "current.hopfenVorderwurze": false, "current.hopfenWhirlpool": false,
                "current.hopfenComments": ["", "", "", "", ""], "current.cookingUsePowerPercentage": true,
                "current.commentWasser": "", "current.commentGeneral": ""
            }
            for (const key in fields)
                context[`current.${key}`] = fields[key]
            return context
        }

        // ---- the operator's ways through menu and dialogs ----
        function menuItem(name) {
            return function(screen) {
                const menu = screen.selection.menu
                if (!menu.opened) {
                    t.mouseClick(t.findChild(screen, "recipeMenuButton"))
                    t.tryCompare(menu, "opened", true)
                }
                return t.findChild(menu, name)
            }
        }

        // Clicks, answers the dialog that opens (with `text` in an input
        // dialog) and keeps only the page's requests: the dialog's own
        // reports are the dialogs' business.
        function answering(text) {
            return function(item, tc) {
                tc.mouseClick(item)
                if (Dialogs.popupActive) {
                    const dialog = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
                    tc.tryCompare(dialog, "opened", true)
                    if (text !== undefined)
                        tc.findChild(dialog.contentItem, "inputField").text = text
                    dialog.accept()
                    tc.tryVerify(function() { return !Dialogs.popupActive }, 2000)
                }
                tc.sent = tc.sent.filter(function(entry) { return entry[0] !== "Gui.toPy" })
            }
        }

        // Types at the end of a comment; it goes out after three quiet seconds.
        function typing(text) {
            return function(item, tc) {
                item.forceActiveFocus()
                item.cursorPosition = item.length
                for (const c of text)
                    tc.keyClick(c)
                tc.tryVerify(function() { return tc.sent.length > 0 }, 5000, "Anmerkung nicht gesendet")
            }
        }

        function init() { Dialogs.overlay = scene }

        function cleanup() {
            while (Dialogs.popupActive) {
                const id = Dialogs.currentId
                Dialogs.rejectCurrent()
                tryVerify(function() { return Dialogs.currentId !== id }, 2000)
            }
        }

        function test_recipesPage_data() {
            return [
                { tag: "choose a recipe", control: "recipeSelection/recipeList", act: "next", context: recipe(),
                  sends: [toRecipes(Recipes.SetCurrentName, "B")], when: recipesExist },
                { tag: "new recipe", control: "recipeSelection/recipeActionButton", act: answering("Bock"),
                  context: recipe({ name: "" }), sends: [toRecipes(Recipes.NewRecipe, "Bock")] },
                { tag: "copy", control: "recipeSelection/recipeActionButton", act: answering("A2"), context: recipe(),
                  sends: [toRecipes(Recipes.CopyRecipe, ["A", "A2"])] },
                { tag: "new from the menu", control: menuItem("menuNew"), act: answering("Bock"), context: recipe(),
                  sends: [toRecipes(Recipes.NewRecipe, "Bock")], when: { "current.name": ["A", ""] } },
                { tag: "rename", control: menuItem("menuRename"), act: answering("C"), context: recipe(),
                  sends: [toRecipes(Recipes.RenameRecipe, ["A", "C"])], when: recipesExist },
                { tag: "remove", control: menuItem("menuRemove"), act: answering(), context: recipe(),
                  sends: [toRecipes(Recipes.RemoveRecipe, "A")], when: recipesExist },
                { tag: "main infusion", control: "hauptguss/box", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetMaischHg, 41)], when: recipesExist },
                { tag: "main-infusion temperature", control: "hauptgussTemp/box", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetMaischFillTemp, 51)], when: recipesExist },
                { tag: "water comment", control: "commentWasser/commentField", act: typing("!"),
                  context: recipe({ commentWasser: "Gips" }), sends: [toRecipes(Recipes.SetCommentWasser, "Gips!")],
                  when: recipesExist },
                { tag: "mashing-in temperature", control: "rests/mashInTemp/box", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetMaischTemp, 56)], when: recipesExist },
                { tag: "number of rests", control: "rests/restCount", act: "next", context: recipe(),
                  sends: [toRecipes(Recipes.SetRasteN, 4)], when: recipesExist },
                { tag: "rest 2 temperature", control: "rests/rest2/links", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetRasteTemps, [1, 66])], when: { "current.rasteN": [3, 1] } },
                { tag: "rest 3 duration", control: "rests/rest3/rechts", act: "down", context: recipe(),
                  sends: [toRecipes(Recipes.SetRasteTimes, [2, 29])], when: { "current.rasteN": [3, 2] } },
                { tag: "lautering temperature", control: "rests/lautern/links", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetLauternTemp, 79)], when: recipesExist },
                { tag: "lautering rest", control: "rests/lautern/rechts", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetLauternTime, 16)], when: recipesExist },
                { tag: "number of sparges", control: "nachguss/links", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetLauternNgCount, 4)], when: recipesExist },
                { tag: "litres per sparge", control: "nachguss/rechts", act: "down", context: recipe(),
                  sends: [toRecipes(Recipes.SetLauternNgLiters, 19)], when: recipesExist },
                { tag: "number of hop timers", control: "hops/hopCount", act: "prev", context: recipe(),
                  sends: [toRecipes(Recipes.SetHopfenN, 2)], when: recipesExist },
                { tag: "hop 1 first wort", control: "hops/hop1/kind", act: "next", context: recipe(),
                  sends: [toRecipes(Recipes.SetHopfenVorderwurze, true)], when: recipesExist },
                // A middle timer has only one kind: its selection is disabled.
                { tag: "last hop whirlpool", control: "hops/hop2/kind", act: "next", context: recipe(),
                  sends: [toRecipes(Recipes.SetHopfenWhirlpool, true)], when: { "current.hopfenN": [2, 3] } },
                { tag: "single hop whirlpool", control: "hops/hop1/kind", act: "last", context: recipe({ hopfenN: 1 }),
                  sends: [toRecipes(Recipes.SetHopfenWhirlpool, true)] },
                { tag: "single hop back to minutes", control: "hops/hop1/kind", act: "first",
                  context: recipe({ hopfenN: 1, hopfenWhirlpool: true }),
                  sends: [toRecipes(Recipes.SetHopfenVorderwurze, false), toRecipes(Recipes.SetHopfenWhirlpool, false)] },
                // Minutes count only for a timer of the kind "Zeit in Minuten".
                { tag: "hop 1 minutes", control: "hops/hop1/minutes", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetHopfenTimers, [0, 61])], when: { "current.hopfenVorderwurze": false } },
                { tag: "hop 2 minutes", control: "hops/hop2/minutes", act: "down", context: recipe(),
                  sends: [toRecipes(Recipes.SetHopfenTimers, [1, 29])], when: recipesExist },
                { tag: "hop 3 minutes", control: "hops/hop3/minutes", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetHopfenTimers, [2, 11])], when: { "current.hopfenWhirlpool": false } },
                { tag: "hop 2 comment", control: "hops/hop2/comment", act: typing("cascade"), context: recipe(),
                  sends: [toRecipes(Recipes.SetHopfenComments, [1, "cascade"])], when: { "current.hopfenN": [3, 1] } },
                { tag: "gravity measurement", control: "stammwuerze", act: "click",
                  context: recipe({ stammwurzeDoPfannevollMessung: false }),
                  sends: [toRecipes(Recipes.SetStammwurzeDoPfannevollMessung, true)], when: recipesExist },
                { tag: "boiling time", control: "kochzeit/box", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetCookingTime, 71)], when: recipesExist },
                { tag: "boiling power", control: "kochleistung", act: "up", context: recipe(),
                  sends: [toRecipes(Recipes.SetCookingPowerPercentage, 51)],
                  when: { "current.cookingUsePowerPercentage": true } },
                { tag: "relative power", control: "relativeLeistung", act: "click",
                  context: recipe({ cookingUsePowerPercentage: false }),
                  sends: [toRecipes(Recipes.SetCookingUsePowerPercentage, true)], when: recipesExist },
                { tag: "general comment", control: "commentGeneral/commentField", act: typing("!"),
                  context: recipe({ commentGeneral: "Notiz" }), sends: [toRecipes(Recipes.SetCommentGeneral, "Notiz!")],
                  when: recipesExist }
            ]
        }
        function test_recipesPage(row) { check(page, row) }
    }
}
