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
    property var dialog_: null

    function show() {
        if (count <= 0) {
            console.log("[Warnings.show()] keine Warnungen vorhanden")
            return
        }
        dialog_ = Dialogs.question(title, text, { category: "warning", no: "OK", yes: yesText })
        if (dialog_)
            dialog_.accepted.connect(function() { Gui.deleteWarnings() })
    }

    onCountChanged: {
        if (dialog_) {
            dialog_.title = title
            dialog_.text = text
            dialog_.yesText = yesText === null ? "" : yesText
        }
    }

    property Connections connections_: Connections {
        target: Gui
        function onSetWarningsDialogData(count, title, text, yesTxt) {
            root.title = title
            root.text = text
            root.yesText = yesTxt === "" ? null : yesTxt
            root.count = count
        }
    }
}
