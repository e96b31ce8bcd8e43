import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.recipes 1.0
import "../../base"
import "../../singletons"

// Choosing, creating, copying, renaming and deleting recipes. Every request
// goes out through `request`; the names in it are those the list showed when
// the operator asked.
HelpFrame {
    id: root

    // A plain array: the model and indexOf need one.
    readonly property var names: {
        const list = Recipes.names
        const out = []
        for (let i = 0; i < list.length; ++i)
            out.push(String(list[i]))
        return out
    }
    readonly property string currentName: Recipes.current.name
    readonly property bool hasName: currentName !== ""
    readonly property alias comboBox: box_
    readonly property alias actionButton: button_
    readonly property alias menu: menu_

    signal request(int action, var value)

    function shownName_() {
        return box_.currentIndex >= 0 ? names[box_.currentIndex] : ""
    }

    // The list follows the current recipe again, also when the controller
    // kept it.
    function rebind_() {
        box_.currentIndex = Qt.binding(function() { return root.names.indexOf(root.currentName) })
    }

    function choose(index) {
        if (index >= 0 && index < names.length)
            request(Recipes.SetCurrentName, names[index])
        rebind_()
    }

    function askNew() {
        const dialog = Dialogs.input("Neues Rezept", "Bitte einen Namen für das neue Rezept angeben")
        if (dialog)
            dialog.accepted.connect(function(text) { root.request(Recipes.NewRecipe, text) })
    }

    function askCopy() {
        const original = shownName_()
        if (original === "")
            return
        const dialog = Dialogs.input("Rezept kopieren", "Bitte einen neuen Namen für Kopie von "
                                     + RecipesExt.quoted(original) + " angeben")
        if (dialog)
            dialog.accepted.connect(function(text) { root.request(Recipes.CopyRecipe, [original, text]) })
    }

    function askRename() {
        const old = shownName_()
        if (old === "")
            return
        const dialog = Dialogs.input("Rezept umbenennen", "Bitte einen neuen Namen für "
                                     + RecipesExt.quoted(old) + " angeben")
        if (dialog)
            dialog.accepted.connect(function(text) { root.request(Recipes.RenameRecipe, [old, text]) })
    }

    function askRemove() {
        const name = shownName_()
        if (name === "")
            return
        const dialog = Dialogs.question("Rezept löschen", "Soll das Rezept " + RecipesExt.quoted(name)
                                        + " wirklich gelöscht werden?")
        if (dialog)
            dialog.accepted.connect(function() { root.request(Recipes.RemoveRecipe, name) })
    }

    helpTitle: RecipesExt.selectionTitle
    helpText: RecipesExt.selectionText

    MyRectColLayout {
        anchors.fill: parent

        RowLayout {
            spacing: Common.spacing
            Layout.fillWidth: true

            ThemedComboBox {
                id: box_

                objectName: "recipeList"
                model: root.names
                currentIndex: root.names.indexOf(root.currentName)
                enabled: root.names.length > 0
                Layout.fillWidth: true
                Layout.minimumWidth: 80

                // Recipe names are the operator's text, never markup.
                delegate: ItemDelegate {
                    width: box_.width
                    highlighted: box_.highlightedIndex === index
                    contentItem: Label {
                        text: modelData
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: Common.fg1
                        verticalAlignment: Text.AlignVCenter
                    }
                }

                onActivated: root.choose(index)
            }

            ToolButton {
                id: menuButton_

                objectName: "recipeMenuButton"
                icon.source: "qrc:/img/three-dots-vertical.svg"
                icon.color: Common.fg1

                onClicked: menu_.open()

                Menu {
                    id: menu_

                    objectName: "recipeMenu"
                    x: menuButton_.width - width
                    y: menuButton_.height

                    MenuItem {
                        objectName: "menuNew"
                        text: "neu"
                        visible: root.hasName
                        height: visible ? implicitHeight : 0
                        onTriggered: root.askNew()
                    }
                    MenuItem {
                        objectName: "menuRename"
                        text: "umbenennen"
                        enabled: root.names.length > 0
                        onTriggered: root.askRename()
                    }
                    MenuItem {
                        objectName: "menuRemove"
                        text: "löschen"
                        enabled: root.names.length > 0
                        onTriggered: root.askRemove()
                    }
                }
            }
        }

        Button {
            id: button_

            objectName: "recipeActionButton"
            text: root.hasName ? "Rezept kopieren" : "Neues Rezept erstellen"
            Layout.fillWidth: true

            onClicked: root.hasName ? root.askCopy() : root.askNew()
        }
    }
}
