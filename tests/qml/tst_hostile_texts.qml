import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.actuator 1.0
import tavell.gui 1.0
import tavell.testing 1.0
import "qrc:/qml"
import "qrc:/qml/content/scheme"
import "qrc:/qml/content/settings"
import "qrc:/qml/singletons"

// Texts and errors the controller sends without limits: repeated errors and
// messages, huge texts, markup in places that show plain text, and closing
// requests that come faster than dialogs fade out.
Item {
    id: scene

    width: 1024
    height: 600

    Base {
        id: base
        anchors.fill: parent
    }

    Component {
        id: valveComponent
        SchemeValve { x: 400; y: 300; output: Actuator.svSkIn }
    }

    Component {
        id: freqBoxComponent
        SchemeFreqBox { x: 400; y: 300 }
    }

    Component {
        id: outputButtonComponent
        ManualOutputButton { width: 200; output: Actuator.mvKanal }
    }

    Component {
        id: sensorListComponent
        KettleSensorList { width: 500; text: "Kessel" }
    }

    TestCase {
        name: "HostileTexts"
        when: windowShown

        function record(text, line) {
            return { type: "RuntimeError", text: text, root: "/", withTraceback: true,
                     trace: [{ file: "c.py", pathRel: "c.py", pathAbs: "/c.py", lineNo: line, func: "f", lineStr: "x" }] }
        }

        function cleanup() {
            TestHooks.setActuatorName(Actuator.SvSkIn, "Sv-Sk-In")
            TestHooks.setActuatorName(Actuator.MvKanal, "Mv-Kanal")
            while (Dialogs.popupActive) {
                const id = Dialogs.currentId
                Dialogs.rejectCurrent()
                tryVerify(function() { return Dialogs.currentId !== id }, 2000)
            }
        }

        function test_repeatedErrorsShareTheirDialog() {
            const first = Dialogs.error(record("kaputt", 3))
            verify(first)
            compare(Dialogs.error(record("kaputt", 3)), first)
            compare(Dialogs.error(record("kaputt", 3)), first)
            compare(first.repeats, 2)
            compare(findChild(first.contentItem, "messageRepeats").text, "Noch 2-mal aufgetreten")
            // Another place is another error.
            const other = Dialogs.error(record("kaputt", 4))
            verify(other && other !== first)
            // At most five error dialogs; the rest is counted on the newest.
            const more = [Dialogs.error(record("a", 1)), Dialogs.error(record("b", 1)), Dialogs.error(record("c", 1))]
            verify(more.every(function(d) { return !!d }))
            compare(Dialogs.error(record("d", 1)), undefined)
            compare(Dialogs.error(record("e", 1)), undefined)
            compare(more[2].moreErrors, 2)
            compare(findChild(more[2].contentItem, "messageRepeats").text, "2 weitere Fehler (siehe Protokoll)")
            // A closed dialog's error opens anew.
            first.close()
            tryVerify(function() { return Dialogs.getOpenDialogById(first.id_) === undefined })
            const again = Dialogs.error(record("kaputt", 3))
            verify(again && again !== first)
            compare(again.repeats, 0)
        }

        function test_hugeTextsAreCut() {
            const huge = "x".repeat(1 << 20)
            const dialog = Dialogs.message("Groß", huge)
            verify(dialog.text.length < 4000)
            verify(dialog.text.endsWith("[gekürzt: 1048576 Zeichen, vollständig im Protokoll]"))
            const q = Dialogs.question(huge, "kurz")
            verify(q.title.length < 4000)
            compare(q.text, "kurz")
            Gui.toastWarn(huge, 100)
            verify(findChild(base, "toastText").text.length < 4000)
        }

        function test_markupFromTheControllerShowsAsText() {
            const img = '<img src="http://127.0.0.1:9/x.png">'
            const q = Dialogs.question("Frage", "Text", { yes: img, no: img })
            for (const name of ["yesButton", "noButton"]) {
                const label = findChild(q.contentItem, name).contentItem
                compare(label.textFormat, Text.PlainText)
                compare(label.text, img)
            }
            Gui.toastWarn(img, 100)
            compare(findChild(base, "toastText").textFormat, Text.PlainText)

            // (The question is modal: it would keep the pointer from the scheme.)
            q.reject()
            tryVerify(function() { return !Dialogs.popupActive })

            // The names of outputs and drives: tooltips of the scheme and the
            // buttons of manual operation.
            TestHooks.setActuatorName(Actuator.SvSkIn, img)
            const valve = createTemporaryObject(valveComponent, scene)
            mouseMove(valve, valve.width / 2, valve.height / 2)
            const valveTip = findChild(valve, "toolTipLoader")
            tryVerify(function() { return valveTip.item && valveTip.item.visible })
            compare(valveTip.item.contentItem.textFormat, Text.PlainText)
            compare(valveTip.item.contentItem.text, img)
            const freqBox = createTemporaryObject(freqBoxComponent, scene, { toolTipText: img + " Frequenz" })
            // The program turns hovering on for the controls at start.
            freqBox.spinBox.hoverEnabled = true
            mouseMove(freqBox, freqBox.width / 2, freqBox.height / 2)
            const freqTip = findChild(freqBox, "toolTipLoader")
            tryVerify(function() { return freqTip.item && freqTip.item.visible })
            compare(freqTip.item.contentItem.textFormat, Text.PlainText)
            TestHooks.setActuatorName(Actuator.MvKanal, "<b>x</b>")
            const button = createTemporaryObject(outputButtonComponent, scene)
            compare(button.contentItem.text, "<b>x</b>")
            compare(button.contentItem.textFormat, Text.PlainText)

            // The sensor keys offered in the machine tab.
            const sensors = createTemporaryObject(sensorListComponent, scene, { sensorKeys: ["28-01", "<b>x</b>"] })
            const box = sensors.list.comboBox
            box.popup.open()
            tryCompare(box.popup, "opened", true)
            const entry = box.popup.contentItem.itemAtIndex(2)
            compare(entry.contentItem.text, "<b>x</b>")
            compare(entry.contentItem.textFormat, Text.PlainText)
            box.popup.close()
        }

        // The same message while its dialog is open is counted there; beyond
        // five open messages the rest are counted on the newest. Every one not
        // shown in a dialog of its own goes to the log in full.
        function test_floodOfMessagesIsBounded() {
            TestHooks.clearLog()
            const open = function() { return Dialogs.stack_.length }
            for (let i = 0; i < 3; ++i)
                Gui.message("Hinweis", "Tank voll", "info")
            compare(open(), 1)
            const first = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
            compare(first.repeats, 2)
            compare(findChild(first.contentItem, "messageRepeats").text, "Noch 2-mal aufgetreten")
            for (let i = 0; i < 10; ++i)
                Gui.message("Hinweis", "Meldung " + i, "info")
            compare(open(), 5)
            const newest = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
            compare(newest.text, "Meldung 3")
            compare(newest.moreMessages, 6)
            compare(findChild(newest.contentItem, "messageRepeats").text, "6 weitere Meldungen (siehe Protokoll)")
            const logged = TestHooks.consoleLines().join("\n")
            verify(logged.indexOf('["Hinweis","Tank voll","info"]') >= 0, logged)
            for (let i = 4; i < 10; ++i)
                verify(logged.indexOf(`["Hinweis","Meldung ${i}","info"]`) >= 0, i)
            // A closed message opens anew.
            first.close()
            tryVerify(function() { return Dialogs.getOpenDialogById(first.id_) === undefined })
            Gui.message("Hinweis", "Tank voll", "info")
            compare(Dialogs.getOpenDialogById(Dialogs.currentId)[0].repeats, 0)
        }

        // Each close_current_dialog closes the dialog on top at that moment,
        // also while the one closed before is still fading out.
        function test_closingTheCurrentDialogThreeTimesClosesThree() {
            for (const text of ["eins", "zwei", "drei", "vier"])
                Gui.message("Hinweis", text, "info")
            const bottom = Dialogs.getOpenDialogById(Dialogs.stack_[0])[0]
            for (let i = 0; i < 3; ++i)
                Gui.closeCurrentDialog(true)
            tryVerify(function() { return Dialogs.stack_.length === 1 })
            compare(Dialogs.getOpenDialogById(Dialogs.currentId)[0], bottom)
            verify(bottom.visible)
        }
    }
}
