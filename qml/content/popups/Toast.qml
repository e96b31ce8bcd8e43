import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import tavell.gui 1.0
import "../../singletons"
import "../../base"

// One short notice at a time; a new one replaces it and restarts the time.
// A notice without a colour of its own (or a transparent one) shows on the
// toast colour of the theme: it lies over the page and must stay readable.
Rectangle {
    id: root

    property url iconUrl: "qrc:/img/save.svg"
    property alias text: label_.text
    property alias interval: timer_.interval
    // The colour asked for; "transparent" when none was given.
    property color tone: "transparent"

    function notify(text, iconUrl, options) {
        if (iconUrl)
            root.iconUrl = iconUrl
        const opts = options || {}
        tone = opts.color ? opts.color : "transparent"
        timer_.interval = opts.duration ? opts.duration : 1000
        label_.text = Dialogs.shownText(text)
        visible = true
        timer_.restart()
    }

    function warn(text, duration) {
        notify(text, "qrc:/img/exclamation-triangle.svg",
               { color: Common.colorWarning, duration: duration === undefined ? 1000 : duration })
    }

    objectName: "toast"
    visible: false
    color: tone.a > 0 ? tone : Common.colorToast
    border.color: Common.fg2
    border.width: tone.a > 0 ? 0 : 1
    radius: Common.spacing
    width: icon_.width + label_.implicitWidth + 30
    z: 100

    MyIcon {
        id: icon_
        anchors.left: parent.left
        anchors.leftMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        height: parent.height * 2 / 3
        width: height
        source: root.iconUrl
        color: label_.color
    }
    Label {
        id: label_
        objectName: "toastText"
        textFormat: Text.PlainText
        color: root.tone.a > 0 ? Common.textOn(root.tone) : Common.fgToast
        anchors.left: icon_.right
        anchors.leftMargin: 10
        anchors.verticalCenter: parent.verticalCenter
    }
    Timer {
        id: timer_
        objectName: "toastTimer"
        interval: 1000
        onTriggered: root.visible = false
    }
    Connections {
        target: Gui
        function onToastNotify(text, iconUrl, colorEnum, duration) {
            let color = "transparent"
            if (colorEnum === Gui.ColorGreen)
                color = Common.colorOk
            else if (colorEnum !== Gui.ColorTransparent)
                console.error("Unbekannten Wert für colorEnum erhalten: " + colorEnum + " (Fallback: transparent)")
            root.notify(text, iconUrl, { color: color, duration: duration })
        }
        function onToastWarn(text, duration) { root.warn(text, duration) }
    }
}
