import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import "../singletons"

// Labelled integer spin box. `value` is what the caller stores (the value the
// controller holds); the box shows it clamped to the range and the panel warns
// while it lies outside. Only the operator's changes are reported, through
// `modified`; once that request has returned the box shows `value` again
// (StateSpinBox), unless `keepsInput` is set for a value no state object holds.
Rectangle {
    id: root

    property alias text: label_.text
    property int value: 0
    property int from: 0
    property int to: 99
    property int stepSize: 1
    property bool editable: false
    property bool wrap: false
    property bool showError: true
    property bool keepsInput: false
    property string warnMsg: ""
    property string infoMsg: ""
    property alias textFromValue: spinBox_.textFromValue
    property alias valueFromText: spinBox_.valueFromText
    property alias validator: spinBox_.validator
    readonly property alias spinBox: spinBox_
    readonly property bool outOfRange: value < Math.min(from, to) || value > Math.max(from, to)
    readonly property bool error: showError && outOfRange
    // Label and box side by side fit into the given width.
    readonly property bool fits: label_.implicitWidth + Common.spacing + spinBox_.implicitWidth
                                 + 2 * padding_ <= width

    signal modified(int val)

    readonly property int padding_: Common.spacing
    // Texts on the panel: dark on the warning colour.
    readonly property color fg_: error ? Common.fgOnWarning : Common.fg1
    readonly property bool stacked_: wrap || !fits

    // Draws the stored value again once a changed range lets the box show it.
    function resync_() {
        spinBox_.showHeld()
    }

    implicitWidth: label_.implicitWidth + Common.spacing + spinBox_.implicitWidth + 2 * padding_
    implicitHeight: column_.implicitHeight + 2 * padding_
    color: error ? Common.colorWarning : Common.bg1
    radius: Common.spacing
    Material.foreground: error ? Common.fgOnWarning : undefined

    ColumnLayout {
        id: column_

        anchors.fill: parent
        anchors.margins: root.padding_
        spacing: 0

        GridLayout {
            columns: root.stacked_ ? 1 : 2
            columnSpacing: Common.spacing
            rowSpacing: 0
            Layout.fillWidth: true

            Label {
                id: label_

                objectName: "label"
                color: root.fg_
                wrapMode: Text.Wrap
                verticalAlignment: Text.AlignVCenter
                Layout.fillWidth: true
            }

            StateSpinBox {
                id: spinBox_

                objectName: "spinBox"
                from: root.from
                to: root.to
                held: root.value
                keepsInput: root.keepsInput
                stepSize: root.stepSize
                editable: root.editable
                Layout.fillWidth: root.stacked_
                Layout.alignment: Qt.AlignRight | Qt.AlignVCenter

                onModified: root.modified(val)
                onFromChanged: root.resync_()
                onToChanged: root.resync_()
            }
        }

        Label {
            objectName: "warnMsg"
            visible: text !== ""
            text: root.warnMsg
            color: Common.fgOnWarning
            font.bold: true
            wrapMode: Text.Wrap
            padding: 2
            background: Rectangle {
                color: root.error ? "transparent" : Common.colorWarningAlpha
                radius: Common.spacing
            }
            Layout.fillWidth: true
        }

        Label {
            objectName: "rangeError"
            visible: root.error
            text: `Der Wert ${root.value} liegt nicht im Bereich ${root.from}...${root.to}`
            color: root.fg_
            font.bold: true
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        Label {
            objectName: "infoMsg"
            visible: text !== ""
            text: root.infoMsg
            color: root.fg_
            font.italic: true
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }
}
