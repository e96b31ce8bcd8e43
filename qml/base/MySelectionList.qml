import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import "../singletons"

// Label and selection box on a panel; the box moves below the label when both
// do not fit side by side. `activated` reports the operator's choices only.
// The entries are shown as they are, never read as markup: some lists hold
// the controller's texts (the sensor keys of the machine tab).
//
// A list of a value the controller holds sets `showsHeld` and gives the index
// of that value as `heldIndex`: the box shows it, and shows it again after
// each choice (whose request has returned by then) and after a new model, so
// a choice the controller refused or changed shows what it keeps.
Rectangle {
    id: root

    property alias text: label_.text
    property alias model: comboBox_.model
    property alias currentIndex: comboBox_.currentIndex
    readonly property alias currentText: comboBox_.currentText
    property alias textRole: comboBox_.textRole
    property bool wrap: false
    property bool showsHeld: false
    property int heldIndex: -1
    readonly property alias comboBox: comboBox_
    readonly property bool fits: label_.implicitWidth + Common.spacing + comboBox_.implicitWidth
                                 + 2 * padding_ <= width

    signal activated(int index)

    readonly property int padding_: Common.spacing
    readonly property bool stacked_: wrap || !fits

    function showHeld_() {
        if (showsHeld)
            comboBox_.currentIndex = Qt.binding(function() { return root.heldIndex })
    }

    implicitWidth: label_.implicitWidth + Common.spacing + comboBox_.implicitWidth + 2 * padding_
    implicitHeight: grid_.implicitHeight + 2 * padding_
    color: Common.bg1
    radius: Common.spacing

    Component.onCompleted: showHeld_()

    GridLayout {
        id: grid_

        anchors.fill: parent
        anchors.margins: root.padding_
        columns: root.stacked_ ? 1 : 2
        columnSpacing: Common.spacing
        rowSpacing: 0

        Label {
            id: label_

            objectName: "label"
            color: Common.fg1
            wrapMode: Text.Wrap
            verticalAlignment: Text.AlignVCenter
            Layout.fillWidth: true
        }

        ThemedComboBox {
            id: comboBox_

            objectName: "comboBox"
            Layout.fillWidth: root.stacked_
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter

            onActivated: {
                root.activated(index)
                root.showHeld_()
            }
            // A new model resets the index behind the binding.
            onModelChanged: root.showHeld_()

            // The style's entry with a plain-text label.
            delegate: MenuItem {
                id: entry_

                objectName: "entry"
                width: ListView.view.width
                text: comboBox_.textRole ? (Array.isArray(comboBox_.model) ? modelData[comboBox_.textRole]
                                                                            : model[comboBox_.textRole])
                                         : modelData
                Material.foreground: comboBox_.currentIndex === index ? ListView.view.contentItem.Material.accent
                                                                      : ListView.view.contentItem.Material.foreground
                highlighted: comboBox_.highlightedIndex === index
                hoverEnabled: comboBox_.hoverEnabled
                contentItem: Label {
                    text: entry_.text
                    font: entry_.font
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    verticalAlignment: Text.AlignVCenter
                    color: entry_.enabled ? entry_.Material.foreground : entry_.Material.hintTextColor
                }
            }
        }
    }
}
