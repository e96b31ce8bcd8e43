import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
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
}
