import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
import "qrc:/qml/base"
import "qrc:/qml/singletons"

Item {
    id: scene

    width: 800
    height: 600

    TestCase {
        name: "WidgetStates"
        when: windowShown

        Component { id: progressComponent; MyGreenProgressButton { width: 200; text: "Flashen" } }
        Component { id: warningComponent; MyWarning { width: 300; title: "Achtung!"; text: "Text" } }
        Component { id: iconComponent; MyIcon { source: "qrc:/img/info-circle.svg" } }
        Component { id: styleButtonComponent; Button { text: "Heizung aktivieren" } }
        Component { id: greenCheckComponent; MyGreenCheckButton { text: "Heizung aktivieren" } }

        SignalSpy { id: closedSpy; signalName: "closed" }

        function create(component, props) {
            const item = createTemporaryObject(component, scene, props || {})
            verify(item)
            waitForRendering(item)
            return item
        }

        function cleanup() {
            Common.theme = Material.Dark
        }

        function test_progressIsClamped_data() {
            return [
                { tag: "below", progress: -0.5, clamped: 0 },
                { tag: "start", progress: 0, clamped: 0 },
                { tag: "half", progress: 0.5, clamped: 0.5 },
                { tag: "done", progress: 1, clamped: 1 },
                { tag: "above", progress: 1.7, clamped: 1 },
                { tag: "not a number", progress: NaN, clamped: 0 },
            ]
        }

        function test_progressIsClamped(data) {
            const button = create(progressComponent, { showProgress: true, progress: data.progress })
            const bar = findChild(button, "progressBar")
            compare(button.clampedProgress, data.clamped)
            fuzzyCompare(bar.width, (button.width - button.leftInset - button.rightInset) * data.clamped, 0.01)
        }

        // The step screens' check buttons stand among the style's buttons:
        // their label is written the same way, active or not.
        function test_greenCheckLabelAsTheStyleWritesIt() {
            const style = create(styleButtonComponent)
            const button = create(greenCheckComponent)
            for (const active of [false, true]) {
                button.active = active
                compare(button.contentItem.font.capitalization, style.contentItem.font.capitalization)
            }
        }

        function test_progressBarOnlyWhileShown() {
            const button = create(progressComponent, { progress: 0.5 })
            verify(!findChild(button, "progressBar").visible)
            button.showProgress = true
            verify(findChild(button, "progressBar").visible)
            compare(button.icon.source, "")
            button.showCheck = true
            compare(button.icon.source, "qrc:/img/check-lg.svg")
        }

        function test_warningCloses() {
            const warning = create(warningComponent)
            const close = findChild(warning, "closeButton")
            verify(!close.visible)
            warning.closable = true
            verify(close.visible)
            closedSpy.target = warning
            mouseClick(close)
            compare(closedSpy.count, 1)
            verify(!warning.visible)
        }

        function test_iconColourFollowsTheme() {
            const icon = create(iconComponent)
            compare(icon.width, 30)
            compare(icon.height, 30)
            compare(icon.color, Common.fg1)
            Common.theme = Material.Light
            compare(icon.color, "#000000")
            icon.color = "red"
            Common.theme = Material.Dark
            compare(icon.color, "#ff0000")
            tryCompare(findChild(icon, "image"), "status", Image.Ready)
        }

    }
}
