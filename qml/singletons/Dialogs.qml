pragma Singleton
import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.bridge 1.0
import tavell.gui 1.0

// Stack of the open dialogs and popups; every change is reported to the
// controller through Gui.toPy, which blocks until the controller handled it.
QtObject {
    id: root

    property Item overlay: null
    property var _open: ({})
    property var _stack: []
    readonly property bool popupActive: _stack.length > 0
    readonly property string currentId: _stack.length > 0 ? _stack[_stack.length - 1] : ""
    property int _nextId: -1
    property var _custom: ({})
    // Ids of the dialogs whose closing has begun.
    property var _closing: ({})
    // Set once the event loop has ended: the dialogs close without reports.
    property bool _quitting: false
    // Longer texts are cut where they are shown (the whole text goes to the
    // log): laying out a megabyte of text would stop the screen for minutes.
    readonly property int maxShownLength: 3000
    // Error dialogs open at once; further errors are counted on the newest.
    readonly property int maxErrorDialogs: 5
    // Open error dialogs by their record, so the same error opens one dialog.
    property var _errors: ({})
    // The controller's messages open at most this many dialogs; a message an
    // open dialog already shows, and any beyond, are counted there.
    readonly property int maxMessageDialogs: 5
    // Open message dialogs of the controller, oldest first, and those of
    // them without an id of their own by their title, text and category.
    property var _messageDialogs: []
    property var _messages: ({})

    readonly property Component _messageComponent: Qt.createComponent("../content/popups/MessageDialog.qml")
    readonly property Component _questionComponent: Qt.createComponent("../content/popups/QuestionDialog.qml")
    readonly property Component _inputComponent: Qt.createComponent("../content/popups/InputDialog.qml")

    function colorFromCategory(category, fallback) {
        switch (category) {
        case "info": return "blue"
        case "warning": return Common.colorWarning
        case "error": return "red"
        case "success": return "green"
        }
        return fallback === undefined ? "gray" : fallback
    }

    function _takeId(id) {
        if (!id)
            return _nextId--
        return id
    }

    function _push(id, dialog, description) {
        const key = String(id)
        const open = Object.assign({}, _open)
        open[key] = [dialog, description]
        _open = open
        _stack = _stack.concat([key])
    }

    // Steps 2 and 3 of every set-up: the id, the stack, the first report.
    function _register(dialog, id, description, kind) {
        id = _takeId(id)
        if (_open[String(id)] !== undefined) {
            console.log("Dialog ist bereits offen: " + id)
            dialog.destroy()
            console.log(kind + ": !newId")
            return undefined
        }
        _push(id, dialog, description)
        Gui.toPy(Gui.DialogData, { current: [Number(id), description] })
        return id
    }

    function _create(component, properties) {
        if (component.status !== Component.Ready) {
            console.error(component.errorString())
            return null
        }
        return component.createObject(overlay, properties)
    }

    function shownText(text) {
        const whole = String(text)
        if (whole.length <= maxShownLength)
            return whole
        console.log(`Gekürzt angezeigter Text (${whole.length} Zeichen): ${whole}`)
        return whole.substring(0, maxShownLength) + ` … [gekürzt: ${whole.length} Zeichen, vollständig im Protokoll]`
    }

    // An exception record as an error dialog. While a dialog shows the same
    // record, a repeat is only counted there: a controller that fails on
    // every report of a dialog would otherwise open dialogs without end.
    function error(e) {
        const key = JSON.stringify([e.type, e.text, e.withTraceback ? e.trace : null])
        const shown = _errors[key]
        if (shown !== undefined) {
            shown.repeats += 1
            return shown
        }
        const open = Object.keys(_errors)
        if (open.length >= maxErrorDialogs) {
            _errors[open[open.length - 1]].moreErrors += 1
            return undefined
        }
        const dialog = message(e.type, escapeHtml(e.text), "error", { traceback: e.withTraceback ? e.trace : null })
        if (!dialog)
            return undefined
        const errors = Object.assign({}, _errors)
        errors[key] = dialog
        _errors = errors
        dialog.closed.connect(function() {
            const rest = Object.assign({}, root._errors)
            delete rest[key]
            root._errors = rest
        })
        return dialog
    }

    // A message of the controller (Gui.message). Every one not shown in a
    // dialog of its own is written to the log in full.
    function controllerMessage(title, text, category, id) {
        const key = JSON.stringify([String(title), String(text), String(category)])
        const shown = id ? undefined : _messages[key]
        if (shown !== undefined) {
            shown.repeats += 1
            console.log(`Meldung erneut erhalten (${shown.repeats}-mal): ${key}`)
            return shown
        }
        if (_messageDialogs.length >= maxMessageDialogs) {
            _messageDialogs[_messageDialogs.length - 1].moreMessages += 1
            console.log(`Meldung nicht angezeigt (${maxMessageDialogs} Meldungen offen): ${key}`)
            return undefined
        }
        const dialog = message(title, text, category, { id: id })
        if (!dialog)
            return undefined
        _messageDialogs = _messageDialogs.concat([dialog])
        if (!id) {
            const messages = Object.assign({}, _messages)
            messages[key] = dialog
            _messages = messages
        }
        dialog.aboutToHide.connect(function() {
            root._messageDialogs = root._messageDialogs.filter(function(d) { return d !== dialog })
            if (root._messages[key] === dialog) {
                const rest = Object.assign({}, root._messages)
                delete rest[key]
                root._messages = rest
            }
        })
        return dialog
    }

    function message(title, text, category, options) {
        if (category === undefined)
            category = "info"
        const opts = Object.assign({}, options || {})
        const givenId = opts.id
        delete opts.id
        const dialog = _create(_messageComponent, {
            title: shownText(title), text: shownText(text), color: colorFromCategory(category),
            details: opts.details === undefined ? "" : opts.details,
            traceback: opts.traceback === undefined ? null : opts.traceback,
            time: opts.time === undefined ? "" : opts.time })
        if (!dialog)
            return undefined
        const id = _register(dialog, givenId, null, "message")
        if (id === undefined)
            return undefined
        dialog.id_ = id
        _removeOnClose(dialog, id, function() { return false })
        dialog.open()
        return dialog
    }

    function question(title, text, options) {
        const opts = Object.assign({}, options || {})
        const id = opts.id ? opts.id : 0
        const description = opts.description === undefined ? null : opts.description
        const openIt = opts.open === undefined ? true : opts.open
        const color = opts.color !== undefined ? opts.color
                                                : colorFromCategory(opts.category === undefined ? "info" : opts.category)
        let yes = "OK"
        if (opts.yes === null)
            yes = ""
        else if (opts.yes)
            yes = opts.yes
        const no = opts.no ? opts.no : ""
        let component = _questionComponent
        if (opts.component !== undefined) {
            if (_custom[opts.component] !== undefined) {
                component = _custom[opts.component]
            } else {
                text = "<b><font color=\"red\">Für das Bilden dieses Dialogs "
                        + "wurde die Komponente '" + opts.component + "' angefragt, welche "
                        + "jedoch nicht zur Verfügung steht. Dabei handelt es sich um einen "
                        + "Programmfehler. Bitte melden Sie diesen der Firma Tavell (Foto). "
                        + "Es wird ein normaler Dialog gebildet.</font></b><br>" + text
            }
        }
        for (const k of ["yes", "no", "id", "color", "category", "description", "open", "component"])
            delete opts[k]
        const props = Object.assign(opts, { title: shownText(title), text: shownText(text), color: color,
                                            yesText: yes, noText: no })
        const dialog = _create(component, props)
        if (!dialog)
            return undefined
        const newId = _register(dialog, id, description, "question")
        if (newId === undefined)
            return undefined
        dialog.id_ = newId
        if (newId > 0) {
            dialog.accepted.connect(function() { _report(newId, { a: true }) })
            dialog.rejected.connect(function() { _report(newId, { a: false }) })
        }
        _removeOnClose(dialog, newId, function() { return dialog.wasAccepted })
        if (openIt)
            dialog.open()
        return dialog
    }

    function input(title, text, options) {
        const opts = options || {}
        const dialog = _create(_inputComponent, {
            title: title, text: text,
            color: colorFromCategory(opts.category === undefined ? "info" : opts.category),
            value: opts.text === undefined ? "" : opts.text,
            password: !!opts.password })
        if (!dialog)
            return undefined
        const id = _register(dialog, 0, null, "input")
        if (id === undefined)
            return undefined
        dialog.id_ = id
        _removeOnClose(dialog, id, function() { return dialog.wasAccepted })
        if (opts.open === undefined || opts.open)
            dialog.open()
        return dialog
    }

    // A dialog stays on the stack until its closing has ended, and is
    // removed and destroyed then; from the start of its closing it no longer
    // counts as the current dialog, so that the controller closing three in
    // a row before the first has faded out closes three.
    function _removeOnClose(dialog, id, accepted) {
        dialog.aboutToHide.connect(function() {
            const closing = Object.assign({}, root._closing)
            closing[String(id)] = true
            root._closing = closing
        })
        dialog.closed.connect(function() { root._remove(id, accepted(), true) })
    }

    // The key of the dialog on top that is not closing, or "".
    function _topOpen() {
        for (let i = _stack.length - 1; i >= 0; --i) {
            if (!_closing[_stack[i]])
                return _stack[i]
        }
        return ""
    }

    function _report(id, result) {
        const data = {}
        data[String(id)] = result
        Gui.toPy(Gui.DialogData, data)
    }

    function _remove(id, accepted, destroy, value) {
        if (_stack.length === 0 || _quitting)
            return
        const key = String(id)
        const entry = _open[key]
        if (entry !== undefined) {
            if (destroy)
                entry[0].destroy()
            if (_closing[key]) {
                const closing = Object.assign({}, _closing)
                delete closing[key]
                _closing = closing
            }
            const open = Object.assign({}, _open)
            delete open[key]
            _open = open
            _stack = _stack.filter(function(k) { return k !== key })
        }
        const data = {}
        data[key] = value === undefined ? { a: accepted } : { a: accepted, v: value }
        data.current = _stack.length > 0 ? [Number(currentId), _open[currentId][1]] : null
        Gui.toPy(Gui.DialogData, data)
    }

    function removePopupById(id, accepted, value) {
        _remove(id, accepted, false, value)
    }

    function setupPopup(popup, id) {
        if (!(popup instanceof Popup)) {
            console.log(popup + " ist keine Instanz von Popup")
            return 0
        }
        id = id > 0 ? id : _nextId--
        _push(id, popup, null)
        Gui.toPy(Gui.PopupOpened, true)
        return id
    }

    function getOpenDialogById(id) {
        return _open[String(id)]
    }

    // The controller's decision: its accept is the dialog's plain accept, so
    // a popup's own check of the operator's input (customAccept) is passed by.
    function closeDialog(id, accept) {
        const entry = _open[String(id)]
        if (entry === undefined)
            return
        const dialog = entry[0]
        if (!accept)
            _reject(dialog)
        else if (typeof dialog.accept === "function")
            dialog.accept()
        else
            dialog.close()
    }

    function _accept(dialog) {
        if (typeof dialog.customAccept === "function")
            dialog.customAccept()
        else if (typeof dialog.accept === "function")
            dialog.accept()
        else
            dialog.close()
    }

    function _reject(dialog) {
        if (typeof dialog.reject === "function")
            dialog.reject()
        else
            dialog.close()
    }

    function acceptCurrent() {
        const key = _topOpen()
        if (key === "") {
            console.warn("Dialogs.acceptCurrent() --> kein Dialog offen")
            return
        }
        _accept(_open[key][0])
    }

    function rejectCurrent() {
        const key = _topOpen()
        if (key === "") {
            console.warn("Dialogs.rejectCurrent() --> kein Dialog offen")
            return
        }
        _reject(_open[key][0])
    }

    function poweroffQuestion() {
        const d = question("Herunterfahren", "Soll die Maschine wirklich heruntergefahren werden?",
                           { yes: "OK", no: "Abbrechen", description: "poweroff" })
        if (d)
            d.accepted.connect(function() { Bridge.poweroff() })
    }

    function rebootQuestion() {
        const d = question("Reboot", "Soll die Maschine wirklich neu gestartet werden?", { no: "Abbrechen" })
        if (d)
            d.accepted.connect(function() { Bridge.reboot() })
    }

    function addCustomQuestionComponent(name, component) {
        if (!(component instanceof Component) || _custom[name] !== undefined) {
            console.log("Komponente '" + name + "' kann nicht registriert werden")
            return false
        }
        const custom = Object.assign({}, _custom)
        custom[name] = component
        _custom = custom
        return true
    }

    function delCustomQuestionComponent(name) {
        if (_custom[name] === undefined)
            return false
        const custom = Object.assign({}, _custom)
        delete custom[name]
        _custom = custom
        return true
    }

    // Hide what is still open while the engine is whole: popups torn down
    // visible with the engine evaluate their bindings against deleted contexts.
    property Connections _quitWatcher: Connections {
        target: Qt.application
        function onAboutToQuit() {
            root._quitting = true
            // Without its exit transition a popup is gone at once; the event
            // loop that would run the transition has ended.
            for (const key of root._stack) {
                const dialog = root._open[key][0]
                dialog.exit = null
                dialog.close()
            }
        }
    }

    // Texts from the controller or Python errors must never render as markup;
    // their line breaks stay line breaks in rich text.
    function escapeHtml(text) {
        return String(text).replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
                .replace(/"/g, "&quot;").replace(/\r?\n/g, "<br>")
    }
}
