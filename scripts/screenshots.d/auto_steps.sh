# The step screens of the automatic sequence while their step runs (sourced by
# scripts/screenshots): light and dark, on a plant with one line ("4,0") and a
# three-vessel plant ("4,4"), where line B's page runs the last three steps.
# Both lines brew the stand-in's sample recipe, whose first hop addition is
# first-wort hopping: started at lautering or boiling it is due at once, so
# those screens show its alarm. The boil starts eleven minutes in, so the
# times left differ from the recipe's; a second picture of the boiling screen
# is scrolled down to the gravity box and the buttons.

STEPS_SCREENS=(auto1Fuellen auto2Einmaischen auto3Rasten auto4Abmaischen auto5Laeutern auto6Heizen auto7Kochen)

# steps_run_at PAGE ENTRY STEP TAG: starts the page's line at list entry
# ENTRY (0 = first) and shoots the screen of step STEP (1 to 7) running.
steps_run_at() {
    local page=$1 entry=$2 step=$3 tag=$4
    local screen=${STEPS_SCREENS[$((step - 1))]}
    press "$page/stepList/comboBox"
    press "=p.entry('$page/stepList/comboBox', $entry)"
    await "p.stepScreen('$page') !== null && p.stepScreen('$page').objectName === '$screen'" \
          "Schritt $step ist gewählt"
    hold "$page/startStopButton"
    shot "auto_step${step}_$tag" "p.runsAt('$page', '$screen')" "Schritt $step läuft und wird gezeigt"
}

# Stops the page's line again.
steps_stop() {
    hold "$1/startStopButton"
    await "!p.find('$1').running" "die Linie hält an"
}

for steps_theme in light dark; do
    for steps_plant in std 3v; do
        if [ "$steps_plant" = std ]; then steps_zones=4,0; else steps_zones=4,4; fi
        steps_tag=${steps_theme}_${steps_plant}

        EXTRA_ENV="TAVELL_STANDIN_ZONES=$steps_zones TAVELL_STANDIN_RECIPES=full TAVELL_STANDIN_BOIL_HEAD_START=660" \
            start_program "auto_steps_$steps_tag" 0 "$SOURCE/py"
        [ "$steps_theme" = light ] || dark_theme

        # Filling asks how to start the main-infusion counter first.
        hold pageAuto1/startStopButton
        await "p.find('fuellenPopup').opened" "das Befüllen-Popup öffnet"
        key Escape
        shot "auto_step1_$steps_tag" "p.runsAt('pageAuto1', 'auto1Fuellen')" "Schritt 1 läuft und wird gezeigt"
        steps_stop pageAuto1
        for steps_i in 2 3 4; do
            steps_run_at pageAuto1 $((steps_i - 1)) "$steps_i" "$steps_tag"
            steps_stop pageAuto1
        done
        steps_page=pageAuto1 steps_first=4
        if [ "$steps_plant" = 3v ]; then
            press menuAutoB
            await "p.find('pageAuto2').isCurrent" "die Seite der Linie B ist offen"
            steps_page=pageAuto2 steps_first=0
        fi
        for steps_i in 5 6 7; do
            steps_run_at "$steps_page" $((steps_first + steps_i - 5)) "$steps_i" "$steps_tag"
            [ "$steps_i" = 7 ] || steps_stop "$steps_page"
        done
        wheel "=p.find('stepFlick', p.stepScreen('$steps_page'))" 15
        shot "auto_step7_scrolled_$steps_tag" \
             "p.runsAt('$steps_page', 'auto7Kochen') && p.find('stepFlick', p.stepScreen('$steps_page')).flickable.atYEnd" \
             "Schritt 7 läuft, bis zum Ende geblättert"
        stop_program
    done
done
