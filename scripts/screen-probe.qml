import QtQuick 2.15
import tavell.auto 1.0
import tavell.gui 1.0
import tavell.shell 1.0
import tavell.values 1.0
import tavell.wifi 1.0
import "qrc:/qml/singletons"

// Made in the running program by scripts/screen-probe for each question of
// scripts/screenshots: finds items by object name, as the tests do, and
// tells where on the screen an operator would press them.
QtObject {
    id: root

    readonly property var common: Common
    readonly property var auto: Auto_
    readonly property var gui: Gui
    readonly property var shell: Shell
    readonly property var values: Values
    readonly property var wifi: Wifi

    // What an object holds, windows and popups included.
    function parts_(o) {
        const parts = []
        const add = function(list) {
            if (!list)
                return
            for (let i = 0; i < list.length; ++i)
                parts.push(list[i])
        }
        if (o.visibility !== undefined && o.contentItem)          // a window
            parts.push(o.contentItem.parent || o.contentItem)
        else if (o.opened !== undefined && o.contentItem)         // a popup
            parts.push(o.contentItem)
        if (o.data !== undefined)
            add(o.data)
        else if (o.children !== undefined)
            add(o.children)
        return parts
    }

    // The nearest object below the object at `path` for which `test` holds.
    function findBy(path, test) {
        const start = find(path)
        const found = findBelow_(start, null, test)
        if (!found)
            throw new Error(`nichts Passendes unter '${path}'`)
        return found
    }

    // Breadth first below `start`, so the nearest of equal names wins.
    function findBelow_(start, name, test) {
        const seen = new Set()
        let level = [start]
        while (level.length > 0) {
            const next = []
            for (let i = 0; i < level.length; ++i) {
                const o = level[i]
                if (!o || seen.has(o))
                    continue
                seen.add(o)
                if (o !== start && (test ? test(o) : o.objectName === name))
                    return o
                const parts = parts_(o)
                for (let j = 0; j < parts.length; ++j)
                    next.push(parts[j])
            }
            level = next
        }
        return null
    }

    // "a/b/c": c below b below a; the search starts at `start`, or at the
    // main window.
    function find(path, start) {
        let o = start || Common.window
        const names = path.split("/")
        for (let i = 0; i < names.length; ++i) {
            o = findBelow_(o, names[i])
            if (!o)
                throw new Error(`kein Objekt '${names[i]}' (${path})`)
        }
        return o
    }

    // The open dialogs and popups, the one on top last.
    function openDialogs() {
        return Dialogs.stack_.map(function(id) { return Dialogs.open_[id][0] })
    }

    // The step screen a line's page shows now (its objectName tells which).
    function stepScreen(page) {
        const loader = find(page + "/stepView").currentItem
        return loader && loader.item ? loader.item : null
    }

    // Whether a line's page shows the screen `name` of the step its line runs.
    function runsAt(page, name) {
        const screen = stepScreen(page)
        return screen !== null && screen.objectName === name && screen.isActive
    }

    // Whether a line's page shows scheme view `index` with its picture drawn.
    function schemeShown(page, index) {
        const area = find(page + "/schemeArea")
        const loader = area.view.currentItem
        return area.currentIndex === index && loader !== null && loader.item !== null
                && loader.item.form.picture.status === Image.Ready
    }

    // The entry `index` of an open selection box's list.
    function entry(path, index) {
        const box = find(path)
        if (!box.popup || !box.popup.opened)
            throw new Error(`die Liste von '${path}' ist nicht offen`)
        const list = box.popup.contentItem
        list.positionViewAtIndex(index, ListView.Contain)
        const item = list.itemAtIndex(index)
        if (!item)
            throw new Error(`'${path}' hat keinen Eintrag ${index}`)
        return item
    }

    // Why an operator could not press the item's centre, or "" when they can.
    function blocked_(item) {
        if (!item.visible)
            return "unsichtbar"
        if (item.enabled === false)
            return "gesperrt"
        if (item.width <= 0 || item.height <= 0)
            return "ohne Fläche"
        const cx = item.width / 2
        const cy = item.height / 2
        for (let a = item; a; a = a.parent) {
            if (a.opacity === 0)
                return "durchsichtig"
            if (a.clip || !a.parent) {
                const p = item.mapToItem(a, cx, cy)
                if (p.x < 0 || p.y < 0 || p.x > a.width || p.y > a.height)
                    return `außerhalb des sichtbaren Bereichs von '${a.objectName || a}'`
            }
        }
        return ""
    }

    // "x y" of the item's centre in screen pixels, or an error naming why it
    // cannot be pressed.
    function place(item) {
        const why = blocked_(item)
        if (why !== "")
            throw new Error(`'${item.objectName || item}' ist nicht bedienbar: ${why}`)
        const g = item.mapToGlobal(item.width / 2, item.height / 2)
        const scale = Gui.scaleFactor
        return `${Math.round(g.x * scale)} ${Math.round(g.y * scale)}`
    }

    // How often the hold-to-trigger button has triggered since the first
    // question about it. The probe lasts for one question only, so the
    // count is kept in a hidden item it leaves inside the button; a plain
    // function counts (a handler declared in QML would end with the probe's
    // context).
    function activations(button) {
        if (button.activated === undefined)
            throw new Error(`'${button.objectName || button}' ist kein Halteknopf`)
        for (let i = 0; i < button.children.length; ++i) {
            if (button.children[i].objectName === "probeActivations")
                return button.children[i].count
        }
        const counter = Qt.createQmlObject(`import QtQuick 2.15
                                            Item {
                                                objectName: "probeActivations"
                                                property int count: 0
                                                visible: false
                                            }`, button, "probeActivations")
        counter.parent = button
        button.activated.connect(function() { counter.count += 1 })
        return 0
    }

    // Whether the whole item lies in view (no ancestor cuts it).
    function inView(item) {
        if (!item.visible)
            return false
        for (let a = item.parent; a; a = a.parent) {
            if (a.clip || !a.parent) {
                const tl = item.mapToItem(a, 0, 0)
                const br = item.mapToItem(a, item.width, item.height)
                if (tl.x < -0.5 || tl.y < -0.5 || br.x > a.width + 0.5 || br.y > a.height + 0.5)
                    return false
            }
        }
        return true
    }
}
