# Network tab: the networks a scan found, the password page of the network out
# of reach, and the tab while the attempt to join it runs; in both themes on a
# plant with one line ("4,0") and one with line B ("4,4"). Sourced by
# scripts/screenshots.

network_shots() {
    local theme=$1 zones=$2
    local suffix="${theme}_${zones/,/_}"
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "network_$suffix" 0 "$SOURCE/py"
    [ "$theme" = light ] || dark_theme
    settings_tab 1
    press scanButton
    # The interfaces come with the first poll.
    shot "network_found_$suffix" \
         "!p.find('tabNetwork').scanPending && p.find('networks').count >= 4
          && p.find('interfaces').children.length >= 3" "die gefundenen Netze und die Schnittstellen"
    press "=p.find('lineButton', p.findBy('networks', function(o) { return o.ssid === 'Funkloch' }))"
    shot "network_password_$suffix" \
         "p.find('settingsStack').currentIndex === p.find('settingsPage').loginIndex
          && p.find('essidLabel').text.indexOf('Funkloch') >= 0" "die Passwortseite für Funkloch"
    press connectButton
    shot "network_connecting_$suffix" \
         "p.find('settingsStack').currentIndex === 1 && p.find('tabNetwork').connecting" \
         "der Netzwerk-Reiter, während die Verbindung zu Funkloch versucht wird"
    stop_program
}

network_shots light 4,0
network_shots dark 4,0
network_shots light 4,4
network_shots dark 4,4
