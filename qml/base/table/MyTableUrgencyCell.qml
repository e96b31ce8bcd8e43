import QtQuick 2.15
import tavell.shell 1.0

// Urgency of an upgradable package in German, in the Shell's colour for it.
MyTableTextCell {
    id: root

    readonly property string urgency: value === undefined || value === null ? "" : String(value)

    label.text: urgency === "low" ? "Niedrig" : urgency === "medium" ? "Mittel" : urgency === "high" ? "Hoch"
                                                                                                    : urgency
    label.color: urgency === "low" ? Shell.colorUrgencyLow
                                   : urgency === "medium" ? Shell.colorUrgencyMedium
                                                          : urgency === "high" ? Shell.colorUrgencyHigh
                                                                               : Shell.colorUrgencyOther
}
