import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.screens 1.0
import "../singletons"

// What a program writes (the flasher, the update runs) in a scrolling,
// read-only area. It is plain text: "<none>" or "a < b" shows literally, with
// its line breaks and runs of blanks kept; standard error in the alarm
// colour. Lines show within a frame of their arrival. The area follows the
// end unless the operator is scrolling. With `maximumLines` above 0 only the
// latest lines stay (`dropped` counts the others).
Flickable {
    id: root

    property bool selectable: false
    property alias maximumLines: tail_.maximumLines
    readonly property alias dropped: tail_.dropped
    readonly property alias area: area_
    property alias areaObjectName: area_.objectName
    property alias areaBackground: area_.background

    // Our own styled line, built from escaped parts.
    function appendHtml(html) { tail_.append(html) }

    // Outside text, shown as it stands.
    function appendStdout(text) { tail_.appendText(String(text)) }

    function appendStderr(text) { tail_.appendText(String(text), Common.colorAlarmText) }

    function clear() { tail_.clear() }

    // The end stays in view when lines come and when the area shrinks (the
    // note above it on dropped lines appears).
    function followEnd_() {
        if (!moving && !dragging && !scrollBar_.pressed)
            contentY = Math.max(0, contentHeight - height)
    }

    clip: true
    boundsBehavior: Flickable.StopAtBounds

    onSelectableChanged: if (!selectable) area_.deselect()
    onContentHeightChanged: followEnd_()
    onHeightChanged: followEnd_()

    TextTail {
        id: tail_

        document: area_.textDocument
        maximumLines: 0
        onLinesShown: root.followEnd_()
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
