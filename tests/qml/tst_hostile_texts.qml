import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.gui 1.0
import "qrc:/qml"
import "qrc:/qml/singletons"

// Texts and errors the controller sends without limits: repeated errors,
// huge texts and markup in places that show plain text.
Item {
    id: scene

    width: 1024
    height: 600

    Base {
        id: base
        anchors.fill: parent
    }

    TestCase {
        name: "HostileTexts"
        when: windowShown

        function record(text, line) {
            return { type: "RuntimeError", text: text, root: "/", withTraceback: true,
                     trace: [{ file: "c.py", pathRel: "c.py", pathAbs: "/c.py", lineNo: line, func: "f", lineStr: "x" }] }
        }

        function cleanup() {
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
        }
    }
}
