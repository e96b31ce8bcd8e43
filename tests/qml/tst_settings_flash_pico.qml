import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.action 1.0
import tavell.gui 1.0
import tavell.testing 1.0
import "qrc:/qml/content/settings"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 800
    height: 600

    property var reports: []

    Connections {
        target: Gui
        function onToPy(kind, value) { scene.reports.push([kind, JSON.stringify(value)]) }
    }

    SignalSpy { id: actionSpy; target: Action_; signalName: "toPy" }

    Component {
        id: tabComponent
        SettingsFlashPico { anchors.fill: parent }
    }

    TestCase {
        name: "SettingsFlashPico"
        when: windowShown

        property var tab: null

        function init() {
            scene.reports = []
            actionSpy.clear()
            tab = createTemporaryObject(tabComponent, scene)
        }

        function child(name) { return findChild(tab, name) }

        function plain() { return tab.output.getText(0, tab.output.length) }

        // The output shows within a frame of its arrival.
        function waitForPlain(expected) {
            tryVerify(() => plain() === expected, 2000)
            compare(plain(), expected)
        }

        // The paragraphs of the output with the colour each is set in.
        function html() { return tab.output.text }

        function test_warningBox() {
            compare(child("flashWarning").title, "Achtung!")
            compare(child("flashWarning").text,
                    "Diese Funktion darf nur nach ausdrücklicher Anweisung der Firma Tavell genutzt werden")
        }

        // The chooser is Qt's own dialog: its buttons read German whatever the
        // machine's locale, and it opens in the brewer's home folder.
        function test_fileChooserGermanInHomeFolder() {
            mouseClick(child("chooseFileButton"))
            tryVerify(function() { return TestHooks.fileChooser().folder !== undefined }, 5000,
                      "the file chooser is shown")
            const chooser = TestHooks.fileChooser()
            compare(chooser.accept, "Öffnen")
            compare(chooser.reject, "Abbrechen")
            compare(chooser.folder, TestHooks.homeFolder())
            child("fileDialog").close()
            tryVerify(function() { return TestHooks.fileChooser().folder === undefined })
        }

        function test_startNeedsAFile() {
            const button = child("flashButton")
            compare(button.text, "Es muss noch eine '*.elf'-Datei ausgewählt werden")
            verify(!button.enabled)
            verify(Qt.colorEqual(child("fileField").color, Common.colorWarning))
            tab.fileUrl = "file:///tmp/pico%20neu.elf"
            compare(button.text, "Flashen starten")
            verify(button.enabled)
            const field = child("fileField")
            verify(Qt.colorEqual(field.color, Common.colorOk))
            // The chosen file's name reads on the field.
            verify(Common.contrast(field.children[0].color, field.color) >= 4.5)
        }

        function test_frequencyChoices() {
            const combo = child("comboFrequency")
            const values = []
            for (let i = 0; i < combo.count; ++i)
                values.push(combo.textAt(i))
            compare(values, ["10", "50", "100", "250", "500", "750", "1000"])
            compare(combo.currentText, "250")
        }

        function test_startSendsFrequencyAndFile() {
            tab.fileUrl = "file:///tmp/pico.elf"
            const button = child("flashButton")
            mouseClick(button)
            compare(scene.reports, [[Gui.FlashPico, JSON.stringify([250, "file:///tmp/pico.elf"])]])
            compare(button.text, "wird geflasht ...")
            verify(!button.enabled)
            // A second press while flashing sends nothing.
            mouseClick(button)
            compare(scene.reports.length, 1)
        }

        function test_otherFrequencyIsSentAsNumber() {
            tab.fileUrl = "file:///tmp/pico.elf"
            child("comboFrequency").forceActiveFocus()
            keyClick(Qt.Key_Down)
            mouseClick(child("flashButton"))
            compare(scene.reports, [[Gui.FlashPico, JSON.stringify([500, "file:///tmp/pico.elf"])]])
        }

        function test_returnValueEndsRun_data() {
            return [{ tag: "success", value: 0, colour: "colorSuccessText" },
                    { tag: "failure", value: 3, colour: "colorAlarmText" },
                    { tag: "negative", value: -1, colour: "colorAlarmText" }]
        }

        function test_returnValueEndsRun(data) {
            tab.fileUrl = "file:///tmp/pico.elf"
            mouseClick(child("flashButton"))
            Gui.setPicoReturnValue(data.value)
            const line = "Flashen mit Rückgabe " + data.value + " abgeschlossen"
            waitForPlain(line)
            verify(new RegExp("font-weight:600; color:" + Common[data.colour] + ";\">" + line).test(html()), html())
            compare(child("flashButton").text, "Flashen starten")
            verify(child("flashButton").enabled)
        }

        function test_stdoutPlainStderrMarked() {
            Gui.setPicoStdout("Lese Datei")
            Gui.setPicoStderr("Fehler beim Schreiben")
            waitForPlain("Lese Datei\u2029Fehler beim Schreiben")
            const alarm = "color:" + Common.colorAlarmText + ";\">"
            verify(html().indexOf(alarm + "Fehler beim Schreiben") >= 0, html())
            verify(html().indexOf(alarm + "Lese Datei") < 0, html())
        }

        function test_controllerTextIsShownLiterally_data() {
            return [{ tag: "stdout", signal: "setPicoStdout" }, { tag: "stderr", signal: "setPicoStderr" }]
        }

        function test_controllerTextIsShownLiterally(data) {
            Gui[data.signal]("<none>\na < b && c > d\n")
            Gui[data.signal]("<b>kein Fett</b>")
            Gui[data.signal]("  eingerückt\tmit Tab")
            waitForPlain("<none>\u2028a < b && c > d\u2029<b>kein Fett</b>\u2029  eingerückt\tmit Tab")
            verify(!/font-weight:600/.test(html()), html())
        }

        function test_outputCleared() {
            Gui.setPicoStdout("etwas")
            waitForPlain("etwas")
            mouseClick(child("clearButton"))
            compare(plain(), "")
        }

        function test_resetExtensions() {
            mouseClick(child("resetButton"))
            compare(actionSpy.count, 1)
            compare(actionSpy.signalArguments[0][0], Action_.ResetExtensions)
        }

        function test_selectionOnlyWhenSwitchedOn() {
            const area = tab.output
            Gui.setPicoStdout("markierbar")
            waitForPlain("markierbar")
            verify(!area.selectByMouse)
            tab.selectable = true
            verify(area.selectByMouse)
            area.selectAll()
            compare(area.selectedText, "markierbar")
            tab.selectable = false
            compare(area.selectedText, "")
        }

        function test_outputFollowsEnd() {
            const flick = child("outputFlickable")
            for (let i = 0; i < 60; ++i)
                Gui.setPicoStdout("Zeile " + i)
            tryVerify(() => flick.contentHeight > flick.height)
            tryCompare(flick, "contentY", flick.contentHeight - flick.height)
        }
    }
}
