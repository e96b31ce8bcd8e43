# Settings tabs "Erscheinungsbild" and "FlashPico" and the power-off question,
# in both themes, on a one-line and a three-vessel plant:
# settings_appearance_*, settings_flash_* (no file chosen yet),
# settings_flash_chooser_* (the file chooser, a file name typed),
# settings_flash_done_* (the stand-in's flashing run ended, one line on
# standard error) and power_popup_*.
# Sourced by scripts/screenshots (start_program, press, shot, stop_program).

settings_tabs_shots() {
    local zones=$1 plant=$2 theme=$3
    local name="${theme}_${plant}"
    local elf="$WORK/pico-erweiterung-2.3.elf"
    : >"$elf"
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "settings_tabs_$name" 0 "$SOURCE/py"
    [ "$theme" = light ] || dark_theme
    settings_tab 4
    shot "settings_appearance_$name" "p.find('tabAppearance').item !== null
                                      && (p.find('tabAppearance').item.scrollable
                                          || !p.find('tabAppearance').item.scrollBar.visible)" \
         "der Reiter Erscheinungsbild, ohne Rollbalken solange nichts rollt"
    settings_tab 3
    shot "settings_flash_$name" "p.find('tabFlashPico').item !== null && !p.find('flashButton').enabled" \
         "der Reiter FlashPico, noch ohne Datei"
    press chooseFileButton
    pause 1.5
    # The chooser takes a typed path; it is a window of its own, so the
    # picture's condition is the screen's state before the choice.
    xdotool type --delay 20 "$elf"
    shot "settings_flash_chooser_$name" "!p.find('flashButton').enabled" "die Dateiauswahl mit getipptem Namen"
    xdotool key Return
    await "p.find('flashButton').enabled" "die Datei ist gewählt"
    press flashButton
    shot "settings_flash_done_$name" "p.find('flashButton').enabled
                                      && p.find('outputArea').text.indexOf('Rückgabe 0') >= 0" \
         "ein Flashvorgang ist mit Rückgabe 0 beendet"
    press menuExpand
    press menuPower
    shot "power_popup_$name" "p.find('powerPopup').opened" "die Frage nach Herunterfahren oder Neustart"
    stop_program
}

settings_tabs_shots 4,0 standard light
settings_tabs_shots 4,0 standard dark
settings_tabs_shots 4,4 special light
settings_tabs_shots 4,4 special dark
