import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtGraphicalEffects 1.15
import "../../base"
import "../../singletons"

// The round button every control of the plant scheme is made of: its colour
// tells the state (error before warning before active before secondary),
// it grows while hovered and, while `pulsing`, its background runs between
// the idle and the active colour.
Item {
    id: root

    enum Status { Idle, Blocked, Warning, Active, Secondary }

    property real diameter: 56
    property bool error: false
    property bool warning: false
    property bool active: false
    property bool secondary: false
    property bool pulsing: false
    property bool bgOpaqueOnError: false
    property real bgOpacity: 0.2
    property color colorIdle: Common.fg1
    property color colorError: Common.colorNegative
    property color colorActive: Common.colorOk
    property color colorSecondary: Common.colorSchemeSecondary
    property color colorWarning: Common.colorSchemeWarning
    property real hoverScale: 1.1
    property real clickAreaRatio: 1.0
    property bool scaleWhenActive: false
    property bool noClickOnError: true
    property bool noClickOnWarning: false
    property url iconSource: "qrc:/img/valve.png"
    property string helpTitle
    property string helpText
    property string toolTipText
    readonly property bool hovered: mouse_.containsMouse
    readonly property alias pulseRunning: pulse_.running
    readonly property int status: error ? SchemeButton.Blocked
                                        : warning ? SchemeButton.Warning
                                                  : active ? SchemeButton.Active
                                                           : secondary ? SchemeButton.Secondary : SchemeButton.Idle
    readonly property bool clickable: !(error && noClickOnError) && !(warning && noClickOnWarning)
    readonly property color backgroundColor: active ? colorActive
                                             : error ? colorError
                                                     : warning ? colorWarning
                                                               : secondary ? colorSecondary : Common.colorSchemeOff
    readonly property bool backgroundOpaque: (active || warning || secondary || (error && bgOpaqueOnError))
                                             && !(active && error)
    property color iconColor: Qt.tint(Common.fg1, tintOf_(error ? colorError
                                                          : warning ? colorWarning
                                                                    : active ? colorActive : colorIdle))
    // Where a pulse starts from and returns to.
    property color colorPulseFrom: colorIdle

    signal clicked()

    // Hovering darkens the background, except that of an active button
    // that keeps its size and colour.
    readonly property bool keepsActiveLook_: scaleWhenActive && active
    // A pulsing button only grows: its colours are the pulse's.
    property real hoverDark_: hovered && !keepsActiveLook_ && !pulsing ? 1 : 0
    property color pulseColor_: colorPulseFrom

    function tintOf_(c) {
        return Qt.rgba(c.r, c.g, c.b, 0.5)
    }

    width: diameter
    height: diameter
    scale: hovered || keepsActiveLook_ ? hoverScale : 1

    Behavior on scale { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }
    Behavior on hoverDark_ { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }

    // Pulses only while on screen: a hidden button would keep the window
    // drawing frames for nobody.
    SequentialAnimation {
        id: pulse_

        running: root.pulsing && root.visible
        loops: Animation.Infinite
        onStopped: root.pulseColor_ = root.colorPulseFrom

        ColorAnimation { target: root; property: "pulseColor_"; from: root.colorPulseFrom; to: root.colorActive; duration: 750 }
        ColorAnimation { target: root; property: "pulseColor_"; from: root.colorActive; to: root.colorPulseFrom; duration: 750 }
    }

    Rectangle {
        id: background_

        objectName: "background"
        anchors.fill: parent
        radius: width / 2
        color: Qt.darker(root.pulsing ? root.pulseColor_ : root.backgroundColor, 1 + 2 * root.hoverDark_)
        opacity: root.backgroundOpaque ? 1 : root.bgOpacity
        layer.enabled: true
        layer.effect: DropShadow {
            radius: 6
            samples: 13
            color: Common.fg1
            transparentBorder: true
        }
    }

    Image {
        id: icon_

        objectName: "icon"
        anchors.centerIn: parent
        width: root.diameter * 0.6
        height: width
        source: root.iconSource
        sourceSize: Qt.size(2 * width, 2 * height)
        fillMode: Image.PreserveAspectFit
        visible: false
    }

    ColorOverlay {
        anchors.fill: icon_
        source: icon_
        color: root.iconColor
        visible: root.iconSource.toString() !== ""
    }

    // Built at the first hover: a scheme has dozens of buttons.
    LazyLoader {
        objectName: "toolTipLoader"
        wanted: root.hovered && root.toolTipText !== ""
        sourceComponent: PlainToolTip {
            objectName: "toolTip"
            parent: root
            visible: root.hovered && root.toolTipText !== ""
            delay: Common.toolTipDuration
            text: root.toolTipText
        }
    }

    MouseArea {
        id: mouse_

        objectName: "clickArea"
        anchors.centerIn: parent
        width: root.width * root.clickAreaRatio
        height: root.height * root.clickAreaRatio
        hoverEnabled: true

        onClicked: if (root.clickable) root.clicked()
    }

    Rectangle {
        objectName: "helpMark"
        anchors.fill: parent
        radius: width / 2
        visible: Help.requested && root.helpText !== ""
        color: Help.frameBackground
        border.width: Help.frameWidth
        border.color: Help.frameColor
    }
}
