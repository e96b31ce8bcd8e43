import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.bridge 1.0
import tavell.gui 1.0
import "qrc:/qml"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 1024
    height: 600

    property var reports: []

    Connections {
        target: Gui
        function onToPy(kind, value) { scene.reports.push([kind, JSON.stringify(value)]) }
    }

    Base {
        id: base
        anchors.fill: parent
    }

    TestCase {
        name: "Dialogs"
        when: windowShown

        function init() {
            scene.reports = []
        }

        function cleanup() {
            while (Dialogs.popupActive) {
                const id = Dialogs.currentId
                Dialogs.rejectCurrent()
                tryVerify(function() { return Dialogs.currentId !== id }, 2000)
            }
        }

        function dialogData() {
            return scene.reports.filter(function(r) { return r[0] === Gui.DialogData }).map(function(r) { return r[1] })
        }

        function test_automaticIdsAndRemovalReports() {
            const first = Dialogs.message("A", "eins")
            const second = Dialogs.message("B", "zwei")
            verify(first && second)
            compare(first.id_ - 1, second.id_)
            verify(first.id_ < 0)
            const a = first.id_, b = second.id_
            first.close()
            tryVerify(function() { return dialogData().length === 3 })
            second.close()
            tryVerify(function() { return dialogData().length === 4 })
            compare(dialogData(), [
                JSON.stringify({ current: [a, null] }),
                JSON.stringify({ current: [b, null] }),
                '{"' + a + '":{"a":false},"current":[' + b + ',null]}',
                '{"' + b + '":{"a":false},"current":null}'])
            verify(!Dialogs.popupActive)
        }

        function test_questionWithIdAcceptedByOperator() {
            const q = Dialogs.question("Frage", "Weiter?", { id: 5, description: "weiter", no: "Nein" })
            verify(q)
            tryCompare(q, "opened", true)
            mouseClick(findChild(q.contentItem, "yesButton"))
            tryVerify(function() { return dialogData().length === 3 })
            compare(dialogData(), [
                '{"current":[5,"weiter"]}',
                '{"5":{"a":true}}',
                '{"5":{"a":true},"current":null}'])
        }

        function test_duplicateIdIsRefused() {
            const q = Dialogs.question("Frage", "eins", { id: 9 })
            verify(q)
            compare(Dialogs.question("Frage", "zwei", { id: 9 }), undefined)
            compare(dialogData().length, 1)
            compare(Dialogs.getOpenDialogById(9)[0], q)
            compare(q.text, "eins")
        }

        function test_closeDialogOnMessageReportsFalse() {
            Gui.message("Titel", "Text", "info", 12)
            verify(Dialogs.getOpenDialogById(12))
            Gui.closeDialog(12, true)
            tryVerify(function() { return dialogData().length === 2 })
            compare(dialogData()[1], '{"12":{"a":false},"current":null}')
            Gui.closeDialog(12, true)
            wait(50)
            compare(dialogData().length, 2)
        }

        function test_exceptionOpensErrorDialogWithEscapedTraceback() {
            Bridge.exception({ type: "ValueError", text: "a < b\nZeile 300 in w.cpp", root: "/r", withTraceback: true,
                               trace: [{ lineNo: 3, lineStr: "x = f(<none>)", func: "<module>",
                                         pathAbs: "/r/ctl/x.py", pathRel: "ctl/x.py", file: "x.py" },
                                       { lineNo: 7, lineStr: "", func: "g", pathAbs: "/lib/y.py",
                                         pathRel: "../lib/y.py", file: "y.py" }] })
            const d = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
            compare(d.objectName, "messageDialog")
            compare(d.title, "ValueError")
            // Escaped, and the place the error was caught stays on its own line.
            compare(d.text, "a &lt; b<br>Zeile 300 in w.cpp")
            verify(Qt.colorEqual(d.color, "red"))
            const button = findChild(d.contentItem, "tracebackButton")
            verify(button.visible)
            mouseClick(button)
            const extra = findChild(d.contentItem, "messageExtraText")
            compare(extra.text, "Traceback (letzter Aufruf zum Schluss):<br>"
                    + "Datei ctl/x.py, Zeile 3, in Funktion &lt;module&gt;:<br>&nbsp;&nbsp;x = f(&lt;none&gt;)<br>"
                    + "Datei /lib/y.py, Zeile 7, in Funktion g")
        }

        function test_exceptionWithoutTracebackHidesTheButton() {
            Bridge.exception({ type: "KeyError", text: "k", root: "/r", withTraceback: false })
            const d = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
            verify(!findChild(d.contentItem, "tracebackButton").visible)
        }

        function test_poweroffQuestionCallsBridge() {
            const before = Bridge.poweroffCalls
            Gui.showPoweroffDialog()
            const d = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
            compare(d.title, "Herunterfahren")
            compare(dialogData()[0], JSON.stringify({ current: [Number(Dialogs.currentId), "poweroff"] }))
            Gui.closeCurrentDialog(false)
            tryVerify(function() { return !Dialogs.popupActive })
            compare(Bridge.poweroffCalls, before)
            Gui.showPoweroffDialog()
            Gui.closeCurrentDialog(true)
            compare(Bridge.poweroffCalls, before + 1)
        }

        function test_rebootFromPowerPopup() {
            const before = Bridge.rebootCalls
            base.powerPopup.open()
            tryCompare(base.powerPopup, "opened", true)
            const popupId = base.powerPopup.id_
            verify(popupId < 0)
            mouseClick(findChild(base.powerPopup.contentItem, "rebootButton"))
            tryCompare(base.powerPopup, "visible", false)
            const q = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
            compare(q.title, "Reboot")
            q.accept()
            compare(Bridge.rebootCalls, before + 1)
            const popupReports = scene.reports.filter(function(r) { return r[0] === Gui.PopupOpened })
            compare(popupReports.map(function(r) { return r[1] }), ["true", "false"])
        }

        function test_popupAcceptedWithValue() {
            base.powerPopup.id_ = 7
            base.powerPopup.open()
            tryCompare(base.powerPopup, "opened", true)
            compare(base.powerPopup.id_, 7)
            base.powerPopup.accept(42)
            tryCompare(base.powerPopup, "visible", false)
            compare(dialogData(), ['{"7":{"a":true,"v":42},"current":null}'])
            compare(scene.reports[scene.reports.length - 1], [Gui.PopupOpened, "false"])
        }

        function test_warningsWithoutYesOnlyOk() {
            Gui.setWarningsDialogData(1, "Warnung", "Deckel offen", "")
            Warnings.show()
            const d = Dialogs.getOpenDialogById(Dialogs.currentId)[0]
            verify(!findChild(d.contentItem, "yesButton").visible)
            compare(findChild(d.contentItem, "noButton").text, "OK")
            const spy = createTemporaryObject(spyComponent, scene, { target: Gui, signalName: "_toPyQVar" })
            mouseClick(findChild(d.contentItem, "noButton"))
            compare(spy.count, 0)
            Gui.setWarningsDialogData(0, "", "", "")
        }

        Component { id: spyComponent; SignalSpy {} }

        function test_closeDialogAcceptsPopupWithoutItsOwnCheck() {
            // The recovery popup with no box ticked refuses the operator's
            // OK, but the controller's close_dialog(id, True) closes it.
            Gui.requestPopup(Gui.PopupRecovery, 21)
            tryCompare(base.recoveryPopup, "opened", true)
            Gui.closeDialog(21, true)
            tryCompare(base.recoveryPopup, "visible", false)
            compare(dialogData(), ['{"21":{"a":true},"current":null}'])
            verify(!Dialogs.popupActive)
        }

        function test_questionWithoutYesClosesOnAccept() {
            const q = Dialogs.question("Frage", "Nur lesen", { id: 8, yes: null, no: "Schließen" })
            tryCompare(q, "opened", true)
            const spy = createTemporaryObject(spyComponent, scene, { target: q, signalName: "accepted" })
            Gui.closeCurrentDialog(true)
            tryVerify(function() { return !Dialogs.popupActive })
            compare(spy.count, 0)
            compare(dialogData(), ['{"current":[8,null]}', '{"8":{"a":false},"current":null}'])

            // The warnings without a yes text: closed, the warnings kept.
            Gui.setWarningsDialogData(1, "Warnung", "Deckel offen", "")
            Warnings.show()
            const toPy = createTemporaryObject(spyComponent, scene, { target: Gui, signalName: "_toPyQVar" })
            Gui.closeCurrentDialog(true)
            tryVerify(function() { return !Dialogs.popupActive })
            compare(toPy.count, 0)
            Gui.setWarningsDialogData(0, "", "", "")
        }

        function test_unregisteredComponentGivesNotice() {
            const q = Dialogs.question("T", "Text", { component: "Fehlt" })
            verify(q.text.indexOf("wurde die Komponente 'Fehlt' angefragt") > 0)
            verify(q.text.endsWith("<br>Text"))
        }
    }
}
