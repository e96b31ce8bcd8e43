pragma Singleton
import QtQuick 2.15
import tavell.auto 1.0
import tavell.values 1.0

// What the automatic-sequence screens derive from Auto_ and Values: step names,
// whether a line runs, the cooking line's state and the drive frequencies that
// apply now (the sequence's temporary value while a line runs, else the setting).
QtObject {
    readonly property string nameStep1Fuellen: "Füllen"
    readonly property string nameStep2Einmaischen: "Einmaischen"
    readonly property string nameStep3Rasten: "Rasten"
    readonly property string nameStep4Abmaischen: "Abmaischen"
    readonly property string nameStep5Laeutern: "Läutern"
    readonly property string nameStep6Heizen: "Heizphase Kochen"
    readonly property string nameStep7Kochen: "Kochen"

    readonly property bool active: Auto_.activeA || Auto_.activeB
    readonly property bool activeX: Common.isSpecial ? Auto_.activeB : Auto_.activeA
    readonly property int stepX: Common.isSpecial ? Auto_.stepB : Auto_.stepA

    readonly property int freqPump1AutoHand: active
        ? (Auto_.useLauterPumpFreq ? Auto_.fuFreqSpPumpLautern : Auto_.fuFreqSpPump1)
        : (Auto_.useLauterPumpFreq ? Values.fuFreqSpPumpLautern : Values.fuFreqSpPump1)
    readonly property int freqPump2AutoHand: active ? Auto_.fuFreqSpPump2 : Values.fuFreqSpPump2
    readonly property int freqRw1AutoHand: active ? Auto_.fuFreqSpRw1 : Values.fuFreqSpRw1
    readonly property int freqRw2AutoHand: active ? Auto_.fuFreqSpRw2 : Values.fuFreqSpRw2
}
