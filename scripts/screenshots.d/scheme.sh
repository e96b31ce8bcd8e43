# Manual-operation tab ("Handbetrieb") on a two- and a three-vessel plant, in
# both themes, with the plant caught mid-brew (tests/py/controllers/scheme_demo:
# a sequence runs with hand operation released, outputs open and blocked, a
# failed and an overheated zone sensor).
SCHEME_DEMO="$SOURCE/tests/py/controllers/scheme_demo"

# Turns the mouse wheel over the page area.
wheel_down() {
    xdotool mousemove $(( 500 * 2 )) $(( 400 * 2 )) sleep 0.2
    for _ in $(seq "$1"); do xdotool click 5; sleep 0.05; done
    sleep 0.8
}

# zones: "4,0" or "4,4"; the menu has one entry more with line B, which moves
# the settings and theme entries down by one row.
manual_shots() {
    local zones=$1 theme=$2 extra=0
    [ "$zones" = "4,4" ] && extra=44
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "manual_${zones/,/_}_$theme" 0 "$SCHEME_DEMO"
    [ "$theme" = dark ] && click 22 $(( 242 + extra ))
    click 22 $(( 154 + extra ))     # "Einstellungen"
    click 500 28                    # tab selection
    click 300 323                   # "Handbetrieb", the last entry
    local name="manual_${zones/,/_}_$theme"
    shot "${name}_top"
    wheel_down 15
    shot "${name}_bottom"
    stop_program
}

for zones in 4,0 4,4; do
    for theme in light dark; do
        manual_shots "$zones" "$theme"
    done
done
