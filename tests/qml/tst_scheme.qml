import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
import tavell.action 1.0
import tavell.actuator 1.0
import tavell.auto 1.0
import tavell.gui 1.0
import tavell.values 1.0
import tavell.testing 1.0
import "qrc:/qml/content/scheme"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 1100
    height: 1000

    property var toggles: []
    property var values: []
    property var actions: []
    property var autos: []
    property var routed: []

    Connections {
        target: Actuator
        function on_toggle(code) { scene.toggles.push(code) }
    }
    Connections {
        target: Values
        function onToPy(code, value) { scene.values.push([code, value]) }
    }
    Connections {
        target: Values
        function onToPyQVar(code, value) { scene.routed.push(["values", code, value]) }
    }
    Connections {
        target: Auto_
        function onToPyQVar(code, value) { scene.routed.push(["auto", code, value]) }
    }
    Connections {
        target: Action_
        function onToPy(code) { scene.actions.push(code) }
    }
    Connections {
        target: Auto_
        function onToPy(code, value) { scene.autos.push([code, value]) }
    }

    QtObject {
        id: fakeToast
        property var calls: []
        function notify(text, iconUrl, options) { calls.push([text, options]) }
    }
    QtObject {
        id: fakeWindow
        property var toast: fakeToast
    }

    // Reads the pixels of a scheme picture.
    Canvas {
        id: pixels
        width: 1000
        height: 1000
        visible: false
        renderStrategy: Canvas.Immediate
    }

    Component {
        id: formComponent
        SchemeForm { }
    }

    TestCase {
        name: "Scheme"
        when: windowShown

        function form(name) {
            return createTemporaryObject(formComponent, scene, { form: name })
        }

        function init() {
            scene.toggles = []
            scene.values = []
            scene.actions = []
            scene.autos = []
            scene.routed = []
            fakeToast.calls = []
            TestHooks.resetPlant()
            TestHooks.setValue("heatZoneCount", 4)
            TestHooks.setValue("heatZoneCountB", 4)
            Dialogs.overlay = scene
        }

        function cleanup() {
            while (Dialogs.popupActive) {
                const id = Dialogs.currentId
                Dialogs.rejectCurrent()
                tryVerify(function() { return Dialogs.currentId !== id }, 2000)
            }
            TestHooks.setAutoActive(1, false)
            TestHooks.setAutoActive(2, false)
            TestHooks.setHandEnabled(true)
            TestHooks.setValue("filled", 0)
            TestHooks.setValue("tempZone1", 20)
            TestHooks.setValue("heatZone1Enabled", false)
            Common.window = null
            Common.theme = Material.Dark
        }

        // Every control lies inside the picture, and every form shows the
        // valves its column of the position table names.
        function test_positionsInsidePicture_data() {
            return [{ tag: "1x", valves: 14, light: "schema-light" }, { tag: "2x-left", valves: 13, light: "schema-2x-left-light" },
                    { tag: "2x", valves: 18, light: "schema-2x-light" }, { tag: "2x-right", valves: 9, light: "schema-2x-right-light" }]
        }

        function test_positionsInsidePicture(data) {
            Common.theme = Material.Light
            const f = form(data.tag)
            // The picture is decoded in the background.
            tryCompare(f.picture, "status", Image.Ready)
            verify(String(f.picture.source).endsWith(data.light + ".png"))
            compare(f.height, 1000)
            compare(f.picture.implicitHeight, 1000)
            compare(f.width, f.picture.implicitWidth)
            let valves = 0
            let checked = 0
            const kids = f.children
            const stack = Array.prototype.slice.call(kids)
            while (stack.length > 0) {
                const item = stack.pop()
                for (let i = 0; i < item.children.length; ++i)
                    stack.push(item.children[i])
                const name = item.objectName
                if (!item.visible || !/^(valve_|heatZone|checkValve|waterCounter|forward$|stop$|backward$|stirrer|handButton|freq|kettleTemp)/.test(name))
                    continue
                if (name.startsWith("valve_"))
                    ++valves
                // From the centre: turned buttons map their corners elsewhere.
                const c = item.mapToItem(f, item.width / 2, item.height / 2)
                verify(c.x - item.width / 2 >= 0 && c.y - item.height / 2 >= 0, name + " at " + c.x + "," + c.y)
                verify(c.x + item.width / 2 <= f.picture.implicitWidth && c.y + item.height / 2 <= 1000,
                       name + " reaches " + (c.x + item.width / 2) + "," + (c.y + item.height / 2))
                ++checked
            }
            compare(valves, data.valves)
            verify(checked > data.valves)
            Common.theme = Material.Dark
            verify(String(f.picture.source).endsWith(data.light.replace("light", "dark") + ".png"))
            tryCompare(f.picture, "status", Image.Ready)
        }

        // A pump's frequency box sits on free space of the picture: with the
        // controls hidden, nothing drawn (pipe, valve, label) lies under it.
        function test_pumpFrequencyBoxesOnFreeSpace_data() {
            return [{ tag: "1x", pumps: ["pump1"] }, { tag: "2x-left", pumps: ["pump1"] },
                    { tag: "2x", pumps: ["pump1", "pump2"] }, { tag: "2x-right", pumps: ["pump2"] }]
        }

        function test_pumpFrequencyBoxesOnFreeSpace(data) {
            const f = form(data.tag)
            const url = String(f.picture.source)
            pixels.loadImage(url)
            tryVerify(function() { return pixels.available && pixels.isImageLoaded(url) })
            const ctx = pixels.getContext("2d")
            ctx.clearRect(0, 0, pixels.width, pixels.height)
            ctx.drawImage(url, 0, 0)
            for (const name of data.pumps) {
                const box = findChild(findChild(f, name), "freq")
                verify(box.width > 0 && box.height > 0)
                const r = box.mapToItem(f, 0, 0)
                const under = ctx.getImageData(r.x, r.y, box.width, box.height).data
                let drawn = -1
                for (let i = 3; i < under.length && drawn < 0; i += 4) {
                    if (under[i] !== 0)
                        drawn = (i - 3) / 4
                }
                verify(drawn < 0, `${name}: Gezeichnetes unter dem Feld bei ${r.x + drawn % box.width},${r.y + Math.floor(drawn / box.width)}`)
            }
        }

        function test_blockedValveIsRedAndDeaf() {
            const f = form("1x")
            const valve = findChild(f, "valve_svKanal")
            mouseClick(valve)
            compare(scene.toggles, [Actuator.SvKanal])
            TestHooks.setOutput(Actuator.SvKanal, false, true)
            compare(valve.status, SchemeButton.Blocked)
            compare(valve.backgroundColor, Material.color(Material.Red))
            mouseClick(valve)
            compare(scene.toggles, [Actuator.SvKanal])
            // Open and blocked: red wins the status, the background stays green
            // but no longer opaque.
            TestHooks.setOutput(Actuator.SvKanal, true, true)
            compare(valve.status, SchemeButton.Blocked)
            verify(!valve.backgroundOpaque)
            TestHooks.setOutput(Actuator.SvKanal, true, false)
            compare(valve.status, SchemeButton.Active)
            verify(valve.backgroundOpaque)
            // Turned valves are turned.
            compare(findChild(f, "valve_svSkOut").rotation, 90)
            compare(valve.rotation, 0)
        }

        function test_drivesAskTheirDirections() {
            const f = form("2x")
            const pump2 = findChild(f, "pump2")
            mouseClick(findChild(pump2, "forward"))
            mouseClick(findChild(pump2, "backward"))
            mouseClick(findChild(pump2, "stop"))
            mouseClick(findChild(f, "stirrer2"))
            compare(scene.toggles, [Actuator.FuPump2Forward, Actuator.FuPump2Backward, Actuator.FuPump2Stop, Actuator.FuRw2Forward])
            TestHooks.setDrive(Actuator.FuPump2Forward, -1, false, true)
            const backward = findChild(pump2, "backward")
            compare(backward.status, SchemeButton.Blocked)
            verify(findChild(pump2, "stop").active)
            mouseClick(backward)
            compare(scene.toggles.length, 4)
            // Remote control shows on pump 2 of a special plant only.
            TestHooks.setValue("remotePumpControlActive", true)
            compare(String(findChild(pump2, "forward").iconSource), "qrc:/img/broadcast-pin.svg")
            compare(String(findChild(findChild(f, "pump1"), "forward").iconSource), "qrc:/img/arrow-left.svg")
            TestHooks.setValue("remotePumpControlActive", false)
        }

        function test_handReleasePulsesOrange() {
            const f = form("2x-right")
            const hand = findChild(f, "handButton")
            verify(!hand.visible)
            TestHooks.setHandEnabled(false)
            TestHooks.setAutoActive(2, true)
            verify(hand.visible)
            verify(!hand.pulsing)
            compare(String(hand.iconSource), "qrc:/img/lock.svg")
            compare(hand.toolTipText, "Handbetrieb freigeben")
            mouseClick(hand)
            compare(scene.autos, [[Auto_.HandEnabled, null]])
            TestHooks.setHandEnabled(true)
            verify(hand.pulsing)
            verify(hand.pulseRunning)
            // Hidden (no line runs), it keeps released but draws nothing.
            TestHooks.setAutoActive(2, false)
            verify(hand.pulsing)
            verify(!hand.pulseRunning)
            TestHooks.setAutoActive(2, true)
            verify(hand.pulseRunning)
            compare(hand.colorActive, Material.color(Material.Orange))
            compare(String(hand.iconSource), "qrc:/img/unlock.svg")
            compare(hand.toolTipText, "Handbetrieb sperren")
            // Legible in every phase of the pulse, in both themes: the icon
            // against both colours the disc runs between, hovered or not.
            for (const theme of [Material.Dark, Material.Light]) {
                Common.theme = theme
                for (const phase of [hand.colorPulseFrom, hand.colorActive])
                    verify(Common.contrast(hand.iconColor, phase) >= 3, `${hand.iconColor} auf ${phase}`)
                verify(Common.contrast(hand.colorPulseFrom, hand.colorActive) >= 1.5)
                mouseMove(hand, hand.width / 2, hand.height / 2)
                tryCompare(hand, "hovered", true)
                wait(300)   // past the hover's darkening, had it any
                const shown = findChild(hand, "background").color
                verify(Common.contrast(hand.iconColor, Qt.rgba(shown.r, shown.g, shown.b, 1)) >= 3, `gezeigt: ${shown}`)
                mouseMove(hand, -20, -20)
            }
            // 18 from the left edge in the right part, level with the stirrer box.
            compare(hand.x, 18)
            const box = findChild(f, "freqRw2")
            compare(hand.y + hand.height / 2, box.y + box.height / 2)
        }

        function test_heatZoneInErrorShowsBugAndStillToggles() {
            const f = form("1x")
            const zone = findChild(f, "heatZoneA1")
            compare(String(zone.iconSource), "qrc:/img/power.svg")
            TestHooks.setValue("tempZone1", "Sensor nicht gefunden")
            verify(zone.error)
            compare(String(zone.iconSource), "qrc:/img/power.svg")
            TestHooks.setValue("heatZone1Enabled", true)
            compare(String(zone.iconSource), "qrc:/img/bug.svg")
            mouseClick(zone)
            compare(scene.values, [[Values.HeatZone1Enabled, false]])
            // Too hot is an error as well; a number within the limit is none.
            TestHooks.setValue("heatZoneTempMax", 300)
            TestHooks.setValue("tempZone1", 301)
            verify(zone.error)
            TestHooks.setValue("tempZone1", 120)
            verify(!zone.error)
            compare(zone.status, SchemeButton.Secondary)
            compare(String(zone.iconSource), "")
            // Zones beyond the line's count are not shown.
            TestHooks.setValue("heatZoneCount", 3)
            verify(!findChild(f, "heatZoneA4").visible)
            verify(findChild(f, "heatZoneA3").visible)
        }

        function test_emptyWaterCounterOnlyToasts() {
            Common.window = fakeWindow
            const f = form("2x")
            const counter = findChild(f, "waterCounter")
            mousePress(counter)
            wait(1500)
            compare(fakeToast.calls.length, 0)
            tryCompare(fakeToast.calls, "length", 1, 1500)
            mouseRelease(counter)
            compare(fakeToast.calls[0][0], "DLZ ist bereits 0")
            compare(fakeToast.calls[0][1].duration, 2000)
            verify(!Dialogs.popupActive)
            compare(scene.actions, [])
        }

        function test_waterCounterResetAsks() {
            const f = form("1x")
            TestHooks.setValue("filled", 12.34)
            const counter = findChild(f, "waterCounter")
            compare(findChild(counter, "text").text, "Wasserzähler:\n12.3 Liter")
            mouseClick(counter, counter.width / 2, counter.height / 2, Qt.RightButton)
            verify(Dialogs.popupActive)
            Dialogs.rejectCurrent()
            tryVerify(function() { return !Dialogs.popupActive })
            compare(scene.actions, [])
            mouseClick(counter, counter.width / 2, counter.height / 2, Qt.RightButton)
            Dialogs.acceptCurrent()
            tryVerify(function() { return !Dialogs.popupActive })
            compare(scene.actions, [Action_.ResetFlows])
        }

        function test_frequencyBoxesFollowAndRoute() {
            TestHooks.setValue("fuFreqSpRw1", 33)
            const f = form("1x")
            const box = findChild(f, "freqRw1")
            compare(box.spinBox.value, 33)
            TestHooks.setValue("fuFreqSpRw1", 35)
            compare(box.spinBox.value, 35)
            // The step shows once the controller has stored it; refused, the
            // box keeps showing what applies.
            mouseClick(box.spinBox.up.indicator)
            compare(box.spinBox.value, 35)
            TestHooks.setValue("fuFreqSpRw1", 36)
            compare(box.spinBox.value, 36)
            // A running line takes the change as its temporary value.
            TestHooks.setAutoActive(2, true)
            compare(box.value, Auto_.fuFreqSpRw1)
            const shown = box.spinBox.value
            mouseClick(box.spinBox.up.indicator)
            compare(scene.routed, [["values", Values.FuFreqSpRw1, 36], ["auto", Auto_.FuFreqSpRw1, shown + 1]])
            compare(box.spinBox.value, shown)
        }
    }
}
