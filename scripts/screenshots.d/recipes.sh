# Recipe page: without recipes, and with the stand-in's sample recipes (five
# rests, five hop timers, comments) in both themes on a one-line ("4,0") and a
# three-vessel ("4,4") plant, scrolled down once, and in a window narrower
# than the two-column breakpoint. Read by scripts/screenshots.

# Side-menu row of "Rezepte" and of the theme entry for a plant layout.
recipes_rows() {
    if [ "$1" = "4,4" ]; then
        RECIPES_Y=$(( 3 * 44 + 22 )); RECIPES_THEME_Y=$(( 6 * 44 + 22 ))
    else
        RECIPES_Y=$(( 2 * 44 + 22 )); RECIPES_THEME_Y=$(( 5 * 44 + 22 ))
    fi
}

# Wheel steps over the page area (logical coordinates).
recipes_scroll() {
    xdotool mousemove $(( $1 * 2 )) $(( $2 * 2 ))
    for _ in $(seq "$3"); do
        xdotool click 5
        sleep 0.05
    done
    xdotool mousemove 1 1199
    sleep 1
}

# recipes_shot NAME ZONES THEME(light/dark) RECIPES(empty/full)
recipes_shot() {
    local name=$1 zones=$2 theme=$3 recipes=$4
    recipes_rows "$zones"
    local env="TAVELL_STANDIN_ZONES=$zones"
    [ "$recipes" = full ] && env="$env TAVELL_STANDIN_RECIPES=full"
    EXTRA_ENV="$env" start_program "$name" 0 "$SOURCE/py"
    [ "$theme" = dark ] && click 22 "$RECIPES_THEME_Y"
    click 22 "$RECIPES_Y"
    shot "$name"
    if [ "$recipes" = full ]; then
        recipes_scroll 520 400 6
        shot "${name}_scrolled"
        recipes_scroll 520 400 30
        shot "${name}_end"
    fi
    stop_program
}

recipes_shot recipes_empty_light 4,0 light empty
recipes_shot recipes_empty_dark 4,0 dark empty
recipes_shot recipes_full_light 4,0 light full
recipes_shot recipes_full_dark 4,0 dark full
recipes_shot recipes_full_x2_light 4,4 light full
recipes_shot recipes_full_x2_dark 4,4 dark full

# Through the real controller path: mashing-in lowered to the main-infusion
# temperature shows its note; the recipe menu and the rename dialog.
recipes_rows 4,0
EXTRA_ENV="TAVELL_STANDIN_ZONES=4,0 TAVELL_STANDIN_RECIPES=full" start_program recipes_actions 0 "$SOURCE/py"
click 22 "$RECIPES_Y"
click 359 483
click 359 483
shot recipes_mash_note_light
click 503 34
shot recipes_menu_light
click 420 138        # "umbenennen"
shot recipes_rename_light
click 611 375        # "Abbrechen"
click 22 $(( 4 * 44 + 22 ))   # help mode
click 250 483        # the mashing-in block
shot recipes_help_light
stop_program

# Narrower than the breakpoint: one column. The window is made 480 wide.
recipes_rows 4,0
EXTRA_ENV="TAVELL_STANDIN_ZONES=4,0 TAVELL_STANDIN_RECIPES=full" start_program recipes_narrow 0 "$SOURCE/py"
xdotool search --onlyvisible --pid "$APP_PID" | head -n1 | xargs -I{} xdotool windowsize {} 960 1200
sleep 1.5
click 22 "$RECIPES_Y"
shot recipes_narrow_light
recipes_scroll 250 400 12
shot recipes_narrow_light_scrolled
click 22 "$RECIPES_THEME_Y"
shot recipes_narrow_dark_scrolled
stop_program
