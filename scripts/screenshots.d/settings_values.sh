# Settings tabs "Allgemein" and "Maschine" on a one-line plant ("4,0") and a
# three-vessel plant ("4,4"), light and dark: settings_general_*,
# settings_general_end_* (scrolled to the end), settings_machine_* and
# settings_machine_list_* (the kettle sensor list open) and
# settings_machine_chosen_* (a long key chosen), settings_machine_help_* (the
# help of the flow-meter row).
# Sourced by scripts/screenshots, which provides start_program, click, shot
# and stop_program.

# Turns the mouse wheel down over a logical point.
settings_values_scroll() {
    xdotool mousemove $(( $1 * 2 )) $(( $2 * 2 )) sleep 0.2 click --repeat 15 --delay 50 5
    sleep 1
}

# The menu rows are 44 high; a three-vessel plant has one more automatic
# entry above "Einstellungen" and the theme entry.
settings_values_shots() {
    local zones=$1 plant=$2 theme=$3
    local settings_row=3 theme_row=5 ticks_y=215
    if [ "$plant" = special ]; then
        settings_row=4
        theme_row=6
        ticks_y=278
    fi
    local name="${theme}_${plant}"
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "settings_values_$name" 0 "$SOURCE/py"
    if [ "$theme" = dark ]; then
        click 22 $(( theme_row * 44 + 22 ))
    fi
    click 22 $(( settings_row * 44 + 22 ))
    shot "settings_general_$name"
    settings_values_scroll 500 400
    shot "settings_general_end_$name"
    # The tab box: open it, then the sixth entry "Maschine".
    click 500 28
    click 500 $(( 28 + 5 * 48 ))
    shot "settings_machine_$name"
    # The kettle sensor list at the right end of the first row below the label.
    click 953 153
    shot "settings_machine_list_$name"
    # The popup opens with the chosen "kessel" over the box; the third entry
    # lies two rows of 48 below the first.
    click 953 248
    shot "settings_machine_chosen_$name"
    # Help mode, then the flow-meter row below the sensor lists.
    click 22 $(( (settings_row + 1) * 44 + 22 ))
    click 300 "$ticks_y"
    shot "settings_machine_help_$name"
    stop_program
}

settings_values_shots 4,0 standard light
settings_values_shots 4,0 standard dark
settings_values_shots 4,4 special light
settings_values_shots 4,4 special dark
