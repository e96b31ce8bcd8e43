# Updates tab: each sub-tab with the stand-in controller's packages, a
# changelog view and the console after an upgrade, in both themes, on a
# two-vessel and a three-vessel plant.
# Sourced by scripts/screenshots (start_program, press, shot, stop_program).

# Chooses sub-tab INDEX of the updates tab and waits until it has slid in.
updates_sub_tab() {
    press "=p.find('updatesTabBar').itemAt($1)"
    await "p.find('tabUpdates').currentIndex === $1 && !p.find('updatesView').contentItem.moving
           && Math.abs(p.find('updatesView').contentItem.contentX
                       - $1 * (p.find('updatesView').width + p.find('updatesView').spacing)) < 0.5" \
          "der Unterreiter $1 der Updates ist offen"
}

updates_shots() {
    local zones=$1 theme=$2 tag="updates_$2_$1"
    tag=${tag/,/_}
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "$tag" 0 "$SOURCE/py"
    [ "$theme" = light ] || dark_theme
    settings_tab 2
    press searchButton
    shot "${tag}_overview" "p.shell.upgradables.length > 0 && p.find('tabUpdates').currentIndex === 0" \
         "die Übersicht mit verfügbaren Updates"
    updates_sub_tab 1
    shot "${tag}_available" "p.find('tabAvailable').table.cellAt(0, 5) !== undefined" "die verfügbaren Pakete"
    press "=p.find('cellButton', p.find('tabAvailable').table.cellAt(0, 5))"
    shot "${tag}_changelog" "p.find('tabAvailable').currentIndex === 1 && p.shell.changelogs.length > 0" \
         "das Changelog des ersten Pakets"
    updates_sub_tab 2
    shot "${tag}_installed" "p.find('tabInstalled').currentIndex === 0 && p.shell.installed.length > 0" \
         "die installierten Pakete"
    # An upgrade writes red lines too.
    press upgradeButton
    updates_sub_tab 3
    shot "${tag}_console" "p.find('consoleArea').length > 0" "die Ausgabe des Upgrades"
    stop_program
}

updates_shots 4,0 light
updates_shots 4,0 dark
updates_shots 4,4 light
updates_shots 4,4 dark
