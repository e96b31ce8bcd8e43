pragma Singleton
import QtQuick 2.15

// Texts of the recipe page: the help of its blocks and the quoting of recipe
// names inside dialog texts.
QtObject {
    id: root

    readonly property string hint1: "<br>Eine Änderung wirkt sich nicht auf einen laufenden "
                                    + "Automatikbetrieb aus."

    // A recipe name inside a dialog's rich text: escaped, and inside a tag so
    // that a text of automatic format is read as rich text too.
    function quoted(name) {
        return "'<span>" + Dialogs.escapeHtml(name) + "</span>'"
    }

    // Kinds of a hop timer.
    readonly property string kindTime: "Zeit in Minuten"
    readonly property string kindFirstWort: "Vorderwürze"
    readonly property string kindWhirlpool: "Whirlpool"

    readonly property string selectionTitle: "Rezeptauswahl/-aktionen"
    readonly property string selectionText:
        "Hier wird das Rezept gewählt, das auf dieser Seite bearbeitet wird. Über das Menü kann ein Rezept "
        + "kopiert, umbenannt, gelöscht oder neu erstellt werden.<br>Beim Start der Automatik werden die Daten "
        + "des dort gewählten Rezepts übernommen; spätere Änderungen wirken sich erst beim nächsten Start aus."

    readonly property string hauptgussTitle: "Hauptguss"
    readonly property string hauptgussText:
        "Im Schritt 1 (" + AutoExt.nameStep1Fuellen + ") wird die eingestellte Wassermenge in "
        + Common.nameKessel1WithArticle + " gefüllt." + hint1

    readonly property string hauptgussTempTitle: "Hauptguss-Temperatur"
    readonly property string hauptgussTempText:
        "Mit dieser Temperatur wird der Hauptguss im Schritt 1 (" + AutoExt.nameStep1Fuellen + ") eingefüllt. "
        + "Ein Wert unter der Einmaischtemperatur spart heißes Wasser, danach muss jedoch aufgeheizt werden."
        + hint1

    readonly property string wasserTitle: "Wasseraufbereitung"
    readonly property string wasserText:
        "Die Anmerkungen zur Wasseraufbereitung werden im Schritt 1 (" + AutoExt.nameStep1Fuellen
        + ") der Automatik angezeigt." + hint1

    readonly property string malzTitle: "Malzschüttung"
    readonly property string malzText:
        "Die Anmerkungen zur Malzschüttung werden im Schritt 2 (" + AutoExt.nameStep2Einmaischen
        + ") der Automatik angezeigt." + hint1

    readonly property string einmaischTitle: "Einmaischtemparatur"
    readonly property string einmaischText:
        "Schritt 1 (" + AutoExt.nameStep1Fuellen + ") versucht, die Hauptguss-Temperatur durch Mischen von "
        + "heißem und kaltem Wasser zu erreichen. Falls nötig, wird danach bis zur Einmaischtemperatur "
        + "aufgeheizt." + hint1

    readonly property string rastenTitle: "Rasten"
    readonly property string rastenText:
        "Anzahl der Rasten sowie Temperatur und Dauer jeder Rast." + hint1

    readonly property string lauternTitle: "Läutertemperatur und -ruhe"
    readonly property string lauternText:
        "Nach der letzten Rast wird die Maische auf diese Temperatur aufgeheizt. Ab dem Abmaischen wird die "
        + "Läuterruhe abgewartet, danach kann das Läutern beginnen." + hint1

    readonly property string nachgussTitle: "Nachguss"
    readonly property string nachgussText:
        "Anzahl und Menge der Nachgüsse können während des Läuterns angepasst werden, ohne das Rezept zu "
        + "ändern. Jeder Nachguss lässt die eingestellte Menge heißen Wassers in den Läuterbottich; er wird "
        + "von Hand gestartet und kann unterbrochen werden." + hint1

    readonly property string hopfenTitle: "Hopfentimer"
    readonly property string hopfenText:
        "Ein Hopfentimer erinnert an eine Hopfengabe. Arten:<br>"
        + "<i><b>Vorderwürze:</b></i> nur der erste Timer, Erinnerung während des Läuterns<br>"
        + "<i><b>Zeit in Minuten:</b></i> Zeit vor dem Ende des Kochens, Countdown während des Kochens<br>"
        + "<i><b>Whirlpool:</b></i> nur der letzte Timer, Countdown bis zum Ende des Kochens" + hint1

    readonly property string stammwuerzeTitle: "Stammwürzemessung"
    readonly property string stammwuerzeText:
        "Das Eingabefeld für die Messung der Stammwürze der Pfannevollwürze kann während der Automatik "
        + "ausgeblendet werden." + hint1

    readonly property string kochzeitTitle: "Kochzeit"
    readonly property string kochzeitText:
        "Nach dem Aufheizen auf die Kochbeginn-Temperatur der Einstellungen wird so lange gekocht, entweder "
        + "mit 1/" + Common.cookingHeatZoneCount + " der Heizleistung oder mit der eingestellten relativen "
        + "Kochleistung." + hint1

    readonly property string kochleistungTitle: "relative Kochleistung"
    readonly property string kochleistungText:
        "Ist das Häkchen gesetzt, wird mit der eingestellten Leistung relativ zur Gesamtleistung der Anlage "
        + "gekocht, sonst mit 1/" + Common.cookingHeatZoneCount + " davon."

    readonly property string generalTitle: "Allgemeine Anmerkungen"
    readonly property string generalText: "Platz für Anmerkungen, die in kein anderes Feld passen."
}
