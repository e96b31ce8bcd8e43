import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import "../singletons"

// Button with a green progress bar along its bottom edge while `showProgress`,
// a green fill while `fillGreen` and a check mark while `showCheck`.
Button {
    id: root

    property real progress: 0
    property bool showProgress: false
    property bool fillGreen: false
    property bool showCheck: false
    readonly property real clampedProgress: isNaN(progress) ? 0 : Math.max(0, Math.min(1, progress))

    Material.background: fillGreen ? Common.colorOk : undefined
    Material.foreground: fillGreen ? Common.textOn(Common.colorOk) : undefined
    icon.source: showCheck ? "qrc:/img/check-lg.svg" : ""

    Rectangle {
        objectName: "progressBar"
        visible: root.showProgress
        x: root.leftInset
        y: root.height - root.bottomInset - height
        width: (root.width - root.leftInset - root.rightInset) * root.clampedProgress
        height: 4
        color: Common.colorOk
    }
}
