import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import tavell.auto 1.0
import tavell.gui 1.0
import tavell.recipes 1.0
import tavell.values 1.0
import "../../singletons"
import "../../base"
import "../popups"

// The page of one line of the automatic sequence: status, resume warning,
// step and recipe lists, the start/stop button, the step screens and the
// plant scheme. The step screens are given by their file names in this
// folder, in step order; line A's last, empty, is the empty screen of the
// "Recovery" entry. Screens and scheme views are built when first needed
// and kept from then on; a screen's file is compiled only then.
Page {
    id: root

    // 1: line A (mash line), 2: line B (wort line).
    property int line: 1
    property int pageEnum: Gui.Auto1
    // Step list entries of the line, in step order.
    property var stepNames: []
    // Scheme views while line B exists / while it does not.
    property var formsTwoLines: []
    property var formsOneLine: []
    // Whether line B's existence cuts the step list to the first four steps.
    property bool shortListWithLineB: false
    property alias prepareObjectName: prepare_.objectName
    property var screens: []

    readonly property alias preparePopup: prepare_
    readonly property alias stepView: stepView_
    readonly property alias stepList: stepList_
    readonly property alias recipeList: recipeList_
    readonly property alias startStopButton: startStop_
    readonly property alias schemeArea: scheme_
    readonly property alias resumeWarning: warning_

    readonly property bool isCurrent: SwipeView.isCurrentItem
    readonly property bool narrow: width < Common.breakpoint
    readonly property bool running: line === 1 ? Auto_.activeA : Auto_.activeB
    readonly property int step: line === 1 ? Auto_.stepA : Auto_.stepB
    readonly property int firstStep: line === 1 ? 0 : Auto_.stepBOffset
    // Resume data are offered on line A's page only, and only while no line runs.
    readonly property bool offered: line === 1 && Auto_.recoveryCount > 0
                                    && (Auto_.recoveryDataA.step >= 0 || Auto_.recoveryDataB.step >= 0)
                                    && !AutoExt.active
    // Position of the running step in the step list, -1 when none runs.
    readonly property int runningEntry: step >= firstStep ? step - firstStep + shift_ : -1
    readonly property var stepModel: (offered ? ["Recovery"] : []).concat(stepNames.slice(0, stepCount_))
    readonly property bool recoveryChosen: offered && position === 0
    // What a start sends as step index.
    readonly property int startIndex: stepView_.currentIndex < 0
                                      ? firstStep : position + (line === 1 ? -shift_ : Auto_.stepBOffset)
    readonly property var recipe: line === 1 ? Recipes.autoA : Recipes.autoB
    // The names as a plain array: a selection box shows no entries of the
    // list type Recipes holds them in.
    readonly property var recipeNames: {
        const list = Recipes.names
        const out = []
        for (let i = 0; i < list.length; ++i)
            out.push(String(list[i]))
        return out
    }
    readonly property string resumeText: {
        const a = Auto_.recoveryDataA
        const b = Auto_.recoveryDataB
        const bOffered = Common.isSpecial && b.step >= Auto_.stepBOffset
        if (bOffered && a.step >= 0)
            return "Es ist eine Sicherung zweier abgebrochener Brauvorgänge vorhanden "
                    + `(Schritt ${a.step + 1} - ${a.stepStr} und Schritt ${b.step + 1} - ${b.stepStr}). `
                    + "Um diese Prozesse fortzusetzen"
                    + ", muss als Schritt 'Recovery' ausgewählt werden. Es kann auch nur "
                    + "einer dieser Schritte fortgesetzt werden."
        const one = bOffered ? b : a
        return "Es ist eine Sicherung eines abgebrochenen Brauvorgangs vorhanden "
                + `(Schritt ${one.step + 1} - ${one.stepStr}). Um diesen Prozess fortzusetzen, muss als `
                + "Schritt 'Recovery' ausgewählt werden"
    }

    // The displayed entry of the step list; the view follows it.
    property int position: 0
    property int stepCount_: stepNames.length
    property var forms_: formsOneLine
    readonly property int shift_: offered ? 1 : 0

    function showEntry(index) {
        position = Math.max(0, Math.min(index, stepModel.length - 1))
    }

    // The view index of a step list entry: "Recovery" shows the empty screen.
    function viewIndex_(entry) {
        const index = recoveryChosen ? stepView_.count - 1 : entry - shift_
        return Math.max(0, Math.min(index, stepView_.count - 1))
    }

    // Called from change handlers: reads `offered` itself, which is already
    // current there, unlike bindings that depend on it.
    function showStep_() {
        position = step >= firstStep ? step - firstStep + (offered ? 1 : 0) : 0
    }

    // Line B's zone count decides the steps line A offers and the scheme
    // views; while it is unknown (negative) the page keeps what it has.
    function applyZones_() {
        const zonesB = Values.heatZoneCountB
        if (zonesB < 0)
            return
        if (shortListWithLineB)
            stepCount_ = zonesB > 0 ? 4 : stepNames.length
        forms_ = zonesB > 0 ? formsTwoLines : formsOneLine
        // A chosen step the shorter list no longer offers is not started.
        if (!running && position >= stepModel.length)
            showEntry(position)
    }

    // The selection boxes' text and list are read only once the page is
    // built: read earlier, Qt Quick Controls would build them half-way and
    // keep them in a table where two boxes can meet (see ThemedComboBox).
    property bool built_: false

    // The width a selection box needs to show the longest of the texts
    // whole (no name cut at the box's arrow).
    function boxWidth_(box, texts) {
        if (!built_)
            return 0
        let widest = 0
        for (let i = 0; i < texts.length; ++i)
            widest = Math.max(widest, entryMetrics_.advanceWidth(texts[i]))
        return Math.ceil(widest) + box.leftPadding + box.rightPadding + box.contentItem.leftPadding
                + box.contentItem.rightPadding + 2 * Common.spacing
    }

    // The step box shows its longest entry whole, the recipe box the recipe
    // chosen. The three boxes share the row equally while it is wide enough;
    // where it is not, the action box gives way.
    readonly property real stepBoxWidth_: boxWidth_(stepList_.comboBox, stepModel)
    readonly property real recipeBoxWidth_: boxWidth_(recipeList_.comboBox, [recipe.name])

    // A selection box's list is as wide as its longest entry needs.
    function listWidth_(box, entries) {
        let widest = box.width
        for (let i = 0; i < entries.length; ++i)
            widest = Math.max(widest, entryMetrics_.advanceWidth(entries[i]) + 3 * Common.spacing + 32)
        return Math.min(widest, root.width - 2 * Common.spacing)
    }

    function start_() {
        Auto_.toPy(Auto_.Start, [startIndex, pageEnum])
    }

    onIsCurrentChanged: if (isCurrent) Gui.changedPage(pageEnum)
    onOfferedChanged: offered ? position = 0 : showStep_()
    onStepChanged: showStep_()
    Component.onCompleted: {
        applyZones_()
        offered ? position = 0 : showStep_()
        stepList_.comboBox.popup.width = Qt.binding(function() {
            return root.listWidth_(stepList_.comboBox, root.stepModel)
        })
        recipeList_.comboBox.popup.width = Qt.binding(function() {
            return root.listWidth_(recipeList_.comboBox, root.recipeNames)
        })
        built_ = true
    }

    background: Rectangle { color: Common.bg2 }

    Connections {
        target: Values
        function onHeatZoneCountBChanged() { root.applyZones_() }
    }

    FontMetrics {
        id: entryMetrics_
        font: stepList_.comboBox.font
    }

    Component {
        id: stepDelegate_

        ListEntry {
            objectName: "stepEntry" + index
            text: modelData
            marked: index === root.runningEntry
        }
    }

    Component {
        id: recipeDelegate_

        ListEntry {
            objectName: "recipeEntry" + index
            text: modelData
        }
    }

    Flickable {
        id: flick_

        objectName: "pageFlickable"
        anchors.fill: parent
        contentWidth: width
        contentHeight: root.narrow ? scheme_.y + scheme_.height + Common.spacing : height
        interactive: root.narrow
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        ScrollBar.vertical: ScrollBar {
            id: pageBar_

            visible: root.narrow
        }

        ColumnLayout {
            id: stepsColumn_

            x: Common.spacing
            y: Common.spacing
            // Narrow, the page scrolls: its bar keeps a strip of its own.
            width: root.narrow ? flick_.width - 2 * Common.spacing - pageBar_.width
                               : flick_.width - scheme_.width - 3 * Common.spacing
            height: root.narrow ? implicitHeight : flick_.height - 2 * Common.spacing
            spacing: Common.spacing

            Label {
                objectName: "statusLine"
                text: (root.running && root.step >= 0 ? `${root.step + 1}: ` : "")
                      + (root.line === 1 ? Values.statusA : Values.statusB)
                textFormat: Text.PlainText
                visible: text !== ""
                font.pointSize: Common.fSize2
                font.bold: true
                color: Common.fg1
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            MyWarning {
                id: warning_

                property bool dismissed_: false

                objectName: "resumeWarning"
                title: "Sicherung vorhanden"
                text: root.resumeText
                textFormat: Text.PlainText
                closable: true
                visible: root.offered && !dismissed_
                Layout.fillWidth: true

                // Dismissed until the resume data are offered again.
                Connections {
                    target: root
                    function onOfferedChanged() { warning_.dismissed_ = false }
                }
                onClosed: {
                    dismissed_ = true
                    visible = Qt.binding(function() { return root.offered && !warning_.dismissed_ })
                }
            }

            RowLayout {
                id: boxRow_

                spacing: Common.spacing
                Layout.fillWidth: true
                // The boxes share the row's height; the row keeps its own.
                Layout.fillHeight: false

                HelpFrame {
                    helpTitle: Help.autoStepListTitle
                    helpText: Help.autoStepListText
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: root.stepBoxWidth_
                    Layout.minimumWidth: root.stepBoxWidth_

                    MySelectionList {
                        id: stepList_

                        objectName: "stepList"
                        anchors.fill: parent
                        text: "Schritt"
                        wrap: true
                        model: root.stepModel
                        currentIndex: root.position
                        comboBox.delegate: stepDelegate_

                        onActivated: root.showEntry(index)

                        // A new model resets the box's index behind the binding.
                        Connections {
                            target: stepList_.comboBox
                            function onModelChanged() {
                                stepList_.currentIndex = Qt.binding(function() { return root.position })
                            }
                        }
                    }
                }

                HelpFrame {
                    helpTitle: Help.autoRecipeListTitle
                    helpText: Help.autoRecipeListText
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: root.stepBoxWidth_
                    // As much of the name as the step and action boxes leave
                    // room for: a long name from outside is cut.
                    Layout.minimumWidth: Math.min(root.recipeBoxWidth_,
                                                  Math.max(0, boxRow_.width - root.stepBoxWidth_
                                                              - actionFrame_.Layout.minimumWidth
                                                              - 2 * boxRow_.spacing))

                    MySelectionList {
                        id: recipeList_

                        objectName: "recipeList"
                        anchors.fill: parent
                        text: "Rezept"
                        wrap: true
                        model: root.recipeNames
                        showsHeld: true
                        heldIndex: root.recipeNames.indexOf(root.recipe.name)
                        comboBox.displayText: root.recipe.name
                        comboBox.delegate: recipeDelegate_
                        enabled: !root.running && !root.recoveryChosen

                        onActivated: Recipes.toPy(root.line === 1 ? Recipes.SetAuto1Name : Recipes.SetAuto2Name,
                                                  root.recipeNames[index])
                    }
                }

                HelpFrame {
                    id: actionFrame_

                    helpTitle: Help.autoActionListTitle
                    helpText: Help.autoActionListText
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: root.stepBoxWidth_
                    // The start button's text whole.
                    Layout.minimumWidth: startStop_.implicitWidth + 2 * Common.spacing

                    MyRectColLayout {
                        anchors.fill: parent

                        Label {
                            text: "Aktion"
                            color: Common.fg1
                            Layout.fillWidth: true
                        }
                        StartStopButton {
                            id: startStop_

                            line: root.line
                            pageEnum: root.pageEnum
                            startIndex: root.startIndex
                            Layout.fillWidth: true
                        }
                    }
                }
            }

            SwipeView {
                id: stepView_

                objectName: "stepView"
                interactive: false
                clip: true
                currentIndex: root.viewIndex_(root.position)
                Layout.fillWidth: true
                Layout.fillHeight: !root.narrow
                // Below the scheme's area on a narrow page: as high as the
                // screen shown, at least most of the page.
                Layout.preferredHeight: root.narrow
                                        ? Math.max(flick_.height * 0.8,
                                                   currentItem ? currentItem.implicitHeight : 0)
                                        : -1

                Repeater {
                    model: root.screens.length

                    // The displayed screen, once its page is on screen or its
                    // line runs (a running step's screen follows the plant).
                    LazyLoader {
                        wanted: SwipeView.isCurrentItem && (root.isCurrent || root.running)
                        visible: SwipeView.isCurrentItem
                        source: root.screens[index]
                    }
                }
            }
        }

        SchemeArea {
            id: scheme_

            objectName: "schemeArea"
            forms: root.forms_
            shown: root.isCurrent
            fitHeight: !root.narrow
            x: root.narrow ? Common.spacing : flick_.width - width - Common.spacing
            y: root.narrow ? stepsColumn_.y + stepsColumn_.height + Common.spacing : Common.spacing
            width: root.narrow ? flick_.width - 2 * Common.spacing - pageBar_.width
                               : Math.min(implicitWidth, flick_.width / 2)
            height: root.narrow ? implicitHeight : flick_.height - 2 * Common.spacing
        }
    }

    PreparePopup {
        id: prepare_

        model: root.stepModel
        selected: root.position
        delegate: stepDelegate_

        onStepChosen: root.showEntry(index)
        onAccepted: root.start_()
    }
}
