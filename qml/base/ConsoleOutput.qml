import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.screens 1.0
import "../singletons"

// What a program writes (the flasher, the update runs) in a scrolling,
// read-only area. It is plain text: escaped so "<none>" or "a < b" shows
// literally, with its line breaks and runs of blanks kept; standard error in
// the alarm colour. The area follows the end unless the operator is
// scrolling. With `maximumLines` above 0 only the latest lines stay
// (`dropped` counts the others).
Flickable {
    id: root

    property bool selectable: false
    property alias maximumLines: tail_.maximumLines
    readonly property alias dropped: tail_.dropped
    readonly property alias area: area_
    property alias areaObjectName: area_.objectName
    property alias areaBackground: area_.background

    function toHtml(text) {
        // Each text starts its own paragraph: a closing line break would add an empty one.
        const body = String(text).replace(/\r?\n$/, "")
        return `<span style="white-space:pre-wrap">${Dialogs.escapeHtml(body)}</span>`
    }

    // Our own styled line, built from escaped parts.
    function appendHtml(html) { tail_.append(html) }

    function appendStdout(text) { appendHtml(toHtml(text)) }

    function appendStderr(text) { appendHtml(`<font color="${Common.colorAlarmText}">${toHtml(text)}</font>`) }

    function clear() { tail_.clear() }

    clip: true
    boundsBehavior: Flickable.StopAtBounds

    onSelectableChanged: if (!selectable) area_.deselect()
    onContentHeightChanged: {
        if (!moving && !dragging && !scrollBar_.pressed)
            contentY = Math.max(0, contentHeight - height)
    }

    TextTail {
        id: tail_

        document: area_.textDocument
        maximumLines: 0
    }

    TextArea.flickable: TextArea {
        id: area_

        readOnly: true
        textFormat: TextEdit.RichText
        wrapMode: TextEdit.Wrap
        selectByMouse: root.selectable
        persistentSelection: true
        color: Common.fg1
    }

    ScrollBar.vertical: ScrollBar { id: scrollBar_ }
}
