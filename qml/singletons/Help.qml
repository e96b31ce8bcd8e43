pragma Singleton
import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import tavell.values 1.0

// Help mode and the help texts the screens show in it. Texts are rich text;
// those naming kettles or zones follow the plant layout.
QtObject {
    id: root

    property bool requested: false
    property int missCount: 0

    onRequestedChanged: if (requested) missCount = 0

    // Look of help frames and highlights while help mode is on.
    readonly property color frameColor: Common.colorHelp
    readonly property color frameBackground: Common.colorHelpBackground
    readonly property int frameWidth: 5

    readonly property bool isSpecial_: Common.isSpecial

    // ---- recipe ----
    readonly property string recipeTitleHopfengabe: "Hopfengaben"
    readonly property string recipeTextHopfengabe:
        "Für jede Hopfengabe wird die Zeit in Minuten angegeben, die sie vor dem Ende des Kochens "
        + "zugegeben wird. Ist die Zeit erreicht, fordert die Automatik zur Hopfengabe auf.<br>"
        + "Eine Zeit von 0 deaktiviert die jeweilige Hopfengabe."

    // ---- plant scheme ----
    readonly property string schemeBtnValveTitle: "Button Ventil"
    readonly property string schemeBtnValveText:
        "Mit diesem Button wird das Ventil geöffnet bzw. geschlossen.<br>"
        + "<i><b>Grün:</b></i> Ventil offen<br>"
        + "<i><b>Rot:</b></i> Ventil gesperrt (während der Automatik, solange der Handbetrieb nicht freigegeben ist)"

    // Zone position words; zone 2 and 3 depend on how many zones the kettle has.
    function heatZonePosition(zone) {
        switch (zone) {
        case 1: return "unterste"
        case 2: return Values.heatZoneCount > 3 ? "zweite (von unten)" : "mittlere"
        case 3: return Values.heatZoneCount > 3 ? "dritte (von unten)" : "oberste"
        case 4: return "oberste"
        }
        return ""
    }

    // kettle: 0 plant with one kettle, 1 mash kettle, 2 wort kettle.
    function heatZoneText(zone, kettle) {
        const name = kettle === 1 ? "der " + Common.nameKessel1 + " "
                   : kettle === 2 ? "der " + Common.nameKessel2 + " " : ""
        return "Mit diesem Button kann die %1 Heizzone %2für das automatische Heizen freigegeben/gesperrt werden. "
                .arg(heatZonePosition(zone)).arg(name)
                + "Ein manuelles Schalten der Heizone ist hiermit nicht möglich.<br>"
                + "<i><b>Grün:</b></i> Heizzone aktiv<br>"
                + "<i><b>Gelb:</b></i> Heizzone freigegeben aber inaktiv<br>"
                + "<i><b>Grau:</b></i> Heizzone gesperrt<br>"
                + "<i><b>Rot:</b></i> Störung (Übertemperatur, Sensor nicht erkannt, ...)"
    }

    readonly property var schemeBtnHeatTitles: [1, 2, 3, 4].map(function(z) { return "Button Heizzone %1".arg(z) })
    // Rows: no kettle name, mash kettle, wort kettle; columns: zones 1 to 4.
    readonly property var schemeBtnHeatAll: [0, 1, 2].map(function(kettle) {
        return [1, 2, 3, 4].map(function(zone) { return heatZoneText(zone, kettle) })
    })

    readonly property string pump1Suffix_: isSpecial_ ? " 1" : ""
    readonly property string schemeBtnPump1StopTitle: "Button Pumpe%1 Stop".arg(pump1Suffix_)
    readonly property string schemeBtnPump1ForwardTitle: "Button Pumpe%1 vorwärts".arg(pump1Suffix_)
    readonly property string schemeBtnPump1BackwardTitle: "Button Pumpe%1 rückwärts".arg(pump1Suffix_)
    readonly property string schemeBtnPump2StopTitle: "Button Pumpe%1 Stop".arg(" 2")
    readonly property string schemeBtnPump2ForwardTitle: "Button Pumpe%1 vorwärts".arg(" 2")
    readonly property string schemeBtnPump2BackwardTitle: "Button Pumpe%1 rückwärts".arg(" 2")
    readonly property string schemeBtnPumpStopText:
        "Mit diesem Button wird die Pumpe angehalten.<br><i><b>Grün:</b></i> Pumpe läuft"
    readonly property string schemeBtnPumpForwardText:
        "Mit diesem Button wird die Pumpe vorwärts ein- bzw. ausgeschaltet.<br>"
        + "<i><b>Grün:</b></i> Pumpe läuft vorwärts<br>"
        + "<i><b>Rot:</b></i> Richtung gesperrt"
    readonly property string schemeBtnPumpBackwardText:
        "Mit diesem Button wird die Pumpe rückwärts ein- bzw. ausgeschaltet.<br>"
        + "<i><b>Grün:</b></i> Pumpe läuft rückwärts<br>"
        + "<i><b>Rot:</b></i> Richtung gesperrt"

    readonly property string schemeBtnRwTitleNormal: "Button Rührwerk"
    readonly property string schemeBtnRw1TitleX2: "Button Rührwerk 1"
    readonly property string schemeBtnRw2TitleX2: "Button Rührwerk 2"
    function stirrerText(kettleName) {
        return "Mit diesem Button wird das Rührwerk der %1 ein- bzw. ausgeschaltet.<br>".arg(kettleName)
                + "<i><b>Grün:</b></i> Rührwerk läuft<br><i><b>Rot:</b></i> Rührwerk gesperrt"
    }
    readonly property string schemeBtnRwTextNormal: stirrerText(Common.nameKesselStd)
    readonly property string schemeBtnRw1TextX2: stirrerText(Common.nameKessel1)
    readonly property string schemeBtnRw2TextX2: stirrerText(Common.nameKessel2)

    readonly property string schemeBtnHandTitle: "Button Handbetrieb"
    readonly property string schemeBtnHandText:
        "Während die Automatik läuft, sind die von ihr benutzten Ausgänge gesperrt. "
        + "Mit diesem Button wird der Handbetrieb freigegeben bzw. wieder gesperrt.<br>"
        + "<i><b>Orange (pulsierend):</b></i> Handbetrieb freigegeben"

    readonly property string schemeFreqPumpTitleNormal: "Frequenz Pumpe"
    readonly property string schemeFreqPump1TitleX2: "Frequenz Pumpe 1"
    readonly property string schemeFreqPump2TitleX2: "Frequenz Pumpe 2"
    readonly property string schemeFreqPumpText:
        "Frequenz der Pumpe in Hz. Eine höhere Frequenz ergibt eine höhere Förderleistung. "
        + "Während der Automatik gilt die Änderung nur für den laufenden Brauprozess."
    readonly property string schemeFreqRwTitleNormal: "Frequenz Rührwerk"
    readonly property string schemeFreqRw1TitleX2: "Frequenz Rührwerk 1"
    readonly property string schemeFreqRw2TitleX2: "Frequenz Rührwerk 2"
    readonly property string schemeFreqRwText:
        "Frequenz des Rührwerks in Hz. Eine höhere Frequenz ergibt eine höhere Drehzahl. "
        + "Während der Automatik gilt die Änderung nur für den laufenden Brauprozess."

    readonly property string schemeWaterMeterTitle: "Wasserzähler"
    readonly property string schemeWaterMeterTextNormal:
        "Zeigt die Wassermenge in Litern, die seit dem letzten Zurücksetzen in die "
        + Common.nameKesselStd + " geflossen ist.<br>Langes Drücken (2 Sekunden) setzt den Zähler auf 0 zurück."
    readonly property string schemeWaterMeterTextX2:
        "Zeigt die Wassermenge in Litern, die seit dem letzten Zurücksetzen in "
        + Common.nameKessel1WithArticle + " und " + Common.nameKessel2WithArticle + " geflossen ist.<br>"
        + "Langes Drücken (2 Sekunden) setzt den Zähler auf 0 zurück."

    // ---- automatic sequence ----
    readonly property string autoStepListTitle: "Schritt"
    readonly property string autoStepListText:
        "Auswahl des Schritts, der unten angezeigt wird und mit dem die Automatik startet. "
        + "Der laufende Schritt ist in der Liste hervorgehoben.<br>"
        + "<i>Recovery</i> setzt einen abgebrochenen Brauprozess fort."
    readonly property string autoRecipeListTitle: "Rezept"
    readonly property string autoRecipeListText:
        "Auswahl des Rezepts für den Brauprozess. Während die Automatik läuft, kann das Rezept "
        + "nicht gewechselt werden."
    readonly property string autoActionListTitle: "Aktion"
    readonly property string autoActionListText:
        "Gedrückt halten startet die Automatik mit dem gewählten Schritt bzw. bricht die laufende "
        + "Automatik ab.<br><i>Abschließen</i> bestätigt das Ende des Brauprozesses."

    // ---- simulator ----
    readonly property string simulatorButtonTitle: "Button Simulator"
    readonly property string simulatorButtonText:
        "Dieser Button holt das Fenster zur Simulatorsteuerung nach vorne, bzw. öffnet es, falls es geschlossen war. "
        + "Er ist nur im Simulator verfügbar und wird auf der 'echten Anlage' nicht dargestellt."

    // ---- settings ----
    readonly property string settingsFreqLauterTitle: "Frequenz Pumpe" + pump1Suffix_ + " - Läutern"
    readonly property string settingsFreqLauterText:
        "Frequenz der Pumpe in Hz während des Läuterns. Sie gilt als Vorgabe für jeden neuen Brauprozess."
    readonly property string settingsFreqRw1Title: isSpecial_ ? "Frequenz Rührwerk 1" : "Frequenz Rührwerk"
    readonly property string settingsFreqRw2Title: "Frequenz Rührwerk 2"
    readonly property string settingsFreqRwText:
        "Frequenz des Rührwerks in Hz während der Automatik. Sie gilt als Vorgabe für jeden neuen Brauprozess."
    readonly property string settingsFreqPump1Title: "Frequenz Pumpe" + pump1Suffix_ + " - Allgemein"
    readonly property string settingsFreqPump1Text:
        "Frequenz der Pumpe" + (isSpecial_ ? " der " + Common.nameKessel1 : "")
        + " in Hz während der Automatik (außer beim Läutern). Sie gilt als Vorgabe für jeden neuen Brauprozess."
    readonly property string settingsFreqPump2Title: "Frequenz Pumpe 2 - Allgemein"
    readonly property string settingsFreqPump2Text:
        "Frequenz der Pumpe der " + Common.nameKessel2
        + " in Hz während der Automatik. Sie gilt als Vorgabe für jeden neuen Brauprozess."
    readonly property string settingsAutoWhirlpoolTitle: "Whirlpool"
    readonly property string settingsAutoWhirlpoolText:
        "Ist diese Option aktiviert, bietet die Automatik nach dem Kochen einen Whirlpool an, "
        + "in dem die Pumpe den Sud im Kreis fördert, damit sich Trub in der Mitte absetzt."
    readonly property string settingsCookingStartTempTitle: "Starttemperatur Kochen"
    readonly property string settingsCookingStartTempText:
        "Im Brauprozess beginnt der Schritt <i>" + AutoExt.nameStep7Kochen + "</i>, wenn nach dem "
        + "Läutern diese Temperatur erreicht wurde. Eine Änderung dieses Wertes während einer "
        + "laufenden Automatik wirkt sich nicht auf diese aus, da der Wert nur zum Start "
        + "des Brauprozesses übernommen wird."
    readonly property string settingsAutoKondensatorTitle: "Auto-Kondensator"
    readonly property string settingsAutoKondensatorText:
        "Wenn die Option <i>Kondensator automatisch schalten</i> aktiviert ist, wird "
        + "der Dampfkondensator im Automatikbetrieb automatisch bei erreichen der "
        + "<i>Starttemperatur</i> aktiviert. Damit soll ein Überkochen des Sudes möglichst "
        + "vermieden werden, <b>jedoch kann dieser Fall - speziell bei Hopfengabe - "
        + "nicht ausgeschlossen werden.</b><br>Das Ändern dieser Einstellung wirkt sich auch "
        + "auf einen laufenden Automatikbetrieb aus."
    readonly property string settingsKesselSensorText: "Diese Einstellung wird durch die Firma Tavell vorgenommen."
    readonly property string settingsTicksPerLiterTitle: "Ticks / Liter"
    readonly property string settingsTicksPerLiterText:
        "Diese Einstellung sollte nicht verändert werden, da sie von dem verbauten "
        + "Durchflusszähler abhängig ist.<br>Dieser Wert lässt sich während eines "
        + "Automatikbetriebes nicht ändern, da das undefiniertes Verhalten der Regelung "
        + "mit sich bringen würde."
}
