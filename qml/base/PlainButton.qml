import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.impl 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.15
import "../singletons"

// A button whose text is shown as it is, never read as markup: for texts the
// controller chooses (the answers of its questions, the names of outputs and
// networks). It is drawn without the style's shadow: that shadow is a layer
// reaching a hundred pixels beyond the button on every side, at the window's
// scale a megabyte for every button of a list or a dialog. A faint line below
// the button stands in for it. Every highlighted button is one of these: the
// style's white text does not read on the light accent, this dark one does.
Button {
    id: root

    // Text.Wrap breaks a text too long for the button onto further lines
    // (the button grows) instead of eliding it.
    property alias wrapMode: label_.wrapMode

    contentItem: Label {
        id: label_

        readonly property bool hasIcon_: root.icon.source.toString() !== "" && root.display !== AbstractButton.TextOnly

        text: root.text
        font: root.font
        textFormat: Text.PlainText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        leftPadding: hasIcon_ ? root.icon.width + (root.text !== "" ? root.spacing : 0) : 0
        color: !root.enabled ? root.Material.hintTextColor
                             : root.flat && root.highlighted ? root.Material.accentColor
                                                             : root.highlighted ? Common.fgOnAccent
                                                                                : root.Material.foreground

        // Left of the centred text, as the style places it.
        IconImage {
            objectName: "icon"
            x: Math.max(0, (label_.width - label_.leftPadding - label_.contentWidth) / 2)
            anchors.verticalCenter: parent.verticalCenter
            width: root.icon.width
            height: root.icon.height
            visible: label_.hasIcon_
            source: root.icon.source
            sourceSize: Qt.size(root.icon.width, root.icon.height)
            color: root.icon.color
        }
    }

    background: Rectangle {
        implicitWidth: 64
        implicitHeight: root.Material.buttonHeight
        radius: 2
        color: !root.enabled ? root.Material.buttonDisabledColor
                             : root.highlighted ? root.Material.highlightedButtonColor : root.Material.buttonColor

        Rectangle {
            z: -1
            y: 1
            width: parent.width
            height: parent.height
            radius: parent.radius
            color: Common.colorShadow
            visible: root.enabled && !root.flat && root.Material.buttonColor.a > 0
        }

        PaddedRectangle {
            y: parent.height - 4
            width: parent.width
            height: 4
            radius: 2
            topPadding: -2
            clip: true
            visible: root.checkable && (!root.highlighted || root.flat)
            color: root.checked && root.enabled ? root.Material.accentColor : root.Material.secondaryTextColor
        }

        Ripple {
            clipRadius: 2
            width: parent.width
            height: parent.height
            pressed: root.pressed
            anchor: root
            active: root.down || root.visualFocus || root.hovered
            color: root.flat && root.highlighted ? root.Material.highlightedRippleColor : root.Material.rippleColor
        }
    }
}
