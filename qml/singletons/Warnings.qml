pragma Singleton
import QtQuick 2.15
import tavell.gui 1.0

// The controller's current warnings, shown by the side menu and on demand.
QtObject {
    id: root

    property int count: 0
    property string title
    property string text
    property var yesText: null
    property var _dialog: null

    function show() {
        if (count <= 0) {
            console.log("[Warnings.show()] keine Warnungen vorhanden")
            return
        }
        _dialog = Dialogs.question(title, text, { category: "warning", no: "OK", yes: yesText })
        if (_dialog)
            _dialog.accepted.connect(function() { Gui.deleteWarnings() })
    }

    onCountChanged: {
        if (_dialog) {
            _dialog.title = title
            _dialog.text = text
            _dialog.yesText = yesText === null ? "" : yesText
        }
    }

    property Connections _connections: Connections {
        target: Gui
        function onSetWarningsDialogData(count, title, text, yesTxt) {
            root.title = title
            root.text = text
            root.yesText = yesTxt === "" ? null : yesTxt
            root.count = count
        }
    }
}
