# Updates tab: each sub-tab with the stand-in controller's packages, a
# changelog view and the console after an upgrade, in both themes, on a
# two-vessel and a three-vessel plant.
# Sourced by scripts/screenshots (start_program, click, shot, stop_program).

updates_shots() {
    local zones=$1 theme=$2 tag="updates_$3_$1"
    tag=${tag/,/_}
    # Menu rows are 44 high: the two lines of a three-vessel plant take one more.
    local settings_row=3
    [ "$zones" = "4,4" ] && settings_row=4
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "$tag" 0 "$SOURCE/py"
    if [ "$theme" = dark ]; then
        click 22 $(( (settings_row + 2) * 44 + 22 ))    # theme entry
    fi
    click 22 $(( settings_row * 44 + 22 ))              # settings
    click 530 29                                        # tab box
    click 530 132                                       # "Updates"
    click 290 81                                        # "Suche nach Updates"
    shot "${tag}_overview"
    click 413 134                                       # "Verfügbar"
    shot "${tag}_available"
    click 929 214                                       # "Changelog" of the first row
    shot "${tag}_changelog"
    click 657 134                                       # "Installiert"
    shot "${tag}_installed"
    click 778 81                                        # "Upgrade durchführen": red lines too
    click 900 134                                       # "Ausgabekonsole"
    shot "${tag}_console"
    stop_program
    EXTRA_ENV=""
}

updates_shots 4,0 light light
updates_shots 4,0 dark dark
updates_shots 4,4 light light
updates_shots 4,4 dark dark
