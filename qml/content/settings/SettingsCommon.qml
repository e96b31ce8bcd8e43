import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.gui 1.0
import tavell.values 1.0
import "../../singletons"
import "../../base"

// General tab ("Allgemein"): drive frequencies and the start values of the
// automatic sequence. Every change goes to the controller; the boxes show a
// new value once the controller has stored it in Values.
MyGradientFlickContainer {
    id: root

    objectName: "tabGeneral"

    SettingsSpinRow {
        objectName: "rowFreqRw1"
        text: Help.settingsFreqRw1Title
        helpText: Help.settingsFreqRwText
        boxEnabled: Gui.controlsEnabled && Values.fuRw1Ok
        value: Values.fuFreqSpRw1
        from: Values.fuFreqSpRw1Min
        to: Values.fuFreqSpRw1Max
        code: Values.FuFreqSpRw1
    }

    SettingsSpinRow {
        objectName: "rowFreqRw2"
        visible: Common.isSpecial
        text: Help.settingsFreqRw2Title
        helpText: Help.settingsFreqRwText
        boxEnabled: Gui.controlsEnabled && Values.fuRw2Ok
        value: Values.fuFreqSpRw2
        from: Values.fuFreqSpRw2Min
        to: Values.fuFreqSpRw2Max
        code: Values.FuFreqSpRw2
    }

    SettingsSpinRow {
        objectName: "rowFreqPump1"
        text: Help.settingsFreqPump1Title
        helpText: Help.settingsFreqPump1Text
        boxEnabled: Gui.controlsEnabled && Values.fuPump1Ok
        value: Values.fuFreqSpPump1
        from: Values.fuFreqSpPump1Min
        to: Values.fuFreqSpPump1Max
        code: Values.FuFreqSpPump1
    }

    SettingsSpinRow {
        objectName: "rowFreqPump2"
        visible: Common.isSpecial
        text: Help.settingsFreqPump2Title
        helpText: Help.settingsFreqPump2Text
        boxEnabled: Gui.controlsEnabled && Values.fuPump2Ok
        value: Values.fuFreqSpPump2
        from: Values.fuFreqSpPump2Min
        to: Values.fuFreqSpPump2Max
        code: Values.FuFreqSpPump2
    }

    // The lautering pump is pump 1 and has its bounds.
    SettingsSpinRow {
        objectName: "rowFreqLauter"
        text: Help.settingsFreqLauterTitle
        helpText: Help.settingsFreqLauterText
        boxEnabled: Gui.controlsEnabled && Values.fuPump1Ok
        value: Values.fuFreqSpPumpLautern
        from: Values.fuFreqSpPump1Min
        to: Values.fuFreqSpPump1Max
        code: Values.FuFreqSpPumpLautern
    }

    SettingsSpinRow {
        objectName: "rowCookingStartTemp"
        text: "Starttemperatur Rast Kochen (°C)"
        helpTitle: Help.settingsCookingStartTempTitle
        helpText: Help.settingsCookingStartTempText
        boxEnabled: Gui.controlsEnabled
        value: Values.cookingStartTemp
        from: Values.cookingStartTempMin
        to: Values.cookingStartTempMax
        code: Values.CookingStartTemp
    }

    HelpFrame {
        objectName: "rowKondensator"
        helpTitle: Help.settingsAutoKondensatorTitle
        helpText: Help.settingsAutoKondensatorText
        Layout.fillWidth: true

        MyRectColLayout {
            anchors.fill: parent
            spacing: 0
            padding: 0

            MySpinBox {
                objectName: "spinKondensatorStartTemp"
                text: "Starttemperatur Kondensator (°C)"
                enabled: Gui.controlsEnabled
                value: Values.kondensatorStartTemp
                from: Values.kondensatorStartTempMin
                to: Values.kondensatorStartTempMax
                Layout.fillWidth: true

                onModified: Values.toPy(Values.KondensatorStartTemp, val)
            }

            // A click asks the controller to toggle.
            StateCheckBox {
                objectName: "checkAutoKondensator"
                text: "Kondensator im Automatikbetrieb (" + AutoExt.nameStep6Heizen + ", "
                      + AutoExt.nameStep7Kochen + ") automatisch schalten"
                enabled: Gui.controlsEnabled
                held: Values.autoKondensator
                Layout.fillWidth: true

                onRequested: Values.toPy(Values.AutoKondensator, null)
            }
        }
    }

    HelpFrame {
        objectName: "rowWhirlpool"
        helpTitle: Help.settingsAutoWhirlpoolTitle
        helpText: Help.settingsAutoWhirlpoolText
        Layout.fillWidth: true

        MyRectColLayout {
            anchors.fill: parent
            spacing: 0
            padding: 0

            // Sends the state the operator asks for, and every change the
            // controller makes on its own back once.
            StateCheckBox {
                objectName: "checkWhirlpool"
                text: "Auto-Whirlpool " + (Values.whirlpoolEnabled ? "akiviert" : "deaktiviert")
                enabled: Gui.controlsEnabled
                held: Values.whirlpoolEnabled
                sendsChanges: true
                Layout.fillWidth: true

                onRequested: Values.toPy(Values.WhirlpoolEnabled, wanted)
            }

            MySpinBox {
                objectName: "spinWhirlpoolMinFreq"
                text: "Mindestfrequenz Rührwerk (Hz)"
                enabled: Gui.controlsEnabled && Values.whirlpoolEnabled
                value: Values.whirlpoolMinFreq
                from: Values.whirlpoolMinFreqMin
                to: Values.whirlpoolMinFreqMax
                Layout.fillWidth: true

                onModified: Values.toPy(Values.WhirlpoolMinFreq, val)
            }

            MySpinBox {
                objectName: "spinWhirlpoolSeconds"
                text: "Dauer (Sekunden)"
                enabled: Gui.controlsEnabled && Values.whirlpoolEnabled
                value: Values.whirlpoolSeconds
                from: Values.whirlpoolSecondsMin
                to: Values.whirlpoolSecondsMax
                Layout.fillWidth: true

                onModified: Values.toPy(Values.WhirlpoolSeconds, val)
            }
        }
    }
}
