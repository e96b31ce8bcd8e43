# Plant scheme (every form) and manual-operation tab ("Handbetrieb") on a two-
# and a three-vessel plant, in both themes, with the plant caught mid-brew
# (tests/py/controllers/scheme_demo: a sequence runs with hand operation
# released, outputs open and blocked, a failed and an overheated zone sensor).
SCHEME_DEMO="$SOURCE/tests/py/controllers/scheme_demo"

# Turns the mouse wheel over the page area.
wheel_down() {
    xdotool mousemove $(( 500 * 2 )) $(( 400 * 2 )) sleep 0.2
    for _ in $(seq "$1"); do xdotool click 5; sleep 0.05; done
    sleep 0.8
}

# zones: "4,0" or "4,4"; the menu has one entry more with line B, which moves
# the settings and theme entries down by one row.
plant_shots() {
    local zones=$1 theme=$2 extra=0
    local name="plant_${zones/,/_}_$theme"
    [ "$zones" = "4,4" ] && extra=44
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "$name" 0 "$SCHEME_DEMO"
    [ "$theme" = dark ] && click 22 $(( 242 + extra ))
    if [ "$zones" = "4,4" ]; then
        shot "${name}_scheme_2x-left"
        click 994 570                   # next scheme view
        shot "${name}_scheme_2x"
        click 22 110                    # line B's page
        shot "${name}_scheme_2x-right"
    else
        shot "${name}_scheme_1x"
    fi
    click 22 $(( 154 + extra ))         # "Einstellungen"
    click 500 28                        # tab selection
    click 300 323                       # "Handbetrieb", the last entry
    shot "${name}_manual_top"
    wheel_down 15
    shot "${name}_manual_bottom"
    stop_program
}

for zones in 4,0 4,4; do
    for theme in light dark; do
        plant_shots "$zones" "$theme"
    done
done
