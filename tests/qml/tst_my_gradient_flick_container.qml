import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtTest 1.2
import "qrc:/qml/base"

Item {
    id: scene

    width: 400
    height: 400

    TestCase {
        name: "MyGradientFlickContainer"
        when: windowShown

        Component {
            id: containerComponent

            MyGradientFlickContainer {
                property alias filler: filler_

                width: 300
                height: 200

                Rectangle {
                    id: filler_

                    implicitHeight: 500
                    Layout.fillWidth: true
                }
            }
        }

        function createContainer(props) {
            const container = createTemporaryObject(containerComponent, scene, props || {})
            verify(container)
            waitForRendering(container)
            return container
        }

        function bands(container) {
            return [findChild(container, "gradientTop").visible, findChild(container, "gradientBottom").visible]
        }

        function test_scrollHintsOffByDefault() {
            // Gui.indicateScrollable is false until the controller turns it on.
            const container = createContainer()
            verify(!container.indicate)
            compare(bands(container), [false, false])
        }

        function test_bandsShowWhereContentIsHidden() {
            const container = createContainer({ indicate: true })
            const flickable = container.flickable
            compare(flickable.contentHeight, 500)
            compare(bands(container), [false, true])
            flickable.contentY = 150
            compare(bands(container), [true, true])
            flickable.contentY = 300
            compare(bands(container), [true, false])
            container.indicate = false
            compare(bands(container), [false, false])
        }

        function test_operatorScrolls() {
            const container = createContainer({ indicate: true })
            mouseDrag(container.flickable, 150, 180, 0, -150)
            tryVerify(() => !container.flickable.moving)
            verify(container.flickable.contentY > 0)
            compare(bands(container)[0], true)
        }

        // The scroll bar tells that the column goes on, and never covers it.
        function test_scrollBarBesideTheColumnWhileScrollable() {
            const container = createContainer()
            const bar = container.scrollBar
            verify(container.scrollable)
            tryCompare(bar, "policy", ScrollBar.AlwaysOn)
            verify(bar.visible && bar.width > 0)
            const column = container.filler.parent
            verify(column.width + bar.width <= container.flickable.width + 0.5)
            compare(bar.mapToItem(container, 0, 0).x, column.mapToItem(container, column.width, 0).x)
            container.filler.implicitHeight = 150
            tryCompare(container, "scrollable", false)
            // Without a bar the column takes the whole width, and from then
            // on no bar is drawn over it.
            tryCompare(column, "width", container.flickable.width)
            verify(!barDrawn(bar))
        }

        // Whether the bar puts anything on the screen.
        function barDrawn(bar) {
            return bar.visible && bar.width > 0 && bar.contentItem.opacity > 0
        }

        // Content that fits gets no bar: neither when the view is built nor
        // when it receives its height only after its content (a tab laid out
        // late), in which case a moment without height must not count as
        // scrolling.
        function test_noScrollBarWhileEverythingFits() {
            const fitting = createContainer()
            fitting.filler.implicitHeight = 150
            tryCompare(fitting.flickable, "contentHeight", 150)
            verify(!fitting.scrollable)
            wait(50)
            verify(!barDrawn(fitting.scrollBar))
            const late = createContainer({ height: 0 })
            late.filler.implicitHeight = 150
            tryCompare(late.flickable, "contentHeight", 150)
            verify(!late.scrollable)
            wait(50)
            late.height = 200
            waitForRendering(late)
            verify(!late.scrollable)
            verify(!barDrawn(late.scrollBar))
            tryCompare(late.filler.parent, "width", late.flickable.width)
        }

        function test_noBandsWhenEverythingFits() {
            const container = createContainer({ indicate: true })
            container.filler.implicitHeight = 150
            tryCompare(container.flickable, "contentHeight", 150)
            compare(bands(container), [false, false])
            container.filler.implicitHeight = 201
            tryCompare(container.flickable, "contentHeight", 201)
            compare(bands(container), [false, true])
        }
    }
}
