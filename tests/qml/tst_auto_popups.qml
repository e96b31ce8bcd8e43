import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import tavell.auto 1.0
import tavell.gui 1.0
import tavell.testing 1.0
import "qrc:/qml"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 1024
    height: 600

    property var reports: []
    property var starts: []

    Connections {
        target: Gui
        function onToPy(kind, value) { scene.reports.push([kind, JSON.stringify(value)]) }
    }

    Connections {
        target: Auto_
        function onToPy(code, value) { scene.starts.push([code, JSON.stringify(value)]) }
    }

    Base {
        id: base
        anchors.fill: parent
    }

    TestCase {
        name: "AutoPopups"
        when: windowShown

        function prepareA() { return findChild(base, "preparePopupA") }
        function prepareB() { return findChild(base, "preparePopupB") }

        function dialogData() {
            return scene.reports.filter(function(r) { return r[0] === Gui.DialogData }).map(function(r) { return r[1] })
        }

        function init() {
            scene.reports = []
            scene.starts = []
            TestHooks.clearLog()
        }

        function cleanup() {
            TestHooks.setValue("hauptgussMax", 250)
            TestHooks.setAutoActive(1, false)
            TestHooks.setAutoActive(2, false)
            for (const p of [prepareA(), prepareB(), base.fuellenPopup, base.recoveryPopup, base.powerPopup]) {
                if (p.visible) {
                    p.reject()
                    tryCompare(p, "visible", false)
                }
            }
            verify(!Dialogs.popupActive)
        }

        function test_prepareOpensOnIdleLinePage_data() {
            return [{ tag: "A", page: 0, line: 1 }, { tag: "B", page: 1, line: 2 }]
        }

        function test_prepareOpensOnIdleLinePage(data) {
            base.currentIndex = data.page
            data.line === 1 ? Auto_.auto1PopupPrepare() : Auto_.auto2PopupPrepare()
            const popup = data.line === 1 ? prepareA() : prepareB()
            verify(popup.visible)
            verify(popup.id_ < 0)
            compare(findChild(popup.contentItem, "prepareTitle").text, "Automatik vorbereiten")
        }

        // Each case fails exactly one condition, in the order the checks run.
        function test_prepareRefused_data() {
            return [
                { tag: "A active", line: 1, page: 0, active: true, open: false, why: "die Automatik bereits aktiv ist" },
                { tag: "A wrong page", line: 1, page: 3, active: false, open: false, why: "nicht die richtige Page ausgewählt ist" },
                { tag: "A already open", line: 1, page: 0, active: false, open: true, why: "das Popup bereits geöffnet ist" },
                { tag: "B active", line: 2, page: 1, active: true, open: false, why: "die Automatik bereits aktiv ist" },
                { tag: "B wrong page", line: 2, page: 0, active: false, open: false, why: "nicht die richtige Page ausgewählt ist" },
                { tag: "B already open", line: 2, page: 1, active: false, open: true, why: "das Popup bereits geöffnet ist" },
                // An active line wins over the wrong page.
                { tag: "A active elsewhere", line: 1, page: 4, active: true, open: false, why: "die Automatik bereits aktiv ist" }]
        }

        function test_prepareRefused(data) {
            const popup = data.line === 1 ? prepareA() : prepareB()
            const emitIt = function() { data.line === 1 ? Auto_.auto1PopupPrepare() : Auto_.auto2PopupPrepare() }
            base.currentIndex = data.page
            if (data.open)
                emitIt()
            verify(popup.visible === data.open)
            TestHooks.setAutoActive(data.line, data.active)
            const message = "ignoriere auto_" + data.line + "_popup_prepare(), da " + data.why
            ignoreWarning(message)
            emitIt()
            verify(TestHooks.logged(message))
            compare(popup.visible, data.open)
            compare(Dialogs.popupActive, data.open)
        }

        function test_prepareAcceptSendsStart_data() {
            return [{ tag: "A", page: 0, line: 1, value: JSON.stringify([Auto_.StepFuellen, Gui.Auto1]) },
                    { tag: "B", page: 1, line: 2, value: JSON.stringify([Auto_.stepBOffset, Gui.Auto2]) }]
        }

        function test_prepareAcceptSendsStart(data) {
            base.currentIndex = data.page
            data.line === 1 ? Auto_.auto1PopupPrepare() : Auto_.auto2PopupPrepare()
            const popup = data.line === 1 ? prepareA() : prepareB()
            tryCompare(popup, "opened", true)
            mouseClick(findChild(popup.contentItem, "prepareStart"))
            tryCompare(popup, "visible", false)
            compare(scene.starts, [[Auto_.Start, data.value]])
            verify(!Dialogs.popupActive)
        }

        function test_prepareCancelSendsNothing() {
            base.currentIndex = 0
            Auto_.auto1PopupPrepare()
            tryCompare(prepareA(), "opened", true)
            mouseClick(findChild(prepareA().contentItem, "prepareCancel"))
            tryCompare(prepareA(), "visible", false)
            compare(scene.starts, [])
        }

        function test_fillingPopupAcceptedReportsId() {
            Gui.requestPopup(Gui.PopupFullen, 7)
            const popup = base.fuellenPopup
            verify(popup.visible)
            compare(popup.id_, 7)
            compare(Dialogs.currentId, "7")
            mouseClick(findChild(popup.contentItem, "fuellenOk"))
            tryCompare(popup, "visible", false)
            // Two-vessel plant: counter reset with the global-reset box set.
            compare(dialogData(), ['{"7":{"a":true,"v":[true,true]},"current":null}'])
            compare(scene.reports[0], [Gui.PopupOpened, "true"])
            compare(scene.reports[scene.reports.length - 1], [Gui.PopupOpened, "false"])
            compare(popup.id_, 0)
        }

        function openFilling(id) {
            Gui.requestPopup(Gui.PopupFullen, id)
            tryCompare(base.fuellenPopup, "opened", true)
            return base.fuellenPopup
        }

        function fillingChild(name) { return findChild(base.fuellenPopup.contentItem, name) }

        function fillingAnswer(id) {
            tryCompare(base.fuellenPopup, "visible", false)
            const last = dialogData()[dialogData().length - 1]
            return JSON.stringify(JSON.parse(last)[String(id)])
        }

        function test_fillingPopupReports_data() {
            return [
                { tag: "two-vessel reset", b: 0, choice: "fuellenResetCounter", box: null, v: [true, true] },
                { tag: "three-vessel reset", b: 4, choice: "fuellenResetCounter", box: null, v: [true, false] },
                { tag: "reset, box ticked", b: 4, choice: "fuellenResetCounter", box: true, v: [true, true] },
                // The global counter never resets it, whatever the box showed.
                { tag: "global, box ticked", b: 4, choice: "fuellenGlobalCounter", box: true, v: [false, false] },
                { tag: "global, two-vessel", b: 0, choice: "fuellenGlobalCounter", box: null, v: [false, false] },
                { tag: "manual", b: 0, choice: "fuellenManual", box: false, number: 37, v: [37, false] }]
        }

        function test_fillingPopupReports(data) {
            TestHooks.setValue("heatZoneCountB", data.b)
            TestHooks.setValue("hauptgussMax", 80)
            const popup = openFilling(21)
            const box = fillingChild("fuellenGlobalReset")
            compare(box.checked, data.b < 3)
            verify(fillingChild("fuellenResetCounter").checked)
            if (data.box !== null && box.checked !== data.box)
                mouseClick(box)
            mouseClick(fillingChild(data.choice))
            if (data.number !== undefined) {
                const number = fillingChild("fuellenNumber")
                verify(number.enabled)
                tryVerify(function() { return number.activeFocus })
                number.contentItem.selectAll()
                keyClick(Qt.Key_Delete)
                for (const c of String(data.number))
                    keyClick(c)
            }
            mouseClick(fillingChild("fuellenOk"))
            compare(fillingAnswer(21), JSON.stringify({ a: true, v: data.v }))
            TestHooks.setValue("heatZoneCountB", -1)
        }

        function test_fillingGlobalBoxRemembersItsState() {
            TestHooks.setValue("heatZoneCountB", 0)
            openFilling(22)
            const box = fillingChild("fuellenGlobalReset")
            mouseClick(box)
            verify(!box.checked)
            mouseClick(fillingChild("fuellenGlobalCounter"))
            verify(!box.enabled)
            verify(!box.checked)
            verify(!fillingChild("fuellenNumber").enabled)
            mouseClick(fillingChild("fuellenManual"))
            verify(box.enabled)
            verify(!box.checked)
            mouseClick(box)
            mouseClick(fillingChild("fuellenGlobalCounter"))
            verify(!box.checked)
            mouseClick(fillingChild("fuellenResetCounter"))
            verify(box.checked)
            // The global counter's text shows the litres counted so far.
            TestHooks.setValue("filled", 12.34)
            compare(fillingChild("fuellenGlobalCounter").text, "Mit globalem Zählerstand starten (12.3 Liter)")
            TestHooks.setValue("filled", 0)
            base.fuellenPopup.reject()
            tryCompare(base.fuellenPopup, "visible", false)
            TestHooks.setValue("heatZoneCountB", -1)
        }

        function test_fillingKeys() {
            TestHooks.setValue("heatZoneCountB", 0)
            TestHooks.setValue("hauptgussMax", 80)
            openFilling(23)
            mouseClick(fillingChild("fuellenManual"))
            const number = fillingChild("fuellenNumber")
            tryVerify(function() { return number.activeFocus })
            number.contentItem.selectAll()
            keyClick("5")
            // Return in the number box only leaves it.
            keyClick(Qt.Key_Return)
            verify(base.fuellenPopup.visible)
            verify(!number.activeFocus)
            compare(number.value, 5)
            // Elsewhere Enter accepts.
            keyClick(Qt.Key_Enter)
            compare(fillingAnswer(23), JSON.stringify({ a: true, v: [5, true] }))
            // Escape rejects.
            openFilling(24)
            keyClick(Qt.Key_Escape)
            compare(fillingAnswer(24), JSON.stringify({ a: false }))
            TestHooks.setValue("heatZoneCountB", -1)
        }

        function test_fillingNumberStaysInBoundsAndSpeedsUp() {
            TestHooks.setValue("hauptgussMax", 30)
            openFilling(25)
            mouseClick(fillingChild("fuellenManual"))
            const number = fillingChild("fuellenNumber")
            compare(number.to, 30)
            number.value = 0
            const up = number.up.indicator
            mousePress(up, up.width / 2, up.height / 2)
            wait(Common.delayButtonDelay / 2)
            compare(number.stepSize, 1)
            tryCompare(number, "stepSize", 10, Common.delayButtonDelay + 1000)
            tryCompare(number, "value", 30, 3000)
            mouseRelease(up, up.width / 2, up.height / 2)
            compare(number.stepSize, 1)
            mouseClick(fillingChild("fuellenOk"))
            compare(JSON.parse(fillingAnswer(25)).v[0], 30)
        }

        function test_fillingPopupClosedByControllerBeforeFadeIn() {
            Gui.requestPopup(Gui.PopupFullen, 8)
            Gui.closeDialog(8, false)
            tryCompare(base.fuellenPopup, "visible", false)
            compare(dialogData(), ['{"8":{"a":false},"current":null}'])
        }

        function test_secondRequestWhileOpenIsRefused() {
            Gui.requestPopup(Gui.PopupFullen, 7)
            ignoreWarning("fuellenPopup ist bereits geöffnet (id 7), ignoriere Anfrage mit id 9")
            Gui.requestPopup(Gui.PopupFullen, 9)
            compare(base.fuellenPopup.id_, 7)
            base.fuellenPopup.reject()
            tryCompare(base.fuellenPopup, "visible", false)
            compare(dialogData(), ['{"7":{"a":false},"current":null}'])
        }

        function test_recoveryPopupReportsSelection() {
            TestHooks.setRecovery(1, 2, "Rasten")
            TestHooks.setRecovery(2, 5, "Heizphase Kochen")
            Gui.requestPopup(Gui.PopupRecovery, 11)
            const popup = base.recoveryPopup
            tryCompare(popup, "opened", true)
            const boxA = findChild(popup.contentItem, "recoveryBoxA")
            const boxB = findChild(popup.contentItem, "recoveryBoxB")
            const ok = findChild(popup.contentItem, "recoveryAccept")
            compare(boxA.text, "Schritt 3 - Rasten")
            compare(boxB.text, "Schritt 6 - Heizphase Kochen")
            verify(!ok.enabled)
            mouseClick(boxB)
            verify(ok.enabled)
            mouseClick(ok)
            tryCompare(popup, "visible", false)
            compare(dialogData(), ['{"11":{"a":true,"v":{"a":false,"b":true}},"current":null}'])
            // Closing clears the selection for the next time.
            verify(!boxB.checked)
            TestHooks.setRecovery(1, -1, "")
            TestHooks.setRecovery(2, -1, "")
        }

        // Every popup centres on the page area right of the side menu, those
        // the controller asks for as the pages' own.
        function test_popupsCentreOnThePageArea() {
            TestHooks.setValue("heatZoneCountB", 0)
            const view = findChild(base, "pageView")
            const centre = view.mapToItem(base, view.width / 2, view.height / 2)
            Auto_.auto1PopupPrepare()
            Gui.requestPopup(Gui.PopupRecovery, 12)
            Gui.requestPopup(Gui.PopupFullen, 13)
            base.powerPopup.open()
            for (const popup of [prepareA(), base.recoveryPopup, base.fuellenPopup, base.powerPopup]) {
                tryCompare(popup, "opened", true)
                const item = popup.contentItem.parent
                const mid = item.mapToItem(base, item.width / 2, item.height / 2)
                fuzzyCompare(mid.x, centre.x, 1, popup.objectName)
                fuzzyCompare(mid.y, centre.y, 1, popup.objectName)
            }
            for (const popup of [base.powerPopup, base.fuellenPopup, base.recoveryPopup, prepareA()]) {
                popup.reject()
                tryCompare(popup, "visible", false)
            }
            TestHooks.setValue("heatZoneCountB", -1)
        }

        function test_recoveryPopupAbbrechenRejects() {
            Gui.requestPopup(Gui.PopupRecovery, 12)
            tryCompare(base.recoveryPopup, "opened", true)
            mouseClick(findChild(base.recoveryPopup.contentItem, "recoveryBoxA"))
            mouseClick(findChild(base.recoveryPopup.contentItem, "recoveryCancel"))
            tryCompare(base.recoveryPopup, "visible", false)
            compare(dialogData(), ['{"12":{"a":false},"current":null}'])
        }

        function test_unknownPopupEnumLogsError() {
            Gui.requestPopup(5, 3)
            verify(TestHooks.logged("Unbekannten Enum-Wert erhalten: 5"))
            verify(!base.fuellenPopup.visible)
            verify(!base.recoveryPopup.visible)
            compare(scene.reports, [])
        }
    }
}
