pragma Singleton
import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import tavell.gui 1.0
import tavell.values 1.0

// Sizes, colours, kettle names and time formats shared by every screen.
QtObject {
    id: root

    enum WindowSize { Sm = 1, Md, Lg, Xl }

    // Set by the main window and the page container once they are complete.
    property var window: null
    property real mainHeight: 0
    property real h: 0
    property real w1: 0
    readonly property real w2: w1 - 2 * spacing

    readonly property real minColWidth: 300 / Gui.scaleFactor
    readonly property real breakpoint: 1000 / Gui.scaleFactor
    readonly property real maxLeftColWidth: 300 / Gui.scaleFactor
    readonly property real minRightColWidth: breakpoint - maxLeftColWidth
    readonly property int spacing: 5
    readonly property int windowSize: calcWindowSize(w1)

    readonly property int delayButtonDelay: 1500
    readonly property int toolTipDuration: 500

    property int theme: Material.Dark
    readonly property bool isDarkTheme: theme === Material.Dark

    readonly property color colorWarning: isDarkTheme ? Material.color(Material.DeepOrange)
                                                      : Material.color(Material.Orange)
    readonly property color colorWarningAlpha: Qt.rgba(colorWarning.r, colorWarning.g, colorWarning.b, 0.75)
    readonly property color colorActive: isDarkTheme ? Qt.darker("grey", 1.5) : "lightgrey"
    readonly property color colorHovered: isDarkTheme ? Qt.lighter(colorActive, 1.2) : Qt.lighter(colorActive, 1.1)
    readonly property color bg1: isDarkTheme ? "#355269" : "#b4c7dc"
    readonly property color bg2: isDarkTheme ? Qt.darker("grey") : Qt.lighter("lightgrey")
    readonly property color bgHeader: isDarkTheme ? Qt.lighter(bg1) : Qt.darker(bg1, 1.1)
    readonly property color fg1: isDarkTheme ? "white" : "black"
    readonly property color fg2: isDarkTheme ? Qt.lighter("grey", 1.2) : "grey"

    property real fSize: 10
    readonly property real fSize2: 1.2 * fSize
    readonly property real hSize1: 1.5 * fSize
    readonly property real hSize2: 2 * fSize

    readonly property bool isSpecial: Values.heatZoneCountB >= 3
    readonly property int cookingHeatZoneCount: isSpecial ? Values.heatZoneCountB : Values.heatZoneCount

    readonly property string nameKessel1: "Maischepfanne"
    readonly property string nameKessel2: "Würzepfanne"
    readonly property string nameKessel1WithArticle: "die " + nameKessel1
    readonly property string nameKessel2WithArticle: "die " + nameKessel2
    readonly property string nameKesselStd: nameKessel2

    readonly property bool reportVisible: false
    readonly property bool controlsEnabled: false

    function findItemIndex(container, item) {
        if (!container || !item) {
            console.log(`[findItemIndex(container=${container}, item=${item})] falsche/s Argument/e`)
            return -1
        }
        const items = container.contentChildren !== undefined ? container.contentChildren : container.children
        for (let i = 0; i < items.length; ++i) {
            if (items[i] === item)
                return i
        }
        return -1
    }

    function calcWindowSize(width) {
        if (width < 2 * minColWidth)
            return Common.Sm
        if (width < 3 * minColWidth)
            return Common.Md
        if (width < 4 * minColWidth)
            return Common.Lg
        return Common.Xl
    }

    function timeFromSecsShort(seconds) {
        const total = Math.floor(Math.abs(seconds))
        const secs = total % 60
        return `${seconds < 0 && total > 0 ? "-" : ""}${Math.floor(total / 60)}:${secs < 10 ? "0" : ""}${secs}`
    }

    function timeFromSecsLong(seconds) {
        const total = Math.floor(Math.abs(seconds))
        const mins = Math.floor(total / 60)
        const secs = total % 60
        const minsPart = `${mins} Minute${mins > 1 ? "n" : ""}`
        const secsPart = `${secs} Sekunde${secs > 1 ? "n" : ""}`
        const sign = seconds < 0 && total > 0 ? "-" : ""
        if (mins === 0)
            return sign + secsPart
        if (secs === 0)
            return sign + minsPart
        return `${sign}${minsPart} und ${secsPart}`
    }

    // The main window owns the toast; until it has set itself here there is
    // nowhere to show one.
    function notify(msg, options) {
        if (!window || !window.toast) {
            console.log(`[Common.notify] kein Toast verfügbar: ${msg}`)
            return
        }
        window.toast.notify(msg, "qrc:/img/info-circle.svg", options === undefined ? {} : options)
    }
}
