import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.gui 1.0
import tavell.recipes 1.0
import tavell.testing 1.0
import "qrc:/qml/content/pages"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 1024
    height: 600

    property var reports: []
    // What the controller does while it handles a request: null stores nothing.
    property var answer: null

    Connections {
        target: Recipes
        function onToPy(action, value) {
            scene.reports.push([action, JSON.parse(JSON.stringify(value))])
            if (scene.answer)
                scene.answer(action, value)
        }
    }

    Component {
        id: pageComponent
        RecipesPage { width: 980; height: 600 }
    }

    SignalSpy { id: pageSpy; target: Gui; signalName: "changedPage" }

    TestCase {
        name: "RecipesPage"
        when: windowShown

        property var page: null

        // What the page sent, without the echo of the relative-power box.
        function sent(action) {
            return scene.reports.filter(function(r) {
                return action === undefined ? r[0] !== Recipes.SetCookingUsePowerPercentage : r[0] === action
            })
        }

        function showRecipe(names, fields) {
            TestHooks.setRecipeNames(names)
            TestHooks.setCurrentRecipe(fields)
            page = createTemporaryObject(pageComponent, scene)
            verify(page)
            waitForRendering(page)
            scene.reports = []
        }

        function part(name) {
            const found = findChild(page, name)
            verify(found, name)
            return found
        }

        // The dialog on top of the dialog stack.
        function currentDialog() {
            verify(Dialogs.popupActive)
            const d = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
            tryCompare(d, "opened", true)
            return d
        }

        function confirm(d, text) {
            findChild(d.contentItem, "inputField").text = text
            d.accept()
        }

        function init() {
            Dialogs.overlay = scene
        }

        function cleanup() {
            scene.answer = null
            while (Dialogs.popupActive) {
                const id = Dialogs.currentId
                Dialogs.rejectCurrent()
                tryVerify(function() { return Dialogs.currentId !== id }, 2000)
            }
            TestHooks.setRecipeNames([])
            TestHooks.setCurrentRecipe({})
        }

        function test_withoutRecipesOnlyTheSelectionIsShown() {
            showRecipe([], {})
            verify(!page.selection.comboBox.enabled)
            compare(page.selection.actionButton.text, "Neues Rezept erstellen")
            verify(!page.rightColumn.visible)
            verify(!page.rests.visible)
            verify(!part("commentWasser").visible)
            verify(!part("nachguss").visible)
            verify(!part("hauptguss").box.visible)
            compare(part("hauptguss").height, 0)
            verify(!findChild(page.selection.menu, "menuRename").enabled)
            verify(!findChild(page.selection.menu, "menuNew").visible)

            mouseClick(page.selection.actionButton)
            const d = currentDialog()
            compare(d.title, "Neues Rezept")
            compare(d.text, "Bitte einen Namen für das neue Rezept angeben")
            confirm(d, "Bock")
            compare(sent(), [[Recipes.NewRecipe, "Bock"]])

            // With a recipe the whole page is there and the button copies.
            TestHooks.setRecipeNames(["Bock"])
            TestHooks.updateCurrentRecipe({ name: "Bock" })
            verify(page.rightColumn.visible)
            verify(page.rests.visible)
            compare(page.selection.actionButton.text, "Rezept kopieren")
            compare(page.selection.comboBox.currentText, "Bock")
        }

        function test_reportsBecomingCurrent() {
            showRecipe([], {})
            pageSpy.clear()
            page.isCurrent = true
            compare(pageSpy.count, 1)
            compare(pageSpy.signalArguments[0][0], Gui.Recipes)
        }

        function test_threeRestsAndTheTemperatureChain() {
            showRecipe(["A"], { name: "A", rasteN: 2, rasteTemps: [63, 65, 68, 70, 73], lauternTemp: 78,
                                maischTemp: 59, maischFillTemp: 59 })
            page.rests.countList.comboBox.activated(2)
            compare(sent(), [[Recipes.SetRasteN, 3]])

            TestHooks.updateCurrentRecipe({ rasteN: 3 })
            const visible = [1, 2, 3, 4, 5].map(function(i) { return part("rest" + i).visible })
            compare(visible, [true, true, true, false, false])
            const rest3 = part("rest3").links
            compare(rest3.from, 66)
            compare(rest3.to, 77)
            compare(part("rest1").links.from, 59)
            compare(part("rest1").links.to, 64)
            compare(page.rests.lautern.links.from, 69)

            // Limits follow a neighbour's new value.
            TestHooks.updateCurrentRecipe({ rasteTemps: [63, 67, 68, 70, 73], lauternTemp: 80 })
            compare(part("rest1").links.to, 66)
            compare(rest3.to, 79)

            // Mashing-in at its lower limit explains how to go lower.
            const mash = page.rests.mashBox
            compare(mash.box.infoMsg,
                    "Um die Einmaischtemperatur auf weniger als 59 °C zu setzen, muss die Hauptguss-Temperatur verringert werden.")
            TestHooks.updateCurrentRecipe({ maischTemp: 61 })
            compare(mash.box.infoMsg, "")

            // An operator's change of a rest is sent with its index.
            part("rest2").rechts.modified(25)
            compare(sent(Recipes.SetRasteTimes), [[Recipes.SetRasteTimes, [1, 25]]])
        }

        function test_valuesOutsideTheRangeAreShownNotCorrected() {
            showRecipe(["A"], { name: "A", maischHg: 300 })
            const box = part("hauptguss").box
            compare(box.spinBox.value, 250)
            verify(box.error)
            compare(findChild(box, "rangeError").text, "Der Wert 300 liegt nicht im Bereich 1...250")
            wait(50)
            compare(sent(), [])
        }

        // A request the controller refuses leaves each control showing the
        // recipe; one it answers with another value shows that value.
        function test_controlsShowWhatTheRecipeKeeps() {
            showRecipe(["A"], { name: "A", maischHg: 100 })
            const usePower = part("relativeLeistung")
            const measure = part("stammwuerze")
            for (const box of [usePower, measure]) {
                const before = box.checked
                box.forceActiveFocus()
                keyClick(Qt.Key_Space)
                compare(box.checked, before, box.objectName)
            }
            compare(sent(Recipes.SetCookingUsePowerPercentage), [[Recipes.SetCookingUsePowerPercentage, true]])
            compare(sent(Recipes.SetStammwurzeDoPfannevollMessung), [[Recipes.SetStammwurzeDoPfannevollMessung, false]])
            verify(!part("kochleistung").enabled)

            const hg = part("hauptguss").box.spinBox
            hg.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(hg.value, 100)
            scene.answer = function(action) {
                if (action === Recipes.SetMaischHg)
                    TestHooks.updateCurrentRecipe({ maischHg: 120 })
            }
            keyClick(Qt.Key_Up)
            compare(sent(Recipes.SetMaischHg), [[Recipes.SetMaischHg, 101], [Recipes.SetMaischHg, 101]])
            compare(hg.value, 120)

            // The relative-power box sends back a change the controller makes
            // on its own, not its answer to the operator's request.
            scene.answer = function(action, value) {
                if (action === Recipes.SetCookingUsePowerPercentage)
                    TestHooks.updateCurrentRecipe({ cookingUsePowerPercentage: value })
            }
            scene.reports = []
            usePower.forceActiveFocus()
            keyClick(Qt.Key_Space)
            wait(0)
            verify(usePower.checked)
            verify(part("kochleistung").enabled)
            compare(sent(Recipes.SetCookingUsePowerPercentage), [[Recipes.SetCookingUsePowerPercentage, true]])
            TestHooks.updateCurrentRecipe({ cookingUsePowerPercentage: false })
            compare(sent(Recipes.SetCookingUsePowerPercentage),
                    [[Recipes.SetCookingUsePowerPercentage, true], [Recipes.SetCookingUsePowerPercentage, false]])
        }

        function test_singleHopTimerKinds() {
            showRecipe(["A"], { name: "A", hopfenN: 1, hopfenTimers: [200, 30, 20, 10, 5], cookingTime: 60 })
            const row = page.hops.row(0)
            compare(row.kinds, ["Zeit in Minuten", "Vorderwürze", "Whirlpool"])
            verify(row.minutesBox.error)

            row.kindBox.activated(2)
            compare(sent(), [[Recipes.SetHopfenWhirlpool, true]])
            TestHooks.updateCurrentRecipe({ hopfenWhirlpool: true })
            compare(row.kindBox.currentText, "Whirlpool")
            verify(!row.minutesBox.enabled)
            verify(!row.minutesBox.error)

            // Back to a time clears both flags, so the kind shown follows.
            scene.reports = []
            row.kindBox.activated(0)
            compare(sent(), [[Recipes.SetHopfenVorderwurze, false], [Recipes.SetHopfenWhirlpool, false]])
            TestHooks.updateCurrentRecipe({ hopfenWhirlpool: false })
            compare(row.kindBox.currentText, "Zeit in Minuten")
            verify(row.minutesBox.enabled)

            // Whirlpool chosen over first wort takes the first-wort flag away.
            TestHooks.updateCurrentRecipe({ hopfenVorderwurze: true })
            compare(row.kindBox.currentText, "Vorderwürze")
            scene.reports = []
            row.kindBox.activated(2)
            compare(sent(), [[Recipes.SetHopfenVorderwurze, false], [Recipes.SetHopfenWhirlpool, true]])

            // First wort chosen over whirlpool takes the whirlpool flag away, so
            // a timer added later is no whirlpool timer unasked.
            TestHooks.updateCurrentRecipe({ hopfenVorderwurze: false, hopfenWhirlpool: true })
            scene.reports = []
            row.kindBox.activated(1)
            compare(sent(), [[Recipes.SetHopfenWhirlpool, false], [Recipes.SetHopfenVorderwurze, true]])
        }

        function test_hopTimeChain() {
            showRecipe(["A"], { name: "A", hopfenN: 4, hopfenVorderwurze: true, hopfenWhirlpool: true,
                                hopfenTimers: [60, 50, 20, 0, 5], cookingTime: 70 })
            compare(page.hops.row(0).kinds, ["Zeit in Minuten", "Vorderwürze"])
            compare(page.hops.row(1).kinds, ["Zeit in Minuten"])
            verify(!page.hops.row(1).kindBox.enabled)
            compare(page.hops.row(3).kindBox.currentText, "Whirlpool")
            // Timer 2 may go up to the boiling time behind a first-wort timer;
            // the one before a whirlpool timer down to 0.
            compare(page.hops.row(1).to, 70)
            compare(page.hops.row(1).from, 21)
            compare(page.hops.row(2).to, 49)
            compare(page.hops.row(2).from, 0)
            compare(page.hops.row(3).from, 0)
            verify(!page.hops.row(4).visible)
            page.hops.row(3).kindBox.activated(0)
            compare(sent(), [[Recipes.SetHopfenWhirlpool, false]])
        }

        function test_renameOnlyAfterAConfirmedName() {
            showRecipe(["A", "C"], { name: "A" })
            findChild(page.selection.menu, "menuRename").triggered()
            let d = currentDialog()
            compare(d.title, "Rezept umbenennen")
            verify(d.text.indexOf("'<span>A</span>'") > 0)
            d.accept()
            verify(d.visible)
            d.reject()
            compare(sent(), [])

            findChild(page.selection.menu, "menuRename").triggered()
            d = currentDialog()
            // The name shown when asked counts, even if the recipe changes meanwhile.
            TestHooks.updateCurrentRecipe({ name: "C" })
            confirm(d, "B")
            compare(sent(), [[Recipes.RenameRecipe, ["A", "B"]]])
        }

        function test_removeAndCopyAskWithTheShownName() {
            showRecipe(["A<b>", "C"], { name: "A<b>" })
            findChild(page.selection.menu, "menuRemove").triggered()
            const q = currentDialog()
            compare(q.title, "Rezept löschen")
            compare(q.text, "Soll das Rezept '<span>A&lt;b&gt;</span>' wirklich gelöscht werden?")
            compare(q.noText, "")
            q.accept()
            compare(sent(), [[Recipes.RemoveRecipe, "A<b>"]])
            tryVerify(function() { return !Dialogs.popupActive }, 2000)

            scene.reports = []
            mouseClick(page.selection.actionButton)
            const d = currentDialog()
            compare(d.title, "Rezept kopieren")
            confirm(d, "D")
            compare(sent(), [[Recipes.CopyRecipe, ["A<b>", "D"]]])
        }

        function test_commentIsSentOnceAfterThreeQuietSeconds() {
            showRecipe(["A"], { name: "A" })
            const field = part("commentWasser").field
            field.insert(field.length, "Salz")
            wait(2000)
            field.insert(field.length, "säure")
            wait(2000)
            compare(sent(), [])
            tryVerify(function() { return sent().length === 1 }, 2000)
            compare(sent(), [[Recipes.SetCommentWasser, "Salzsäure"]])
            wait(200)
            compare(sent().length, 1)
        }

        function test_pendingCommentsGoOutBeforeARecipeRequest() {
            showRecipe(["A", "B"], { name: "A" })
            const malz = part("commentMalz").field
            malz.insert(0, "Gerste")
            const hop = page.hops.row(1).commentField
            hop.insert(0, "Cascade")
            page.selection.choose(1)
            compare(sent(), [[Recipes.SetCommentMalz, "Gerste"], [Recipes.SetHopfenComments, [1, "Cascade"]],
                             [Recipes.SetCurrentName, "B"]])
            verify(!malz.pending)
            verify(!hop.pending)

            // Leaving the page sends what is pending too.
            page.isCurrent = true
            scene.reports = []
            part("commentGeneral").field.insert(0, "Notiz")
            page.isCurrent = false
            compare(sent(), [[Recipes.SetCommentGeneral, "Notiz"]])
        }
    }
}
