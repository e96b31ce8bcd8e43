import QtQuick 2.15
import tavell.actuator 1.0
import tavell.auto 1.0
import tavell.values 1.0
import "../../singletons"
import "SchemeForms.js" as Forms

// One of the four forms of the plant scheme: "1x" (one kettle), "2x-left"
// (left part of the two-kettle plant), "2x" (two kettles) and "2x-right"
// (its right part). 1000 high and as wide as its picture; the controls sit
// on the drawn elements they operate, placed by their top-left corner in
// picture pixels (a third number 90 turns a valve).
Item {
    id: root

    property string form: "1x"

    readonly property int formIndex: Forms.index(form)
    readonly property bool hasLineA: formIndex < 3
    readonly property bool hasLineB: formIndex >= 2
    readonly property string pictureStem: Forms.pictureStems[formIndex]
    readonly property alias picture: picture_

    // Positions per form, in the order "1x", "2x-left", "2x", "2x-right";
    // null where the form has no such element.
    readonly property var valvePositions: ({
        svSkCip: [[55, 433], [45, 433], [43, 433], null],
        svFkCip: [[55, 572], [45, 572], [43, 572], null],
        svSkIn: [[55, 502], [45, 502], [43, 502], null],
        svWuerze: [[55, 641], [45, 641], [43, 641], null],
        svKanal: [[55, 711], [45, 711], [43, 711], null],
        mvHauptguss: [[357, 502], [347, 502], [345, 502], null],
        mvNachguss: [[357, 572], [347, 572], [345, 572], null],
        svSkOut: [[277, 625, 90], [267, 625, 90], [265, 625, 90], null],
        mvWaterHot: [[478, 572], [468, 572], [809, 641], [358, 641]],
        mvWaterCold: [[478, 641], [468, 641], [809, 710], [358, 710]],
        mvRecycle: [[478, 710], [468, 711], [809, 780], [358, 780]],
        mvKanal: [[522, 794, 90], [511, 794, 90], [809, 849], [358, 849]],
        mvSkCip: [[55, 162, 90], [45, 162, 90], [43, 162, 90], null],
        mvKondensator: [[521, 162, 90], null, [919, 162, 90], [469, 162, 90]],
        svKkKanal: [null, null, [559, 711], [108, 711]],
        svKkCooler: [null, null, [559, 641], [108, 641]],
        svKkCip: [null, null, [500, 502, 90], [49, 502, 90]],
        mvKkCip: [null, null, [454, 162, 90], [2, 162, 90]]
    })
    // Left edge of the zone buttons and their tops from zone 1 (bottom) up.
    readonly property var heatZonesA: [[177, [431, 372, 313, 253]], [167, [428, 369, 310, 250]],
                                       [165, [428, 369, 310, 250]], null]
    readonly property var heatZonesB: [null, null, [575, [428, 369, 310, 250]], [124, [428, 369, 310, 250]]]
    // Forward, stop and backward button of each pump.
    readonly property var pump1: [[[71, 936], [145, 897], [220, 936]], [[61, 936], [135, 897], [210, 936]],
                                  [[59, 936], [133, 897], [208, 936]], null]
    readonly property var pump2: [null, null, [[507, 936], [588, 897], [662, 936]],
                                  [[63, 936], [137, 897], [211, 936]]]
    readonly property var waterCounter: [[475, 502], [465, 501], [806, 571], [354, 568]]
    readonly property var checkValves: [
        [[216, 575], [306, 505], [84, 91], [525, 860], [563, 644], [563, 713], [563, 576]],
        [[206, 575], [296, 505], [74, 91], [515, 860], [546, 644], [546, 714], [546, 576]],
        [[204, 575], [294, 505], [72, 91], [894, 644], [894, 713], [894, 783], [746, 897], [482, 91]],
        [[31, 91], [295, 897], [444, 713], [444, 782], [444, 645]]
    ]
    // Horizontal centre of the kettle temperatures (and the stirrer boxes
    // above them) of line A and B.
    readonly property var kettleCentreA: [305, 295, 293, null]
    readonly property var kettleCentreB: [null, null, 703, 252]

    readonly property var valveList_: Object.keys(valvePositions).filter(function(name) {
        return valvePositions[name][formIndex] !== null
    })
    readonly property real stirrerBoxY_: 10
    readonly property real kettleTempCentreY_: stirrerBoxY_ + rw1Box_.height / 2 + 165

    // Known before the picture, which is decoded in the background.
    implicitHeight: Forms.height
    implicitWidth: Forms.widths[formIndex]
    height: Forms.height

    Image {
        id: picture_

        objectName: "picture"
        asynchronous: true
        source: "qrc:/img/" + root.pictureStem + (Common.isDarkTheme ? "dark" : "light") + ".png"
        fillMode: Image.Pad
    }

    Repeater {
        model: root.valveList_

        SchemeValve {
            readonly property var pos_: root.valvePositions[modelData][root.formIndex]

            objectName: "valve_" + modelData
            output: Actuator[modelData]
            x: pos_[0]
            y: pos_[1]
            turned: pos_.length > 2 && pos_[2] === 90
        }
    }

    Repeater {
        model: root.hasLineA ? 4 : 0

        SchemeHeatZone {
            objectName: "heatZoneA" + (index + 1)
            line: 0
            index: model.index
            kettle: root.formIndex === 0 || !Common.isSpecial ? 0 : 1
            x: root.heatZonesA[root.formIndex][0]
            y: root.heatZonesA[root.formIndex][1][index]
        }
    }

    Repeater {
        model: root.hasLineB ? 4 : 0

        SchemeHeatZone {
            objectName: "heatZoneB" + (index + 1)
            line: 1
            index: model.index
            kettle: 2
            x: root.heatZonesB[root.formIndex][0]
            y: root.heatZonesB[root.formIndex][1][index]
        }
    }

    SchemePump {
        objectName: "pump1"
        visible: root.hasLineA
        drive: Actuator.fuPump1
        positions: root.pump1[root.formIndex]
        remoteCapable: !Common.isSpecial
        helpTitles: [Help.schemeBtnPump1ForwardTitle, Help.schemeBtnPump1StopTitle, Help.schemeBtnPump1BackwardTitle]
        freqFrom: Values.fuFreqSpPump1Min
        freqTo: Values.fuFreqSpPump1Max
        freq: AutoExt.freqPump1AutoHand
        freqHelpTitle: Common.isSpecial ? Help.schemeFreqPump1TitleX2 : Help.schemeFreqPumpTitleNormal

        onFreqModified: AutoHandManager.setFuFreqPump1(value)
    }

    SchemePump {
        objectName: "pump2"
        visible: root.hasLineB
        drive: Actuator.fuPump2
        positions: root.pump2[root.formIndex]
        remoteCapable: Common.isSpecial
        helpTitles: [Help.schemeBtnPump2ForwardTitle, Help.schemeBtnPump2StopTitle, Help.schemeBtnPump2BackwardTitle]
        freqFrom: Values.fuFreqSpPump2Min
        freqTo: Values.fuFreqSpPump2Max
        freq: AutoExt.freqPump2AutoHand
        freqHelpTitle: Help.schemeFreqPump2TitleX2

        onFreqModified: AutoHandManager.setFuFreqPump2(value)
    }

    SchemeFreqBox {
        id: rw1Box_

        objectName: "freqRw1"
        visible: root.hasLineA
        x: (root.hasLineA ? root.kettleCentreA[root.formIndex] : 0) - width / 2
        y: root.stirrerBoxY_
        from: Values.fuFreqSpRw1Min
        to: Values.fuFreqSpRw1Max
        value: AutoExt.freqRw1AutoHand
        toolTipText: Actuator.fuRw1.name + " Frequenz"
        helpTitle: Common.isSpecial ? Help.schemeFreqRw1TitleX2 : Help.schemeFreqRwTitleNormal
        helpText: Help.schemeFreqRwText

        onModified: AutoHandManager.setFuFreqRw1(value)
    }

    SchemeDriveButton {
        objectName: "stirrer1"
        visible: root.hasLineA
        kind: SchemeDriveButton.Stirrer
        drive: Actuator.fuRw1
        x: rw1Box_.x + rw1Box_.width + 10
        y: rw1Box_.y + (rw1Box_.height - height) / 2
        helpTitle: Common.isSpecial ? Help.schemeBtnRw1TitleX2 : Help.schemeBtnRwTitleNormal
        helpText: Common.isSpecial ? Help.schemeBtnRw1TextX2 : Help.schemeBtnRwTextNormal
    }

    SchemeFreqBox {
        id: rw2Box_

        objectName: "freqRw2"
        visible: root.hasLineB
        x: (root.hasLineB ? root.kettleCentreB[root.formIndex] : 0) - width / 2
        y: root.stirrerBoxY_
        from: Values.fuFreqSpRw2Min
        to: Values.fuFreqSpRw2Max
        value: AutoExt.freqRw2AutoHand
        toolTipText: Actuator.fuRw2.name + " Frequenz"
        helpTitle: Help.schemeFreqRw2TitleX2
        helpText: Help.schemeFreqRwText

        onModified: AutoHandManager.setFuFreqRw2(value)
    }

    SchemeDriveButton {
        objectName: "stirrer2"
        visible: root.hasLineB
        kind: SchemeDriveButton.Stirrer
        drive: Actuator.fuRw2
        x: rw2Box_.x + rw2Box_.width + 10
        y: rw2Box_.y + (rw2Box_.height - height) / 2
        helpTitle: Help.schemeBtnRw2TitleX2
        helpText: Help.schemeBtnRw2TextX2
    }

    SchemeKettleTemp {
        objectName: "kettleTempA"
        visible: root.hasLineA
        temperature: Values.tempKessel
        x: rw1Box_.x + (rw1Box_.width - width) / 2
        y: root.kettleTempCentreY_ - height / 2
    }

    SchemeKettleTemp {
        objectName: "kettleTempB"
        visible: root.hasLineB
        temperature: Values.tempKesselB
        x: rw2Box_.x + (rw2Box_.width - width) / 2
        y: root.kettleTempCentreY_ - height / 2
    }

    SchemeWaterCounter {
        objectName: "waterCounter"
        x: root.waterCounter[root.formIndex][0]
        y: root.waterCounter[root.formIndex][1]
    }

    Repeater {
        model: root.checkValves[root.formIndex]

        SchemeCheckValve {
            objectName: "checkValve" + index
            x: modelData[0]
            y: modelData[1]
        }
    }

    // Shown while a sequence runs: releases or locks hand operation of the
    // outputs the sequence blocks.
    SchemeButton {
        readonly property Item box_: root.formIndex === 3 ? rw2Box_ : rw1Box_

        objectName: "handButton"
        visible: AutoExt.active
        active: Auto_.handEnabled
        pulsing: active
        // Released hand operation matters for safety: the disc pulses
        // between two oranges and the icon reads in every phase.
        colorActive: Common.colorHandReleased
        colorPulseFrom: Common.colorHandReleasedPulse
        iconColor: active ? Common.fgOnHandReleased : Common.fg1
        iconSource: active ? "qrc:/img/unlock.svg" : "qrc:/img/lock.svg"
        toolTipText: "Handbetrieb " + (active ? "sperren" : "freigeben")
        helpTitle: Help.schemeBtnHandTitle
        helpText: Help.schemeBtnHandText
        x: root.formIndex === 1 ? 10 : root.formIndex === 3 ? 18 : root.width - width - 10
        y: box_.y + (box_.height - height) / 2

        onClicked: Auto_.toPy(Auto_.HandEnabled, null)
    }
}
