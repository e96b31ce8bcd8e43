# Recipe page: without recipes, and with the stand-in's sample recipes (five
# rests, five hop timers, comments) in both themes on a one-line ("4,0") and a
# three-vessel ("4,4") plant, scrolled down once and to the end, and in a
# window narrower than the two-column breakpoint. Read by scripts/screenshots.

RECIPES_FLICK="=p.find('recipesPage').flickable"

recipes_open() {
    press menuRecipes
    await "p.find('recipesPage').isCurrent" "die Rezeptseite ist offen"
}

# recipes_shot NAME ZONES THEME(light/dark) RECIPES(empty/full)
recipes_shot() {
    local name=$1 zones=$2 theme=$3 recipes=$4
    local env="TAVELL_STANDIN_ZONES=$zones"
    [ "$recipes" = full ] && env="$env TAVELL_STANDIN_RECIPES=full"
    EXTRA_ENV="$env" start_program "$name" 0 "$SOURCE/py"
    [ "$theme" = light ] || dark_theme
    recipes_open
    if [ "$recipes" = full ]; then
        shot "$name" "p.find('recipesPage').hasRecipes && p.find('recipesPage').flickable.contentY === 0" \
             "die Beispielrezepte, von oben"
        wheel "$RECIPES_FLICK" 1
        shot "${name}_scrolled" "p.find('recipesPage').flickable.contentY > 0" "ein Stück hinuntergeblättert"
        wheel "$RECIPES_FLICK" 30
        shot "${name}_end" "p.find('recipesPage').flickable.atYEnd" "bis zum Ende geblättert"
    else
        shot "$name" "!p.find('recipesPage').hasRecipes" "ohne Rezepte"
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
EXTRA_ENV="TAVELL_STANDIN_ZONES=4,0 TAVELL_STANDIN_RECIPES=full" start_program recipes_actions 0 "$SOURCE/py"
recipes_open
for _ in 1 2; do
    press "=p.find('mashInTemp/box/spinBox').down.indicator"
done
shot recipes_mash_note_light "p.find('mashInTemp/box/infoMsg').visible" "der Hinweis zur Einmaischtemperatur"
press recipeMenuButton
shot recipes_menu_light "p.find('recipeMenu').opened" "das Rezeptmenü ist offen"
press menuRename
shot recipes_rename_light "p.openDialogs().length === 1 && p.openDialogs()[0].objectName === 'inputDialog'
                           && p.openDialogs()[0].opened" "der Dialog zum Umbenennen"
press "=p.find('inputCancel', p.openDialogs()[0])"
await "p.openDialogs().length === 0" "der Dialog schließt"
press menuHelp
await "p.find('clickCatcher').visible" "der Hilfemodus ist an"
press mashInTemp
shot recipes_help_light "p.openDialogs().length === 1 && p.openDialogs()[0].objectName === 'messageDialog'
                         && p.find('messageTitle', p.openDialogs()[0]).text.indexOf('Einmaisch') >= 0" \
     "die Hilfe zur Einmaischtemperatur"
stop_program

# Narrower than the breakpoint: one column. The window is made 480 wide.
EXTRA_ENV="TAVELL_STANDIN_ZONES=4,0 TAVELL_STANDIN_RECIPES=full" start_program recipes_narrow 0 "$SOURCE/py"
xdotool search --onlyvisible --pid "$APP_PID" | head -n1 | xargs -I{} xdotool windowsize {} 960 1200
await "p.common.window.width === 480" "das Fenster ist schmal"
recipes_open
shot recipes_narrow_light "p.find('recipesPage').oneColumn && p.find('recipesPage').flickable.contentY === 0" \
     "die Rezeptseite in einer Spalte"
wheel "$RECIPES_FLICK" 12
shot recipes_narrow_light_scrolled "p.find('recipesPage').oneColumn && p.find('recipesPage').flickable.contentY > 0" \
     "in einer Spalte, hinuntergeblättert"
dark_theme
shot recipes_narrow_dark_scrolled "p.find('recipesPage').oneColumn && p.find('recipesPage').flickable.contentY > 0
                                   && p.common.isDarkTheme" "in einer Spalte, hinuntergeblättert, dunkel"
stop_program
