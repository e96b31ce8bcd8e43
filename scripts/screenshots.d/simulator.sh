# Simulator mode: the simulator window beside the main window, with the gear
# button in the page container's corner, on a plant with one line ("4,0") and
# one with line B ("4,4"), in both themes. Sourced by scripts/screenshots.

simulator_shot() {
    local name=$1 dark=$2 zones=$3
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" \
        EXTRA_INI=$'[python]\nsimulator=1\n[simulator]\nx=700\ny=40' \
        start_program "$name" 0 "$SOURCE/py"
    if [ "$dark" = dark ]; then
        # With line B the menu has one entry more above the theme entry.
        if [ "$zones" = 4,0 ]; then click 22 "$THEME_Y"; else click 22 $(( THEME_Y + 44 )); fi
    fi
    # Move the mouse away from the controls.
    xdotool mousemove 1 1199
    sleep 0.5
    shot "$name"
    stop_program
}

simulator_shot simulator_light_4_0 light 4,0
simulator_shot simulator_dark_4_0 dark 4,0
simulator_shot simulator_light_4_4 light 4,4
simulator_shot simulator_dark_4_4 dark 4,4
