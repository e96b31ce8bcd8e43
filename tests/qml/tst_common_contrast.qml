import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
import "qrc:/qml/base"
import "qrc:/qml/content/auto"
import "qrc:/qml/content/popups"
import "qrc:/qml/singletons"

// The theme colours of Common read on the backgrounds they are drawn on, in
// both themes: texts at least 4.5 times the luminance contrast, a dimmed
// control or an icon at least 3 times.
TestCase {
    id: testCase

    name: "CommonContrast"
    when: windowShown
    width: 100
    height: 100

    // The page background of the theme (what the pages without a colour of
    // their own show).
    Pane {
        id: page_
        Material.theme: Common.theme
    }

    // Widgets drawn on a fill, built with the window's accent in the theme.
    Item { id: host_; Material.accent: Common.accent; Material.theme: Common.theme }
    Component { id: button_; AccentButton { text: "OK" } }
    Component { id: greenButton_; MyGreenCheckButton { text: "An"; active: true } }
    Component { id: startButton_; StartStopButton { line: 1 } }
    Component { id: stepEntry_; ListEntry { text: "Rasten"; marked: true } }
    Component { id: tabs_; TabBar { PlainTabButton { text: "A" } PlainTabButton { text: "B" } } }
    Component { id: warning_; MyWarning { title: "T"; text: "T" } }
    Component { id: spinBox_; MySpinBox { text: "T"; from: 1; to: 10; value: 12; warnMsg: "T"; infoMsg: "T" } }
    Component { id: dialog_; QuestionDialog { title: "T"; color: Dialogs.colorFromCategory("warning") } }

    // The pairs [name, text, background] that read below 4.5.
    function poor(pairs) {
        return pairs.filter(p => Common.contrast(p[1], p[2]) < 4.5)
                    .map(p => `${p[0]}: ${Common.contrast(p[1], p[2]).toFixed(2)}`)
    }

    function cleanup() {
        Common.theme = Material.Dark
    }

    function test_coloursReadOnTheirBackgrounds_data() {
        return [{ tag: "dunkel", theme: Material.Dark }, { tag: "hell", theme: Material.Light }]
    }

    function test_coloursReadOnTheirBackgrounds(data) {
        Common.theme = data.theme
        const panels = { bg1: Common.bg1, bg2: Common.bg2, page: page_.Material.background }
        const pairs = []
        for (const panel in panels) {
            for (const text of ["fg1", "fg2", "colorAlarmText", "colorSuccessText"])
                pairs.push([text, Common[text], panel, panels[panel], 4.5])
            pairs.push(["fgDisabled", Common.fgDisabled, panel, panels[panel], 3])
        }
        pairs.push(["fgOnPositive", Common.fgOnPositive, "colorPositive", Common.colorPositive, 4.5])
        pairs.push(["fg2OnPositive", Common.fg2OnPositive, "colorPositive", Common.colorPositive, 4.5])
        pairs.push(["fgToast", Common.fgToast, "colorToast", Common.colorToast, 4.5])
        for (const name of ["colorWarning", "colorPositive", "colorToast"])
            pairs.push(["textOn", Common.textOn(Common[name]), name, Common[name], 4.5])
        pairs.push(["textOn", Common.textOn(Material.color(Material.Green)), "green", Material.color(Material.Green), 4.5])
        pairs.push(["fgOnHandReleased", Common.fgOnHandReleased, "colorHandReleased", Common.colorHandReleased, 3])
        pairs.push(["fgOnHandReleased", Common.fgOnHandReleased, "colorHandReleasedPulse",
                    Common.colorHandReleasedPulse, 3])
        const poor = []
        for (const [fgName, fg, bgName, bg, least] of pairs) {
            const ratio = Common.contrast(fg, bg)
            if (ratio < least)
                poor.push(`${fgName} auf ${bgName}: ${ratio.toFixed(2)} < ${least}`)
        }
        compare(poor, [])
        // The released hand button's pulse is seen: its two colours differ.
        verify(Common.contrast(Common.colorHandReleased, Common.colorHandReleasedPulse) >= 1.5)
    }

    // The dim behind modal popups darkens the page in both themes.
    function test_dimDarkens() {
        for (const theme of [Material.Dark, Material.Light]) {
            Common.theme = theme
            verify(Common.luminance(Common.colorDim) < 0.01)
            verify(Common.colorDim.a >= 0.3)
        }
    }

    function test_contrastOfKnownPairs() {
        fuzzyCompare(Common.contrast(Qt.rgba(0, 0, 0, 1), Qt.rgba(1, 1, 1, 1)), 21, 0.001)
        fuzzyCompare(Common.contrast(Qt.rgba(1, 1, 1, 1), Qt.rgba(1, 1, 1, 1)), 1, 0.001)
        // #808080 on #b4c7dc, the grey of the step screens' placeholders.
        fuzzyCompare(Common.contrast(Qt.rgba(0x80 / 255, 0x80 / 255, 0x80 / 255, 1),
                                     Qt.rgba(0xb4 / 255, 0xc7 / 255, 0xdc / 255, 1)), 2.28, 0.01)
    }

    // What the widgets draw on a fill reads on it, in both themes: the text of
    // a highlighted button (on the accent), of an output that is on, of the
    // start button and of the running step in the step list (on the green),
    // the selected tab's label, and the texts of
    // a warning box, a spin box on error and a warning dialog's header.
    function test_widgetTextsReadOnTheirFill_data() { return test_coloursReadOnTheirBackgrounds_data() }

    function test_widgetTextsReadOnTheirFill(data) {
        Common.theme = data.theme
        const button = createTemporaryObject(button_, host_)
        const output = createTemporaryObject(greenButton_, host_)
        const start = createTemporaryObject(startButton_, host_)
        const step = createTemporaryObject(stepEntry_, host_)
        const bar = createTemporaryObject(tabs_, host_)
        const box = createTemporaryObject(warning_, host_)
        const spin = createTemporaryObject(spinBox_, host_)
        const dialog = createTemporaryObject(dialog_, host_)
        bar.currentIndex = 1
        verify(bar.itemAt(1).checked && spin.error)
        verify(Qt.colorEqual(button.background.color, Common.accent))
        verify(Qt.colorEqual(output.Material.background, Common.colorOk))
        verify(Qt.colorEqual(start.Material.background, Common.colorOk))
        verify(Qt.colorEqual(step.background.color, Common.colorOk))
        verify(Qt.colorEqual(dialog.color, Common.colorWarning))
        const pairs = [["Hervorgehoben", button.contentItem.color, button.background.color],
                       ["an", output.contentItem.color, output.Material.background],
                       ["Start", start.contentItem.color, start.Material.background],
                       ["laufender Schritt", step.contentItem.color, step.background.color],
                       ["gewählt", bar.itemAt(1).contentItem.color, bar.background.color],
                       ["Zahl", spin.spinBox.contentItem.color, spin.color],
                       ["Dialogtitel", findChild(dialog.contentItem, "questionTitle").color, dialog.color]]
        for (const name of ["title", "text"])
            pairs.push([name, findChild(box, name).color, box.color])
        for (const name of ["label", "warnMsg", "rangeError", "infoMsg"])
            pairs.push([name, findChild(spin, name).color, spin.color])
        compare(poor(pairs), [])
    }
}
