import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../singletons"

// Text area of a recipe comment. Shows `source` and sends its text 3000 ms
// after the last change; a change of `source` restarts that delay as well, so
// a text changed by the controller is sent back once. flush() sends a pending
// text at once, before anything else may change which recipe is current.
TextArea {
    id: root

    property string source
    readonly property alias pending: timer_.running

    signal send(string text)

    property bool ready_: false

    function flush() {
        if (!timer_.running)
            return
        timer_.stop()
        root.send(text)
    }

    textFormat: TextEdit.PlainText
    wrapMode: TextEdit.Wrap
    selectByMouse: true
    color: Common.fg1
    placeholderTextColor: Common.fg2

    onSourceChanged: if (ready_ && text !== source) text = source
    onTextChanged: if (ready_) timer_.restart()

    Component.onCompleted: {
        text = source
        ready_ = true
    }

    Timer {
        id: timer_
        interval: 3000
        onTriggered: root.send(root.text)
    }
}
