import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import tavell.auto 1.0
import "../../singletons"
import "../../base"

// Hold-to-trigger button of one line: starts the line at the chosen step,
// stops it while it runs, and acknowledges the end of a finished run.
MyGreenDelayButton {
    id: root

    // 1: line A, 2: line B.
    property int line: 1
    // What a start sends: [startIndex, pageEnum].
    property int startIndex: 0
    property int pageEnum: 0

    readonly property bool running: line === 1 ? Auto_.activeA : Auto_.activeB
    // On a three-vessel plant line B finishes the run, never line A.
    readonly property bool mayFinish: line === 2 || !Common.isSpecial
    readonly property bool finished: mayFinish && running && Auto_.waitForAckn

    readonly property color green_: Common.colorOk
    readonly property color red_: Common.colorNegative
    readonly property color grey_: Common.colorIdle
    property color color_: green_
    // The colour of the endless blinking of "waiting2".
    property color blinkColor_: grey_
    // Set once the grey of "waiting1" has faded in; then the blinking begins.
    property bool fadedIn_: false

    onFinishedChanged: if (!finished) fadedIn_ = false

    onActivated: {
        if (state === "waiting1" || state === "waiting2")
            Auto_.toPy(Auto_.FinishAckn, null)
        else if (state === "started")
            Auto_.toPy(line === 1 ? Auto_.StopA : Auto_.StopB, null)
        else
            Auto_.toPy(Auto_.Start, [startIndex, pageEnum])
    }

    objectName: "startStopButton"
    text: "Start"
    isGreen: false
    Material.background: color_
    // Dark on the green and on the grey, where white does not read.
    Material.foreground: Common.textOn(color_)

    states: [
        State {
            name: "waiting2"
            when: root.finished && root.fadedIn_
            PropertyChanges { target: root; text: "Abschließen"; color_: root.blinkColor_ }
        },
        State {
            name: "waiting1"
            when: root.finished
            PropertyChanges { target: root; text: "Abschließen"; color_: root.grey_ }
        },
        State {
            name: "started"
            when: root.running
            PropertyChanges { target: root; text: "Abbrechen"; color_: root.red_ }
        }
    ]

    transitions: [
        Transition {
            to: "waiting1"
            SequentialAnimation {
                ColorAnimation { property: "color_"; duration: 750 }
                ScriptAction { script: root.fadedIn_ = true }
            }
        }
    ]

    SequentialAnimation {
        objectName: "blink"
        running: root.state === "waiting2"
        loops: Animation.Infinite
        PropertyAction { target: root; property: "blinkColor_"; value: root.grey_ }
        ColorAnimation { target: root; property: "blinkColor_"; to: root.green_; duration: 750 }
        ColorAnimation { target: root; property: "blinkColor_"; to: root.grey_; duration: 750 }
    }
}
