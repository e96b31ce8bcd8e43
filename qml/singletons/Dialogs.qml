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
    property var open_: ({})
    property var stack_: []
    readonly property bool popupActive: stack_.length > 0
    readonly property string currentId: stack_.length > 0 ? stack_[stack_.length - 1] : ""
    property int nextId_: -1
    property var custom_: ({})
    // Ids of the dialogs whose closing has begun.
    property var closing_: ({})
    // Set once the event loop has ended: the dialogs close without reports.
    property bool quitting_: false
    // Longer texts are cut where they are shown (the whole text goes to the
    // log): laying out a megabyte of text would stop the screen for minutes.
    readonly property int maxShownLength: 3000
    // Error dialogs open at once; further errors are counted on the newest.
    readonly property int maxErrorDialogs: 5
    // Open error dialogs by their record, so the same error opens one dialog.
    property var errors_: ({})
    // The controller's messages open at most this many dialogs; a message an
    // open dialog already shows, and any beyond, are counted there.
    readonly property int maxMessageDialogs: 5
    // Open message dialogs of the controller, oldest first, and those of
    // them without an id of their own by their title, text and category.
    property var messageDialogs_: []
    property var messages_: ({})

    readonly property Component messageComponent_: Qt.createComponent("../content/popups/MessageDialog.qml")
    readonly property Component questionComponent_: Qt.createComponent("../content/popups/QuestionDialog.qml")
    readonly property Component inputComponent_: Qt.createComponent("../content/popups/InputDialog.qml")

    function colorFromCategory(category, fallback) {
        switch (category) {
        case "info": return Common.colorDialogInfo
        case "warning": return Common.colorWarning
        case "error": return Common.colorDialogError
        case "success": return Common.colorDialogSuccess
        }
        return fallback === undefined ? Common.colorDialogNeutral : fallback
    }

    function takeId_(id) {
        if (!id)
            return nextId_--
        return id
    }

    function push_(id, dialog, description) {
        const key = String(id)
        const open = Object.assign({}, open_)
        open[key] = [dialog, description]
        open_ = open
        stack_ = stack_.concat([key])
    }

    // Steps 2 and 3 of every set-up: the id, the stack, the first report.
    function register_(dialog, id, description, kind) {
        id = takeId_(id)
        if (open_[String(id)] !== undefined) {
            console.log("Dialog ist bereits offen: " + id)
            dialog.destroy()
            console.log(kind + ": !newId")
            return undefined
        }
        push_(id, dialog, description)
        Gui.toPy(Gui.DialogData, { current: [Number(id), description] })
        return id
    }

    function create_(component, properties) {
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
        const shown = errors_[key]
        if (shown !== undefined) {
            shown.repeats += 1
            return shown
        }
        const open = Object.keys(errors_)
        if (open.length >= maxErrorDialogs) {
            errors_[open[open.length - 1]].moreErrors += 1
            return undefined
        }
        const dialog = message(e.type, escapeHtml(e.text), "error", { traceback: e.withTraceback ? e.trace : null })
        if (!dialog)
            return undefined
        const errors = Object.assign({}, errors_)
        errors[key] = dialog
        errors_ = errors
        dialog.closed.connect(function() {
            const rest = Object.assign({}, root.errors_)
            delete rest[key]
            root.errors_ = rest
        })
        return dialog
    }

    // A message of the controller (Gui.message). Every one not shown in a
    // dialog of its own is written to the log in full.
    function controllerMessage(title, text, category, id) {
        const key = JSON.stringify([String(title), String(text), String(category)])
        const shown = id ? undefined : messages_[key]
        if (shown !== undefined) {
            shown.repeats += 1
            console.log(`Meldung erneut erhalten (${shown.repeats}-mal): ${key}`)
            return shown
        }
        if (messageDialogs_.length >= maxMessageDialogs) {
            messageDialogs_[messageDialogs_.length - 1].moreMessages += 1
            console.log(`Meldung nicht angezeigt (${maxMessageDialogs} Meldungen offen): ${key}`)
            return undefined
        }
        const dialog = message(title, text, category, { id: id })
        if (!dialog)
            return undefined
        messageDialogs_ = messageDialogs_.concat([dialog])
        if (!id) {
            const messages = Object.assign({}, messages_)
            messages[key] = dialog
            messages_ = messages
        }
        dialog.aboutToHide.connect(function() {
            root.messageDialogs_ = root.messageDialogs_.filter(function(d) { return d !== dialog })
            if (root.messages_[key] === dialog) {
                const rest = Object.assign({}, root.messages_)
                delete rest[key]
                root.messages_ = rest
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
        const dialog = create_(messageComponent_, {
            title: shownText(title), text: shownText(text), color: colorFromCategory(category),
            details: opts.details === undefined ? "" : opts.details,
            traceback: opts.traceback === undefined ? null : opts.traceback,
            time: opts.time === undefined ? "" : opts.time })
        if (!dialog)
            return undefined
        const id = register_(dialog, givenId, null, "message")
        if (id === undefined)
            return undefined
        dialog.id_ = id
        removeOnClose_(dialog, id, function() { return false })
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
        let component = questionComponent_
        if (opts.component !== undefined) {
            if (custom_[opts.component] !== undefined) {
                component = custom_[opts.component]
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
        const dialog = create_(component, props)
        if (!dialog)
            return undefined
        const newId = register_(dialog, id, description, "question")
        if (newId === undefined)
            return undefined
        dialog.id_ = newId
        if (newId > 0) {
            dialog.accepted.connect(function() { report_(newId, { a: true }) })
            dialog.rejected.connect(function() { report_(newId, { a: false }) })
        }
        removeOnClose_(dialog, newId, function() { return dialog.wasAccepted })
        if (openIt)
            dialog.open()
        return dialog
    }

    function input(title, text, options) {
        const opts = options || {}
        const dialog = create_(inputComponent_, {
            title: title, text: text,
            color: colorFromCategory(opts.category === undefined ? "info" : opts.category),
            value: opts.text === undefined ? "" : opts.text,
            password: !!opts.password })
        if (!dialog)
            return undefined
        const id = register_(dialog, 0, null, "input")
        if (id === undefined)
            return undefined
        dialog.id_ = id
        removeOnClose_(dialog, id, function() { return dialog.wasAccepted })
        if (opts.open === undefined || opts.open)
            dialog.open()
        return dialog
    }

    // A dialog stays on the stack until its closing has ended, and is
    // removed and destroyed then; from the start of its closing it no longer
    // counts as the current dialog, so that the controller closing three in
    // a row before the first has faded out closes three.
    function removeOnClose_(dialog, id, accepted) {
        dialog.aboutToHide.connect(function() {
            const closing = Object.assign({}, root.closing_)
            closing[String(id)] = true
            root.closing_ = closing
        })
        dialog.closed.connect(function() { root.remove_(id, accepted(), true) })
    }

    // The key of the dialog on top that is not closing, or "".
    function topOpen_() {
        for (let i = stack_.length - 1; i >= 0; --i) {
            if (!closing_[stack_[i]])
                return stack_[i]
        }
        return ""
    }

    function report_(id, result) {
        const data = {}
        data[String(id)] = result
        Gui.toPy(Gui.DialogData, data)
    }

    function remove_(id, accepted, destroy, value) {
        if (stack_.length === 0 || quitting_)
            return
        const key = String(id)
        const entry = open_[key]
        if (entry !== undefined) {
            if (destroy)
                entry[0].destroy()
            if (closing_[key]) {
                const closing = Object.assign({}, closing_)
                delete closing[key]
                closing_ = closing
            }
            const open = Object.assign({}, open_)
            delete open[key]
            open_ = open
            stack_ = stack_.filter(function(k) { return k !== key })
        }
        const data = {}
        data[key] = value === undefined ? { a: accepted } : { a: accepted, v: value }
        data.current = stack_.length > 0 ? [Number(currentId), open_[currentId][1]] : null
        Gui.toPy(Gui.DialogData, data)
    }

    function removePopupById(id, accepted, value) {
        remove_(id, accepted, false, value)
    }

    function setupPopup(popup, id) {
        if (!(popup instanceof Popup)) {
            console.log(popup + " ist keine Instanz von Popup")
            return 0
        }
        id = id > 0 ? id : nextId_--
        push_(id, popup, null)
        Gui.toPy(Gui.PopupOpened, true)
        return id
    }

    function getOpenDialogById(id) {
        return open_[String(id)]
    }

    // The controller's decision: its accept is the dialog's plain accept, so
    // a popup's own check of the operator's input (customAccept) is passed by.
    function closeDialog(id, accept) {
        const entry = open_[String(id)]
        if (entry === undefined)
            return
        const dialog = entry[0]
        if (!accept)
            reject_(dialog)
        else if (typeof dialog.accept === "function")
            dialog.accept()
        else
            dialog.close()
    }

    function accept_(dialog) {
        if (typeof dialog.customAccept === "function")
            dialog.customAccept()
        else if (typeof dialog.accept === "function")
            dialog.accept()
        else
            dialog.close()
    }

    function reject_(dialog) {
        if (typeof dialog.reject === "function")
            dialog.reject()
        else
            dialog.close()
    }

    function acceptCurrent() {
        const key = topOpen_()
        if (key === "") {
            console.warn("Dialogs.acceptCurrent() --> kein Dialog offen")
            return
        }
        accept_(open_[key][0])
    }

    function rejectCurrent() {
        const key = topOpen_()
        if (key === "") {
            console.warn("Dialogs.rejectCurrent() --> kein Dialog offen")
            return
        }
        reject_(open_[key][0])
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
        if (!(component instanceof Component) || custom_[name] !== undefined) {
            console.log("Komponente '" + name + "' kann nicht registriert werden")
            return false
        }
        const custom = Object.assign({}, custom_)
        custom[name] = component
        custom_ = custom
        return true
    }

    function delCustomQuestionComponent(name) {
        if (custom_[name] === undefined)
            return false
        const custom = Object.assign({}, custom_)
        delete custom[name]
        custom_ = custom
        return true
    }

    // Hide what is still open while the engine is whole: popups torn down
    // visible with the engine evaluate their bindings against deleted contexts.
    property Connections quitWatcher_: Connections {
        target: Qt.application
        function onAboutToQuit() {
            root.quitting_ = true
            // Without its exit transition a popup is gone at once; the event
            // loop that would run the transition has ended.
            for (const key of root.stack_) {
                const dialog = root.open_[key][0]
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
