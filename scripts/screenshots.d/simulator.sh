# Simulator mode: the simulator window beside the main window, with the gear
# button in the page container's corner, on a plant with one line ("4,0") and
# one with line B ("4,4"), in both themes. On the three-vessel plant a second
# picture shows the scheme's second view, reached past the gear button.
# Sourced by scripts/screenshots.

simulator_shot() {
    local name=$1 theme=$2 zones=$3
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones TAVELL_STANDIN_RECIPES=full" \
        EXTRA_INI=$'[python]\nsimulator=1\n[simulator]\nx=700\ny=40' \
        start_program "$name" 0 "$SOURCE/py"
    [ "$theme" = light ] || dark_theme
    xdotool mousemove 1 1199
    local ready="p.find('simulatorLoader').item !== null && p.find('simulatorLoader').item.window.visible
                 && p.schemeShown('pageAuto1', 0)"
    shot "$name" "$ready" "das Simulatorfenster neben dem Automatikbetrieb"
    if [ "$zones" = 4,4 ]; then
        press pageAuto1/schemeArea/schemeNext
        xdotool mousemove 1 1199
        shot "${name}_scheme_2x" "p.schemeShown('pageAuto1', 1)" "die zweite Schemaansicht im Simulatorbetrieb"
    fi
    stop_program
}

simulator_shot simulator_light_4_0 light 4,0
simulator_shot simulator_dark_4_0 dark 4,0
simulator_shot simulator_light_4_4 light 4,4
simulator_shot simulator_dark_4_4 dark 4,4
