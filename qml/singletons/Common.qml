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
    // Width the button in the page area's bottom right corner takes (the
    // simulator's gear, in simulator mode), with its spacing: controls at a
    // page's bottom right keep clear of it.
    property real cornerButtonWidth: 0
    // Height it takes, with its spacing: what a page draws up to its bottom
    // edge at the right (the scheme) ends above it.
    property real cornerButtonHeight: 0
    readonly property real w2: w1 - 2 * spacing

    readonly property real minColWidth: 300 / Gui.scaleFactor
    readonly property real breakpoint: 1000 / Gui.scaleFactor
    readonly property real maxLeftColWidth: 300 / Gui.scaleFactor
    readonly property real minRightColWidth: breakpoint - maxLeftColWidth
    readonly property int spacing: 5
    // One line of a compact panel, text or check box alike.
    readonly property int rowHeight: 24
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
    // Secondary texts and placeholders: still 4.5 times the luminance
    // contrast of bg1, bg2 and the page background.
    readonly property color fg2: isDarkTheme ? "#c8c8c8" : "#4a4a4a"
    // Controls that cannot act now (a spin box arrow at its limit): dimmed,
    // but still 3 times the contrast of the panels they sit on.
    readonly property color fgDisabled: isDarkTheme ? "#aaaaaa" : "#5c6670"
    // Texts that call for action now or report a failure (a hop addition
    // due, a heating warning, a program's error output, a wrong input).
    readonly property color colorAlarmText: isDarkTheme ? "#ffb4ab" : "#9a0007"
    // Texts that report success (all hop additions done, a finished flash).
    readonly property color colorSuccessText: isDarkTheme ? "#a5d6a7" : "#1b5e20"
    // A panel with good news (updates are there) and its texts.
    readonly property color colorPositive: isDarkTheme ? "#1b5e20" : "#a5d6a7"
    readonly property color fgOnPositive: isDarkTheme ? "white" : "black"
    readonly property color fg2OnPositive: isDarkTheme ? "lightgrey" : "#333333"
    // Notices without a colour of their own, and their text.
    readonly property color colorToast: isDarkTheme ? "#263238" : "#eceff1"
    readonly property color fgToast: fg1
    // The layer behind a modal popup or dialog: darkens in both themes.
    readonly property color colorDim: Qt.rgba(0, 0, 0, 0.5)
    // The scheme's hand-release button while hand operation is released: it
    // pulses between the two, and its icon reads on both.
    readonly property color colorHandReleased: Material.color(Material.Orange)
    readonly property color colorHandReleasedPulse: Material.color(Material.Orange, Material.Shade100)
    readonly property color fgOnHandReleased: "black"
    // Texts and icons on a warning-coloured panel or button.
    readonly property color fgOnWarning: "black"
    // The selected tab's label, in the accent's hue where the accent itself
    // is too light to read on the page.
    readonly property color colorAccentText: isDarkTheme ? accent : "#2d6592"

    // The same in both themes:
    // the windows' Material accent;
    readonly property color accent: "#6fa4ce"
    // the text of a highlighted button, drawn on the accent;
    readonly property color fgOnAccent: "black"
    // what is on, done or may go on (active buttons, a marked step, a running
    // output), what is off or failed (a stopped or blocked output), and a
    // start button that waits;
    readonly property color colorOk: Material.color(Material.Green)
    readonly property color colorNegative: Material.color(Material.Red)
    readonly property color colorIdle: Material.color(Material.Grey)
    // texts on those fills and on the dialogs' coloured headers;
    readonly property color fgOnColor: "white"
    // a line of a running automatic sequence in the side menu;
    readonly property color colorRunningTint: Qt.rgba(0, 0.5, 0, 0.5)
    // the header of a dialog, by its category;
    readonly property color colorDialogInfo: "blue"
    readonly property color colorDialogError: "red"
    readonly property color colorDialogSuccess: "green"
    readonly property color colorDialogNeutral: "gray"
    // a control that only a debug build shows;
    readonly property color colorDebug: "red"
    // a plant input that is on or off, and a grey info panel;
    readonly property color colorInputOn: "green"
    readonly property color colorInputOff: "grey"
    readonly property color colorInfoPanel: "grey"
    // the plant scheme: outputs that are secondary, in warning or off, and
    // the band (drawn faint) behind a value shown on the picture;
    readonly property color colorSchemeSecondary: Material.color(Material.Yellow)
    readonly property color colorSchemeWarning: Material.color(Material.Purple)
    readonly property color colorSchemeOff: "#A0808080"
    readonly property color colorSchemeBand: "black"
    // the simulator's green start and red stop push buttons;
    readonly property color colorStartButton: Material.color(Material.Green, Material.Shade600)
    readonly property color colorStopButton: Material.color(Material.Red, Material.Shade600)
    // the frame around an element that has help, and its fill;
    readonly property color colorHelp: Material.color(Material.Blue)
    readonly property color colorHelpBackground: Qt.rgba(colorHelp.r, colorHelp.g, colorHelp.b, 0.25)
    // the drop shadow under a raised button.
    readonly property color colorShadow: Qt.rgba(0, 0, 0, 0.2)

    property real fSize: 10
    readonly property real fSize2: 1.2 * fSize
    readonly property real hSize1: 1.5 * fSize
    readonly property real hSize2: 2 * fSize
    // Fixed sizes in pixels: titles of dialogs and popups, the side menu's
    // label and second line, the scheme's frequency boxes and kettle
    // temperature (points), a network's name in the Wi-Fi list (points).
    readonly property int pxTitle: 16
    readonly property int pxMenuText: 15
    readonly property int pxMenuSecondLine: 10
    readonly property int pxSchemeFreq: 26
    readonly property int ptSchemeTemp: 30
    readonly property int ptWifiName: 12

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

    // Relative luminance of a colour value (sRGB), as contrast ratios use it.
    function luminance(c) {
        const lin = function(v) { return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4) }
        return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b)
    }

    // Contrast ratio of two opaque colours, 1 to 21.
    function contrast(a, b) {
        const la = luminance(a)
        const lb = luminance(b)
        return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05)
    }

    // The text on a dialog's coloured header: dark on the warning colour,
    // white on the others.
    function fgOnHeader(fill) {
        return Qt.colorEqual(fill, colorWarning) ? fgOnWarning : fgOnColor
    }

    // Black or white, whichever reads better on `background`.
    function textOn(background) {
        const black = Qt.rgba(0, 0, 0, 1)
        const white = Qt.rgba(1, 1, 1, 1)
        return contrast(background, black) >= contrast(background, white) ? black : white
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
