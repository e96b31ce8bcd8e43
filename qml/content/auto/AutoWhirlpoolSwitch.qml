import QtQuick 2.15
import tavell.auto 1.0
import tavell.values 1.0

// Switches the whirlpool at the end of boiling on or off.
StateSwitch {
    id: root

    objectName: "autoWhirlpoolSwitch"
    text: "Auto-Whirlpool " + (Values.whirlpoolEnabled ? "deaktivieren"
                                                       : `aktivieren (für ${Values.whirlpoolSeconds} Sekunden)`)
    on: Values.whirlpoolEnabled

    onRequested: Values.toPy(Values.WhirlpoolEnabled, !Values.whirlpoolEnabled)
}
