import QtQuick 2.15
import QtTest 1.2
import tavell.action 1.0
import tavell.actuator 1.0
import tavell.auto 1.0
import tavell.gui 1.0
import tavell.recipes 1.0
import tavell.sensor 1.0
import tavell.shell 1.0
import tavell.simulator 1.0
import tavell.testing 1.0
import tavell.values 1.0
import tavell.wifi 1.0
import "qrc:/qml/singletons"

// Checks a screen's controls row by row against the real state objects. A row:
//   tag      what the control is
//   control  objectName of the control in the screen, "outer/inner" for one
//            inside another, or a function(screen) giving it
//   act      the operator's action: "click", "hold" (hold-to-trigger),
//            "up"/"down" (a spin box's arrows), "next"/"prev"/"first"/"last"
//            (a selection box, by keyboard), "slide" (a slider, one step right), "press"
//            (press and let go), or a function(control, testCase)
//   sends    every request the action sends, in order: toAuto(code, value)
//            and the other constructors below; none for a control whose
//            rule alone is checked; null for a control that must not be
//            there (or not usable) in the row's state; a function(control)
//            when the value is the control's own (a slider's position)
//   context  state paths (TestHooks.set) put in place first and left alone
//   when     the enabling rule: path -> [value that enables, value that
//            alone disables]; true stands for [true, false], false for
//            [false, true]. All enabling values together let the action
//            send `sends`; each disabling value alone makes the control
//            unusable (hidden or disabled).
//   quiet    true for a control that refuses by sending nothing instead of
//            being disabled (a scheme button in error, an empty counter)
//   event    true when the action is a change of state the screen reacts
//            to: it is tried even while the control is unusable
//   whenAny  alternatives of the rule: with all of them at their second
//            value the control refuses, each one alone at its first value
//            makes it usable.
// State is put back after each row; the screen is built anew for each.
TestCase {
    id: root

    // Where the screens are built.
    property Item scene: parent
    // Every request sent while a row acts, in order.
    property var sent: []

    property var saved_: []

    when: windowShown

    // ---- requests as the recorder writes them ----
    function toAuto(code, value) { return ["Auto_.toPy", code, value] }
    function toAutoQVar(code, value) { return ["Auto_.toPyQVar", code, value] }
    function toValues(code, value) { return ["Values.toPy", code, value] }
    function toValuesQVar(code, value) { return ["Values.toPyQVar", code, value] }
    function toRecipes(code, value) { return ["Recipes.toPy", code, value] }
    function toRecipesQVar(code, value) { return ["Recipes.toPyQVar", code, value] }
    function toAction(code) { return ["Action_.toPy", code] }
    function toggle(code) { return ["Actuator._toggle", code] }
    function toSensor(code, value) { return ["Sensor.requestStateChange", code, value] }
    function toSimulator(code, value) { return ["Simulator.toPy", code, value] }
    function toWifi(code, value) { return ["Wifi.toPy", code, value] }
    function toShell(code, value) { return ["Shell.toPy", code, value] }

    // A missing value is recorded as such, apart from null.
    function record_(entry) {
        sent.push(entry.map(function(v) { return v === undefined ? "<undefined>" : v }))
    }

    Connections {
        target: Auto_
        function onToPy(code, value) { root.record_(["Auto_.toPy", code, value]) }
        function onToPyQVar(code, value) { root.record_(["Auto_.toPyQVar", code, value]) }
    }
    Connections {
        target: Values
        function onToPy(code, value) { root.record_(["Values.toPy", code, value]) }
        function onToPyQVar(code, value) { root.record_(["Values.toPyQVar", code, value]) }
    }
    Connections {
        target: Recipes
        function onToPy(code, value) { root.record_(["Recipes.toPy", code, value]) }
        function onToPyQVar(code, value) { root.record_(["Recipes.toPyQVar", code, value]) }
    }
    Connections {
        target: Action_
        function onToPy(code) { root.record_(["Action_.toPy", code]) }
    }
    Connections {
        target: Actuator
        function on_toggle(code) { root.record_(["Actuator._toggle", code]) }
    }
    Connections {
        target: Sensor
        function onRequestStateChange(code, value) { root.record_(["Sensor.requestStateChange", code, value]) }
    }
    Connections {
        target: Simulator
        function onToPy(code, value) { root.record_(["Simulator.toPy", code, value]) }
    }
    Connections {
        target: Wifi
        function onToPy(code, value) { root.record_(["Wifi.toPy", code, value]) }
    }
    Connections {
        target: Shell
        function onToPy(code, value) { root.record_(["Shell.toPy", code, value]) }
    }
    Connections {
        target: Gui
        function onToPy(code, value) { root.record_(["Gui.toPy", code, value]) }
    }

    // ---- state ----
    function put(path, value) {
        saved_.push([path, TestHooks.get(path)])
        TestHooks.set(path, value)
    }

    function restore() {
        while (saved_.length > 0) {
            const entry = saved_.pop()
            TestHooks.set(entry[0], entry[1])
        }
    }

    // [enabling, disabling] of a rule's entry.
    function pair_(spec, path) {
        if (spec === true || spec === false)
            return [spec, !spec]
        if (Array.isArray(spec) && spec.length === 2)
            return spec
        throw new Error(`${path}: give [enabling, disabling] values`)
    }

    // ---- controls ----
    // A window's controls lie in its content item.
    function rootItem_(screen) {
        return screen.modality !== undefined ? screen.contentItem : screen
    }

    function control_(screen, spec) {
        if (typeof spec === "function")
            return spec(screen)
        let item = rootItem_(screen)
        for (const name of spec.split("/")) {
            item = findChild(item, name)
            if (!item)
                throw new Error(`kein Element ${name} in ${spec}`)
        }
        return item
    }

    function usable(item) {
        return !!item && item.visible && item.enabled
    }

    function expected_(row, item) {
        return typeof row.sends === "function" ? row.sends(item) : row.sends
    }

    function spinBoxOf_(item) {
        return item.up !== undefined ? item : item.spinBox
    }

    function comboOf_(item) {
        return item.comboBox !== undefined ? item.comboBox : item
    }

    // Holds a hold-to-trigger button; with `expectSend`, until it has sent.
    function hold(item, expectSend) {
        mousePress(item)
        if (expectSend)
            tryVerify(function() { return root.sent.length > 0 }, Common.delayButtonDelay + 3000,
                      "gehalten, ohne dass etwas gesendet wurde")
        else
            wait(Common.delayButtonDelay + 300)
        mouseRelease(item)
    }

    function act(item, how, expectSend) {
        if (typeof how === "function")
            return how(item, root)
        switch (how) {
        case "click":
            mouseClick(item)
            break
        case "hold":
            hold(item, expectSend)
            break
        case "up":
        case "down": {
            const box = spinBoxOf_(item)
            mouseClick(how === "up" ? box.up.indicator : box.down.indicator)
            break
        }
        case "next":
        case "prev":
        case "first":
        case "last":
            comboOf_(item).forceActiveFocus()
            keyClick({ next: Qt.Key_Down, prev: Qt.Key_Up, first: Qt.Key_Home, last: Qt.Key_End }[how])
            break
        case "slide": {
            const slider = item.slider !== undefined ? item.slider : item
            slider.forceActiveFocus()
            keyClick(Qt.Key_Right)
            break
        }
        case "press":
            mousePress(item)
            mouseRelease(item)
            break
        default:
            throw new Error(`unbekannte Handlung ${how}`)
        }
    }

    // Unusable (hidden or disabled); a `quiet` row's control may instead
    // stay usable and send nothing, an `event` row's action is tried anyway.
    function refuses_(screen, row) {
        waitForRendering(rootItem_(screen))
        const item = control_(screen, row.control)
        if (!row.quiet && !row.event)
            return !usable(item)
        if (!usable(item) && !row.event)
            return true
        sent = []
        act(item, row.act, false)
        return sent.length === 0
    }

    function expectRefusal_(screen, row, what) {
        verify(refuses_(screen, row), `${row.tag}: ${what} lässt das Bedienelement benutzbar`)
    }

    // Builds the screen from `component` (with `properties`) for each row.
    function check(component, row, properties) {
        let screen = null
        try {
            for (const path in row.context || {})
                put(path, row.context[path])
            const when = row.when || {}
            const whenAny = row.whenAny || {}
            for (const path in when)
                put(path, pair_(when[path], path)[0])
            for (const path in whenAny)
                put(path, pair_(whenAny[path], path)[1])
            screen = component.createObject(scene, properties || {})
            verify(screen, row.tag)

            const anyPaths = Object.keys(whenAny)
            if (anyPaths.length > 0) {
                expectRefusal_(screen, row, "keine der Alternativen")
                for (const path of anyPaths) {
                    put(path, pair_(whenAny[path], path)[0])
                    waitForRendering(rootItem_(screen))
                    verify(usable(control_(screen, row.control)), `${row.tag}: ${path} allein gibt es nicht frei`)
                    put(path, pair_(whenAny[path], path)[1])
                }
                put(anyPaths[0], pair_(whenAny[anyPaths[0]], anyPaths[0])[0])
            }

            waitForRendering(rootItem_(screen))
            const item = control_(screen, row.control)
            if (row.sends === null) {
                verify(!usable(item), `${row.tag}: benutzbar`)
                return
            }
            verify(usable(item), `${row.tag}: nicht benutzbar`)
            sent = []
            act(item, row.act, typeof row.sends === "function" || row.sends.length > 0)
            compare(JSON.stringify(sent), JSON.stringify(expected_(row, item)), row.tag)

            for (const path in when) {
                const values = pair_(when[path], path)
                put(path, values[1])
                expectRefusal_(screen, row, `${path} = ${JSON.stringify(values[1])}`)
                put(path, values[0])
            }
        } finally {
            // Gone before the state is put back, so it reacts to nothing more.
            if (screen) {
                screen.destroy()
                wait(0)
            }
            restore()
            sent = []
        }
    }
}
