import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.gui 1.0
import tavell.testing 1.0
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

    Component { id: spyComponent; SignalSpy {} }

    TestCase {
        name: "InputDialog"
        when: windowShown

        function dialogData() {
            return scene.reports.filter(function(r) { return r[0] === Gui.DialogData }).map(function(r) { return r[1] })
        }

        function init() {
            scene.reports = []
            TestHooks.clearLog()
        }

        function cleanup() {
            while (Dialogs.popupActive) {
                const id = Dialogs.currentId
                Dialogs.rejectCurrent()
                tryVerify(function() { return Dialogs.currentId !== id }, 2000)
            }
        }

        function part(d, name) { return findChild(d.contentItem, name) }

        function test_emptyConfirmIsRefused() {
            const d = Dialogs.input("Neues Rezept", "Bitte einen Namen angeben")
            tryCompare(d, "opened", true)
            const spy = createTemporaryObject(spyComponent, scene, { target: d, signalName: "accepted" })
            mouseClick(part(d, "inputOk"))
            compare(part(d, "inputError").text, "Es ist eine Eingabe erforderlich")
            verify(part(d, "inputError").visible)
            verify(d.visible)
            compare(spy.count, 0)
            compare(dialogData().length, 1)
        }

        function test_confirmWithTextAccepts() {
            const d = Dialogs.input("Neues Rezept", "Bitte einen Namen angeben")
            tryCompare(d, "opened", true)
            const id = d.id_
            const spy = createTemporaryObject(spyComponent, scene, { target: d, signalName: "accepted" })
            part(d, "inputField").forceActiveFocus()
            keyClick(Qt.Key_P)
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_Return)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], "pa")
            tryVerify(function() { return dialogData().length === 2 })
            compare(dialogData(), [JSON.stringify({ current: [id, null] }),
                                   '{"' + id + '":{"a":true},"current":null}'])
            verify(!Dialogs.popupActive)
        }

        function test_initialTextAndRejection() {
            const d = Dialogs.input("Rezept umbenennen", "Neuer Name", { text: "Pils" })
            tryCompare(d, "opened", true)
            const id = d.id_
            compare(part(d, "inputField").text, "Pils")
            const spy = createTemporaryObject(spyComponent, scene, { target: d, signalName: "rejected" })
            mouseClick(part(d, "inputCancel"))
            compare(spy.count, 1)
            tryVerify(function() { return dialogData().length === 2 })
            compare(dialogData()[1], '{"' + id + '":{"a":false},"current":null}')
        }

        function test_passwordEyeToggles() {
            const d = Dialogs.input("WLAN", "Passwort", { password: true })
            tryCompare(d, "opened", true)
            const field = part(d, "inputField")
            const eye = part(d, "eyeButton")
            verify(eye.visible)
            compare(field.echoMode, TextInput.Password)
            compare(String(eye.icon.source), "qrc:/img/eye.svg")
            mouseClick(eye)
            compare(field.echoMode, TextInput.Normal)
            compare(String(eye.icon.source), "qrc:/img/eye-slash.svg")
            mouseClick(eye)
            compare(field.echoMode, TextInput.Password)
        }

        // The layers the window's overlay shows under its popups.
        function dimmers() {
            const overlay = Overlay.overlay
            const found = []
            for (let i = 0; i < overlay.children.length; ++i) {
                const c = overlay.children[i]
                if (c.visible && c.color !== undefined && Qt.colorEqual(c.color, Common.colorDim))
                    found.push(c)
            }
            return found
        }

        function test_dimsThePageAreaAndHidesAnEmptyOk() {
            compare(dimmers().length, 0)
            const d = Dialogs.input("Name", "Text")
            tryCompare(d, "opened", true)
            compare(dimmers().length, 1)
            verify(part(d, "inputOk").visible)
            d.okText = ""
            verify(!part(d, "inputOk").visible)
            verify(part(d, "inputCancel").visible)
            d.reject()
            tryVerify(function() { return dimmers().length === 0 })
        }

        function test_plainInputHasNoEye() {
            const d = Dialogs.input("Name", "Text")
            verify(!part(d, "eyeButton").visible)
            compare(part(d, "inputField").echoMode, TextInput.Normal)
        }

        function test_resetRestoresDefaults() {
            const d = Dialogs.input("WLAN", "Passwort", { password: true, text: "geheim" })
            tryCompare(d, "opened", true)
            mouseClick(part(d, "eyeButton"))
            part(d, "inputField").text = ""
            d.accept()
            compare(part(d, "inputError").text, "Es ist eine Eingabe erforderlich")
            d.required = false
            d.reset()
            verify(TestHooks.logged("input dialog resetted"))
            compare(part(d, "inputField").text, "")
            verify(d.required)
            verify(!d.password)
            verify(!part(d, "eyeButton").checked)
            compare(part(d, "inputError").text, "")
        }
    }
}
