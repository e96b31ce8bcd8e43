# Settings tabs "Allgemein" and "Maschine" on a one-line plant ("4,0") and a
# three-vessel plant ("4,4"), light and dark: settings_general_*,
# settings_general_end_* (scrolled to the end), settings_machine_* and
# settings_machine_list_* (the kettle sensor list open) and
# settings_machine_chosen_* (a long key chosen), settings_machine_help_* (the
# help of the flow-meter row). Sourced by scripts/screenshots.

settings_values_shots() {
    local zones=$1 plant=$2 theme=$3
    local name="${theme}_${plant}"
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "settings_values_$name" 0 "$SOURCE/py"
    [ "$theme" = light ] || dark_theme
    settings_tab 0
    shot "settings_general_$name" "p.find('tabGeneral').item !== null && p.find('tabGeneral').item.flickable.contentY === 0" \
         "der Reiter Allgemein von oben"
    wheel "=p.find('tabGeneral').item.flickable" 15
    shot "settings_general_end_$name" "p.find('tabGeneral').item.flickable.atYEnd" "der Reiter Allgemein bis zum Ende"
    settings_tab 5
    shot "settings_machine_$name" "p.find('tabMachine').item !== null" "der Reiter Maschine"
    press sensorKessel/sensorList/comboBox
    shot "settings_machine_list_$name" "p.find('sensorKessel/sensorList/comboBox').popup.opened" \
         "die Liste der Kesselsensoren ist offen"
    # The third entry, a long sensor key.
    press "=p.entry('sensorKessel/sensorList/comboBox', 2)"
    shot "settings_machine_chosen_$name" "!p.find('sensorKessel/sensorList/comboBox').popup.visible
                                          && p.find('sensorKessel/sensorList/comboBox').currentIndex === 2" \
         "ein langer Sensorschlüssel ist gewählt"
    press menuHelp
    await "p.find('clickCatcher').visible" "der Hilfemodus ist an"
    press rowTicks
    shot "settings_machine_help_$name" "p.openDialogs().length === 1 && p.openDialogs()[0].objectName === 'messageDialog'
                                        && p.find('messageTitle', p.openDialogs()[0]).text.indexOf('Hilfe') === 0" \
         "die Hilfe zum Durchflusszähler"
    stop_program
}

settings_values_shots 4,0 standard light
settings_values_shots 4,0 standard dark
settings_values_shots 4,4 special light
settings_values_shots 4,4 special dark
