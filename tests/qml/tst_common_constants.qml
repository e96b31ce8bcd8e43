import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
import tavell.testing 1.0
import tavell.values 1.0
import "qrc:/qml/singletons"

TestCase {
    id: testCase

    name: "CommonConstants"
    when: windowShown
    width: 400
    height: 400

    Component {
        id: itemsComponent

        Item {
            property alias second: second_

            Item { }
            Item { id: second_ }
        }
    }

    Component {
        id: swipeComponent

        SwipeView {
            property alias third: third_

            Item { }
            Item { }
            Item { id: third_ }
        }
    }

    function cleanup() {
        Common.w1 = 0
        Common.theme = Material.Dark
        Common.window = null
        TestHooks.setValue("heatZoneCount", -1)
        TestHooks.setValue("heatZoneCountB", -1)
    }

    function test_calcWindowSize_data() {
        return [
            { tag: "empty", width: 0, size: Common.Sm },
            { tag: "below two columns", width: 299, size: Common.Sm },
            { tag: "two columns", width: 300, size: Common.Md },
            { tag: "320", width: 320, size: Common.Md },
            { tag: "below three columns", width: 449.5, size: Common.Md },
            { tag: "three columns", width: 450, size: Common.Lg },
            { tag: "below four columns", width: 599, size: Common.Lg },
            { tag: "four columns", width: 600, size: Common.Xl },
            { tag: "wide", width: 2000, size: Common.Xl },
        ]
    }

    function test_calcWindowSize(data) {
        compare(Common.calcWindowSize(data.width), data.size)
    }

    function test_windowSizeFollowsPageWidth() {
        compare(Common.windowSize, Common.Sm)
        Common.w1 = 320
        compare(Common.windowSize, Common.Md)
        compare(Common.w2, 310)
        Common.w1 = 1000
        compare(Common.windowSize, Common.Xl)
        Common.w1 = 100
        compare(Common.windowSize, Common.Sm)
    }

    function test_themeColours() {
        verify(Common.isDarkTheme)
        compare(Common.fg1, "#ffffff")
        compare(Common.colorWarning, Material.color(Material.DeepOrange))
        Common.theme = Material.Light
        verify(!Common.isDarkTheme)
        compare(Common.fg1, "#000000")
        compare(Common.colorWarning, Material.color(Material.Orange))
        compare(Common.colorWarningAlpha.a.toFixed(2), "0.75")
        compare(Common.colorWarningAlpha.r, Common.colorWarning.r)
    }

    function test_plantVariant_data() {
        return [
            { tag: "counts not yet known", zones: -1, zonesB: -1, special: false, cooking: -1 },
            { tag: "no line B", zones: 3, zonesB: 0, special: false, cooking: 3 },
            { tag: "two zones on line B", zones: 4, zonesB: 2, special: false, cooking: 4 },
            { tag: "separate cooking kettle", zones: 4, zonesB: 3, special: true, cooking: 3 },
        ]
    }

    function test_plantVariant(data) {
        TestHooks.setValue("heatZoneCount", data.zones)
        TestHooks.setValue("heatZoneCountB", data.zonesB)
        compare(Common.isSpecial, data.special)
        compare(Common.cookingHeatZoneCount, data.cooking)
    }

    function test_findItemIndex() {
        const items = createTemporaryObject(itemsComponent, testCase)
        compare(Common.findItemIndex(items, items.second), 1)
        const view = createTemporaryObject(swipeComponent, testCase)
        compare(Common.findItemIndex(view, view.third), 2)
    }

    function test_findItemIndex_missing() {
        const items = createTemporaryObject(itemsComponent, testCase)
        const view = createTemporaryObject(swipeComponent, testCase)
        compare(Common.findItemIndex(view, items.second), -1)
        compare(Common.findItemIndex(items, view), -1)
        compare(Common.findItemIndex(null, items.second), -1)
        compare(Common.findItemIndex(items, undefined), -1)
    }

    // With the real main window: tst_main_window.qml.
    function test_notifyWithoutWindow() {
        TestHooks.clearLog()
        Common.notify("ohne Fenster")
        compare(TestHooks.consoleLines(), ["debug: [Common.notify] kein Toast verfügbar: ohne Fenster"])
    }
}
