import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.auto 1.0
import tavell.gui 1.0
import tavell.recipes 1.0
import tavell.testing 1.0
import "qrc:/qml"
import "qrc:/qml/singletons"
import "qrc:/qml/content/pages"

Item {
    id: scene

    width: 1024
    height: 600

    property var starts: []
    property var recipeRequests: []

    Connections {
        target: Auto_
        function onToPy(code, value) { scene.starts.push([code, JSON.stringify(value)]) }
    }

    Connections {
        target: Recipes
        function onToPy(code, value) { scene.recipeRequests.push([code, value]) }
    }

    Component {
        id: narrowPage
        Automatik { }
    }

    SignalSpy { id: pageSpy; target: Gui; signalName: "changedPage" }

    Base {
        id: base
        anchors.fill: parent
    }

    TestCase {
        name: "AutoPages"
        when: windowShown

        readonly property var pageA: findChild(base, "pageAuto1")
        readonly property var pageB: findChild(base, "pageAuto2")

        function offerResume(stepA, stepB) {
            TestHooks.setRecovery(1, stepA, "Schritt A")
            TestHooks.setRecovery(2, stepB, "Schritt B")
            TestHooks.setRecoveryCount(1)
        }

        function init() {
            scene.starts = []
            scene.recipeRequests = []
            TestHooks.setValue("heatZoneCountB", 0)
        }

        function cleanup() {
            TestHooks.setAutoActive(1, false)
            TestHooks.setAutoActive(2, false)
            TestHooks.setAutoStep(1, -1)
            TestHooks.setAutoStep(2, -1)
            TestHooks.setWaitForAckn(false)
            TestHooks.setStepBOffset(4)
            TestHooks.setRecoveryCount(0)
            TestHooks.setRecovery(1, -1, "")
            TestHooks.setRecovery(2, -1, "")
            TestHooks.setUseLauterPumpFreq(false)
            TestHooks.setAutoFrequencies(0, 0, 0, 0, 0)
            TestHooks.setRecipeNames([])
            TestHooks.setLineRecipeName(1, "")
            TestHooks.setValue("heatZoneCountB", -1)
            for (const name of ["fuFreqSpRw1", "fuFreqSpPump1", "fuFreqSpPumpLautern", "fuFreqSpRw2", "fuFreqSpPump2"])
                TestHooks.setValue(name, 25)
            TestHooks.setValue("statusA", "")
            for (const p of [pageA.preparePopup, pageB.preparePopup]) {
                if (p.visible) {
                    p.reject()
                    tryCompare(p, "visible", false)
                }
            }
            base.currentIndex = 0
        }

        function test_stepsAndSchemeViewsFollowLineB_data() {
            return [{ tag: "one line", b: 0, steps: 7, forms: ["1x"] },
                    { tag: "line B", b: 4, steps: 4, forms: ["2x-left", "2x"] }]
        }

        function test_stepsAndSchemeViewsFollowLineB(data) {
            TestHooks.setValue("heatZoneCountB", data.b)
            compare(pageA.stepList.model.length, data.steps)
            compare(pageA.stepList.model[0], "1. Füllen")
            compare(pageA.schemeArea.count, data.forms.length)
            compare(pageA.schemeArea.forms, data.forms)
            compare(findChild(pageA.schemeArea, "schemePager").visible, data.forms.length > 1)
            // The view keeps all seven screens and the empty one.
            compare(pageA.stepView.count, 8)
            // An unknown count (negative) keeps what the page has.
            TestHooks.setValue("heatZoneCountB", -1)
            compare(pageA.stepList.model.length, data.steps)
            compare(pageA.schemeArea.count, data.forms.length)
            // Line B's page: three steps, its own scheme views; shown only
            // on a three-vessel plant.
            compare(pageB.stepList.model, ["5. Läutern", "6. Heizphase Kochen", "7. Kochen"])
            compare(pageB.schemeArea.forms, ["2x-right", "2x"])
            TestHooks.setValue("heatZoneCountB", data.b)
            base.currentIndex = 3
            compare(pageB.visible, data.b >= 3)
        }

        function test_shorterListTakesBackAChosenStep() {
            TestHooks.setValue("heatZoneCountB", 0)
            pageA.showEntry(6)
            compare(pageA.stepView.currentIndex, 6)
            TestHooks.setValue("heatZoneCountB", 4)
            compare(pageA.position, 3)
            pageA.startStopButton.activated()
            compare(scene.starts, [[Auto_.Start, "[3,0]"]])
        }

        function test_schemePagingButtons() {
            TestHooks.setValue("heatZoneCountB", 4)
            const area = pageA.schemeArea
            const next = findChild(area, "schemeNext")
            const previous = findChild(area, "schemePrevious")
            compare(area.currentIndex, 0)
            verify(!previous.enabled)
            mouseClick(next)
            compare(area.currentIndex, 1)
            verify(!next.enabled)
            mouseClick(previous)
            compare(area.currentIndex, 0)
            // Back to one view: the page shows it.
            mouseClick(next)
            TestHooks.setValue("heatZoneCountB", 0)
            compare(area.currentIndex, 0)
        }

        function test_startIndexWithAndWithoutResumeData() {
            offerResume(2, -1)
            compare(pageA.stepList.model[0], "Recovery")
            compare(pageA.position, 0)
            // "Recovery" shows the empty screen, the last of the view.
            compare(pageA.stepView.currentIndex, 7)
            pageA.startStopButton.activated()
            pageA.stepList.comboBox.activated(1)
            compare(pageA.stepView.currentIndex, 0)
            pageA.startStopButton.activated()
            compare(scene.starts, [[Auto_.Start, "[-1,0]"], [Auto_.Start, "[0,0]"]])
            // Without resume data the list starts at filling.
            TestHooks.setRecoveryCount(0)
            compare(pageA.stepList.model[0], "1. Füllen")
            pageA.showEntry(3)
            pageA.startStopButton.activated()
            compare(scene.starts[2], [Auto_.Start, "[3,0]"])
        }

        function test_prepareSendsChosenStep_data() {
            return [{ tag: "A recovery", line: 1, resume: true, entry: 0, value: "[-1,0]" },
                    { tag: "A filling", line: 1, resume: true, entry: 1, value: "[0,0]" },
                    { tag: "A rests", line: 1, resume: false, entry: 2, value: "[2,0]" },
                    // Line B's entries count from its offset: Läutern is step 4.
                    { tag: "B lautering", line: 2, resume: false, entry: 0, value: "[4,1]" },
                    { tag: "B heating", line: 2, resume: false, entry: 1, value: "[5,1]" }]
        }

        function test_prepareSendsChosenStep(data) {
            TestHooks.setValue("heatZoneCountB", 4)
            if (data.resume)
                offerResume(3, -1)
            const page = data.line === 1 ? pageA : pageB
            base.currentIndex = data.line - 1
            data.line === 1 ? Auto_.auto1PopupPrepare() : Auto_.auto2PopupPrepare()
            const popup = page.preparePopup
            tryCompare(popup, "opened", true)
            const list = findChild(popup.contentItem, "prepareSteps")
            compare(list.model, page.stepModel)
            list.comboBox.currentIndex = data.entry
            list.comboBox.activated(data.entry)
            // Choosing in the popup shows the step on the page.
            compare(page.position, data.entry)
            mouseClick(findChild(popup.contentItem, "prepareStart"))
            tryCompare(popup, "visible", false)
            compare(scene.starts, [[Auto_.Start, data.value]])
        }

        function test_viewFollowsRunningStep() {
            TestHooks.setAutoActive(1, true)
            TestHooks.setAutoStep(1, 2)
            compare(pageA.stepView.currentIndex, 2)
            compare(pageA.stepList.currentIndex, 2)
            compare(pageA.runningEntry, 2)
            // The operator may look at another step; the next step change
            // brings the running one back.
            pageA.showEntry(0)
            compare(pageA.stepView.currentIndex, 0)
            TestHooks.setAutoStep(1, 3)
            compare(pageA.stepView.currentIndex, 3)
            TestHooks.setAutoStep(1, -1)
            compare(pageA.stepView.currentIndex, 0)
            compare(pageA.runningEntry, -1)
            // Line B: its step less the offset.
            TestHooks.setAutoStep(2, 5)
            compare(pageB.stepView.currentIndex, 1)
            compare(pageB.runningEntry, 1)
        }

        function test_runningStepHighlightedInOpenList() {
            TestHooks.setAutoActive(1, true)
            TestHooks.setAutoStep(1, 1)
            const box = pageA.stepList.comboBox
            box.popup.open()
            tryCompare(box.popup, "opened", true)
            const entry = findChild(box.popup.contentItem, "stepEntry1")
            verify(entry)
            verify(entry.marked)
            verify(!findChild(box.popup.contentItem, "stepEntry0").marked)
            box.popup.close()
            tryCompare(box.popup, "visible", false)
        }

        function test_resumeWarningTexts_data() {
            const tail = "Um diesen Prozess fortzusetzen, muss als Schritt 'Recovery' ausgewählt werden"
            return [
                { tag: "two-vessel, A", b: 0, a: 2, bStep: -1,
                  text: `Es ist eine Sicherung eines abgebrochenen Brauvorgangs vorhanden (Schritt 3 - Schritt A). ${tail}` },
                { tag: "three-vessel, B only", b: 4, a: -1, bStep: 5,
                  text: `Es ist eine Sicherung eines abgebrochenen Brauvorgangs vorhanden (Schritt 6 - Schritt B). ${tail}` },
                { tag: "three-vessel, both", b: 4, a: 1, bStep: 4,
                  text: "Es ist eine Sicherung zweier abgebrochener Brauvorgänge vorhanden (Schritt 2 - Schritt A und "
                        + "Schritt 5 - Schritt B). Um diese Prozesse fortzusetzen, muss als Schritt 'Recovery' "
                        + "ausgewählt werden. Es kann auch nur einer dieser Schritte fortgesetzt werden." },
                // Line B's snapshot before its first step counts only for A's text.
                { tag: "three-vessel, B early", b: 4, a: 1, bStep: 2,
                  text: `Es ist eine Sicherung eines abgebrochenen Brauvorgangs vorhanden (Schritt 2 - Schritt A). ${tail}` }]
        }

        function test_resumeWarningTexts(data) {
            TestHooks.setValue("heatZoneCountB", data.b)
            offerResume(data.a, data.bStep)
            const warning = pageA.resumeWarning
            verify(warning.visible)
            compare(warning.title, "Sicherung vorhanden")
            compare(warning.text, data.text)
        }

        function test_resumeOfferedOnlyWhileNoLineRuns() {
            // No snapshot step, or no count: nothing is offered.
            TestHooks.setRecoveryCount(1)
            verify(!pageA.offered)
            TestHooks.setRecoveryCount(0)
            TestHooks.setRecovery(1, 2, "Rasten")
            verify(!pageA.offered)
            offerResume(2, -1)
            verify(pageA.resumeWarning.visible)
            // A running line withdraws the warning and the entry.
            TestHooks.setAutoActive(2, true)
            verify(!pageA.resumeWarning.visible)
            compare(pageA.stepList.model[0], "1. Füllen")
            TestHooks.setAutoActive(2, false)
            verify(pageA.resumeWarning.visible)
            compare(pageA.stepList.model[0], "Recovery")
            compare(pageA.stepView.currentIndex, 7)
            // Line B's page never offers resume data.
            verify(!pageB.offered)
            compare(pageB.stepList.model[0], "5. Läutern")
        }

        function test_dismissedWarningShowsAgainNextOffer() {
            offerResume(2, -1)
            const warning = pageA.resumeWarning
            const close = findChild(warning, "closeButton")
            // Laid out within the page once the warning has appeared.
            tryVerify(function() { return close.mapToItem(pageA, close.width, 0).x <= pageA.width })
            mouseClick(close)
            verify(!warning.visible)
            // Still offered: stays dismissed, the entry stays.
            compare(pageA.stepList.model[0], "Recovery")
            TestHooks.setRecoveryCount(0)
            verify(!warning.visible)
            TestHooks.setRecoveryCount(2)
            verify(warning.visible)
        }

        function test_offerEndsShowsRunningStep() {
            offerResume(2, -1)
            TestHooks.setAutoStep(1, 4)
            TestHooks.setAutoActive(1, true)
            compare(pageA.stepView.currentIndex, 4)
            compare(pageA.stepList.currentIndex, 4)
        }

        function test_recipeList() {
            TestHooks.setRecipeNames(["Helles", "Pils <b>x</b>"])
            TestHooks.setLineRecipeName(1, "Pils <b>x</b>")
            const list = pageA.recipeList
            compare(list.currentIndex, 1)
            compare(list.comboBox.displayText, "Pils <b>x</b>")
            verify(list.enabled)
            list.comboBox.activated(0)
            compare(scene.recipeRequests, [[Recipes.SetAuto1Name, "Helles"]])
            pageB.recipeList.comboBox.activated(1)
            compare(scene.recipeRequests[1], [Recipes.SetAuto2Name, "Pils <b>x</b>"])
            // Not while the line runs, nor with "Recovery" chosen.
            TestHooks.setAutoActive(1, true)
            verify(!list.enabled)
            verify(pageB.recipeList.enabled)
            TestHooks.setAutoActive(1, false)
            offerResume(2, -1)
            verify(!list.enabled)
            pageA.showEntry(1)
            verify(list.enabled)
        }

        function test_statusLine() {
            const status = findChild(pageA, "statusLine")
            TestHooks.setValue("statusA", "Heizen auf 52 °C")
            compare(status.text, "Heizen auf 52 °C")
            TestHooks.setAutoActive(1, true)
            TestHooks.setAutoStep(1, 2)
            compare(status.text, "3: Heizen auf 52 °C")
            TestHooks.setValue("statusA", "")
        }

        function test_buttonStates_data() {
            return [
                { tag: "idle", b: 0, line: 1, active: false, wait: false, state: "", text: "Start" },
                { tag: "A running", b: 0, line: 1, active: true, wait: false, state: "started", text: "Abbrechen" },
                { tag: "A finished", b: 0, line: 1, active: true, wait: true, state: "waiting1", text: "Abschließen" },
                // On a three-vessel plant line A never finishes the run.
                { tag: "A three-vessel", b: 4, line: 1, active: true, wait: true, state: "started", text: "Abbrechen" },
                { tag: "B finished", b: 4, line: 2, active: true, wait: true, state: "waiting1", text: "Abschließen" },
                { tag: "B waits, idle", b: 4, line: 2, active: false, wait: true, state: "", text: "Start" }]
        }

        function test_buttonStates(data) {
            TestHooks.setValue("heatZoneCountB", data.b)
            const button = (data.line === 1 ? pageA : pageB).startStopButton
            TestHooks.setAutoActive(data.line, data.active)
            TestHooks.setWaitForAckn(data.wait)
            compare(button.state, data.state)
            compare(button.text, data.text)
            if (data.state === "waiting1") {
                // Grey fades in, then it blinks between green and grey.
                tryCompare(button, "state", "waiting2", 2000)
                const near = function(c) {
                    return function() {
                        const b = button.color_
                        return Math.abs(b.r - c.r) + Math.abs(b.g - c.g) + Math.abs(b.b - c.b) < 0.15
                    }
                }
                tryVerify(near(button.green_), 1500)
                tryVerify(near(button.grey_), 1500)
                tryVerify(near(button.green_), 1500)
            }
            button.activated()
            const expected = data.state === "" ? Auto_.Start
                           : data.state === "started" ? (data.line === 1 ? Auto_.StopA : Auto_.StopB)
                           : Auto_.FinishAckn
            compare(scene.starts.length, 1)
            compare(scene.starts[0][0], expected)
            compare(scene.starts[0][1], expected !== Auto_.Start ? "null" : data.line === 1 ? "[0,0]" : "[4,1]")
        }

        function test_buttonHoldTriggersOnceAndUnchecks() {
            const button = pageA.startStopButton
            mousePress(button)
            wait(Common.delayButtonDelay / 2)
            compare(scene.starts.length, 0)
            tryVerify(function() { return scene.starts.length === 1 }, Common.delayButtonDelay + 1000)
            mouseRelease(button)
            verify(!button.checked)
            compare(scene.starts, [[Auto_.Start, "[0,0]"]])
            // A short press sends nothing.
            mouseClick(button)
            compare(scene.starts.length, 1)
        }

        function test_autoExtFollowsLinesAndFrequencies() {
            TestHooks.setValue("fuFreqSpRw1", 11)
            TestHooks.setValue("fuFreqSpPump1", 12)
            TestHooks.setValue("fuFreqSpPumpLautern", 13)
            TestHooks.setValue("fuFreqSpRw2", 14)
            TestHooks.setValue("fuFreqSpPump2", 15)
            TestHooks.setAutoFrequencies(21, 22, 23, 24, 25)
            const settings = () => [AutoExt.freqRw1AutoHand, AutoExt.freqPump1AutoHand, AutoExt.freqRw2AutoHand,
                                    AutoExt.freqPump2AutoHand]
            compare(settings(), [11, 12, 14, 15])
            TestHooks.setUseLauterPumpFreq(true)
            compare(AutoExt.freqPump1AutoHand, 13)
            // Either line running switches all four to the sequence's values.
            TestHooks.setAutoActive(2, true)
            verify(AutoExt.active)
            compare(settings(), [21, 23, 24, 25])
            TestHooks.setUseLauterPumpFreq(false)
            compare(AutoExt.freqPump1AutoHand, 22)
            // The cooking line is B on a three-vessel plant, else A.
            TestHooks.setAutoStep(1, 3)
            TestHooks.setAutoStep(2, 5)
            verify(!AutoExt.activeX)
            compare(AutoExt.stepX, 3)
            TestHooks.setValue("heatZoneCountB", 4)
            verify(AutoExt.activeX)
            compare(AutoExt.stepX, 5)
            compare([AutoExt.nameStep1Fuellen, AutoExt.nameStep6Heizen, AutoExt.nameStep7Kochen],
                    ["Füllen", "Heizphase Kochen", "Kochen"])
        }

        function test_schemeBesideOrBelowTheSteps() {
            const area = pageA.schemeArea
            const flick = findChild(pageA, "pageFlickable")
            // Wide: beside the steps, as high as the page, nothing scrolls.
            verify(!pageA.narrow)
            verify(!flick.interactive)
            verify(area.x > pageA.stepView.mapToItem(pageA, pageA.stepView.width, 0).x)
            compare(area.height, pageA.height - 2 * Common.spacing)
            // Narrower than the breakpoint: below them, the page scrolls.
            const page = createTemporaryObject(narrowPage, scene, { width: Common.breakpoint - 1, height: 400 })
            const below = page.schemeArea
            verify(page.narrow)
            tryVerify(function() { return below.y >= page.stepView.mapToItem(below.parent, 0, page.stepView.height).y })
            const scroller = findChild(page, "pageFlickable")
            // The page's scroll bar has a strip of its own beside the scheme.
            const bar = scroller.ScrollBar.vertical
            compare(below.width, page.width - 2 * Common.spacing - bar.width)
            verify(below.x + below.width <= bar.mapToItem(below.parent, 0, 0).x + 0.5)
            verify(below.height > 0)
            verify(scroller.interactive)
            verify(scroller.contentHeight > page.height)
        }

        // What lies wholly inside the item `frame` shows on screen.
        function insideOf(item, frame) {
            const tl = item.mapToItem(frame, 0, 0)
            const br = item.mapToItem(frame, item.width, item.height)
            return tl.x >= -0.5 && tl.y >= -0.5 && br.x <= frame.width + 0.5 && br.y <= frame.height + 0.5
        }

        function test_stepNamesShowWhole_data() {
            return [{ tag: "one line", b: 0, line: 1 }, { tag: "line A beside line B", b: 4, line: 1 },
                    { tag: "line B", b: 4, line: 2 }]
        }

        // No entry of a step box and no chosen recipe's name is cut at the
        // box's arrow, at the page's real size; a long name from outside is
        // cut rather than pushing the action box out.
        function test_stepNamesShowWhole(data) {
            TestHooks.setValue("heatZoneCountB", data.b)
            TestHooks.setRecipeNames(["Festbier"])
            TestHooks.setLineRecipeName(data.line, "Festbier")
            const page = data.line === 1 ? pageA : pageB
            base.currentIndex = data.line - 1
            waitForRendering(page)
            const metrics = Qt.createQmlObject("import QtQuick 2.15; FontMetrics { }", scene)
            function room(box) {
                metrics.font = box.font
                return box.contentItem.width - box.contentItem.leftPadding - box.contentItem.rightPadding
            }
            const steps = page.stepList.comboBox
            for (const name of page.stepModel)
                verify(metrics.advanceWidth(name) <= room(steps) + 0.5, `'${name}' braucht ${metrics.advanceWidth(name)}, Platz ${room(steps)}`)
            const recipes = page.recipeList.comboBox
            verify(metrics.advanceWidth("Festbier") <= room(recipes) + 0.5, `Festbier: Platz ${room(recipes)}`)
            verify(page.startStopButton.width >= page.startStopButton.implicitWidth - 0.5, `Aktion: ${page.startStopButton.width}`)

            TestHooks.setLineRecipeName(data.line, "Sehr langes Rezept aus der Steuerung ".repeat(4))
            waitForRendering(page)
            verify(page.startStopButton.width >= page.startStopButton.implicitWidth - 0.5, `Aktion: ${page.startStopButton.width}`)
            metrics.destroy()
            TestHooks.setLineRecipeName(data.line, "")
            TestHooks.setRecipeNames([])
        }

        // Paging between the scheme's views does not reflow the steps beside
        // it, and a single view fills its area (no empty band beside it).
        function test_schemeAreaKeepsItsSize() {
            TestHooks.setValue("heatZoneCountB", 4)
            const area = pageA.schemeArea
            waitForRendering(pageA)
            const steps = pageA.stepView.width
            const width = area.width
            mouseClick(findChild(area, "schemeNext"))
            compare(area.currentIndex, 1)
            waitForRendering(pageA)
            compare(area.width, width)
            compare(pageA.stepView.width, steps)
            TestHooks.setValue("heatZoneCountB", 0)
            waitForRendering(pageA)
            const view = area.view.currentItem
            tryVerify(function() { return view.item !== null })
            const form = view.item.form
            fuzzyCompare(form.width * form.scale, area.width, 1)
        }

        // The hold button that moves a line on stays in view below the
        // scrolling step column, and the column shows that it scrolls.
        function test_holdButtonInViewBelowTheColumn_data() {
            return [{ tag: "one line", b: 0, line: 1, step: Auto_.StepLautern, button: "nextButton" },
                    { tag: "line B", b: 4, line: 2, step: Auto_.StepLautern, button: "nextButton" },
                    { tag: "boiling", b: 0, line: 1, step: Auto_.StepKochen, button: "finishButton" }]
        }

        function test_holdButtonInViewBelowTheColumn(data) {
            TestHooks.setValue("heatZoneCountB", data.b)
            TestHooks.setRecipe(data.line, "hopfenVorderwurze", true)
            TestHooks.setAutoActive(data.line, true)
            TestHooks.setAutoStep(data.line, data.step)
            const page = data.line === 1 ? pageA : pageB
            base.currentIndex = data.line - 1
            let screen = null
            tryVerify(function() {
                const loader = page.stepView.currentItem
                screen = loader && loader.item
                return screen && screen.isActive
            })
            waitForRendering(page)
            const button = findChild(screen, data.button)
            verify(button.visible)
            // (once the step view has slid to the step)
            tryVerify(function() { return insideOf(button, page) }, 2000, "der Knopf liegt außerhalb der Seite")
            const flick = findChild(screen, "stepFlick")
            verify(flick.scrollable, "die Spalte ist höher als ihr Platz")
            verify(flick.scrollBar.visible)
            TestHooks.setRecipe(data.line, "hopfenVorderwurze", false)
        }

        function test_pageReportsBecomingCurrent() {
            TestHooks.setValue("heatZoneCountB", 4)
            base.currentIndex = 3
            const spy = pageSpy
            spy.clear()
            base.currentIndex = 1
            base.currentIndex = 0
            compare(spy.count, 2)
            compare(spy.signalArguments[0][0], Gui.Auto2)
            compare(spy.signalArguments[1][0], Gui.Auto1)
        }
    }
}
