# Network tab: the networks a scan found, the password page of the network out
# of reach, and the tab while the attempt to join it runs; in both themes on a
# plant with one line ("4,0") and one with line B ("4,4"). Sourced by
# scripts/screenshots.

network_shots() {
    local dark=$1 zones=$2
    local suffix="${dark}_${zones/,/_}"
    # With line B the menu has one entry more above the settings entry.
    local extra=0
    [ "$zones" = 4,0 ] || extra=44
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "network_$suffix" 0 "$SOURCE/py"
    if [ "$dark" = dark ]; then
        click 22 $(( THEME_Y + extra ))
    fi
    click 22 $(( 3 * 44 + 22 + extra ))   # "Einstellungen"
    click 500 25                          # the tab selection
    click 200 84                          # "Netzwerk"
    click 500 126                         # "Suche nach WLAN-Netzen"
    sleep 1.5                             # the interfaces come with the first poll
    shot "network_found_$suffix"
    click 969 407                         # "Verbinden" of "Funkloch"
    shot "network_password_$suffix"
    click 324 213                         # "Verbinden" of the password page
    sleep 0.5
    shot "network_connecting_$suffix"
    stop_program
}

network_shots light 4,0
network_shots dark 4,0
network_shots light 4,4
network_shots dark 4,4
