import QtQuick 2.15
import "../../base"

// Help area over a drawn non-return valve; it has nothing to operate.
HelpFrame {
    width: 50
    height: 50
    helpTitle: "Rückschlagventil"
    helpText: "Dies ist ein Rückschlagventil. Es hat keine steuerbare Funktion. "
              + "Es sperrt den Durchfluss in eine Richtung. "
              + "Die Durchflussrichtung geht von der 'spitzen Seite' zur 'Kugel'."
}
