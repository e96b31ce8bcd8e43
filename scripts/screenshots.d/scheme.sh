# Plant scheme (every form) and manual-operation tab ("Handbetrieb") on a two-
# and a three-vessel plant, in both themes, with the plant caught mid-brew
# (tests/py/controllers/scheme_demo: line A runs its rests with the sample
# recipe, hand operation released, outputs open and blocked, a failed and an
# overheated zone sensor).
SCHEME_DEMO="$SOURCE/tests/py/controllers/scheme_demo"

# The page of line A shows its run: the status of the rests and the recipe.
SCHEME_RUN_A="p.find('pageAuto1').running && p.find('pageAuto1/statusLine').visible
              && p.find('pageAuto1/statusLine').text === '3: Rasten laufen'
              && p.find('pageAuto1/recipeList').comboBox.displayText === 'Festbier'"

plant_shots() {
    local zones=$1 theme=$2
    local name="plant_${zones/,/_}_$theme"
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "$name" 0 "$SCHEME_DEMO"
    [ "$theme" = light ] || dark_theme
    if [ "$zones" = "4,4" ]; then
        shot "${name}_scheme_2x-left" "p.schemeShown('pageAuto1', 0) && p.find('pageAuto1').isCurrent
                                       && $SCHEME_RUN_A" \
             "die linke Hälfte der Zwei-Kessel-Anlage, Linie A rastet mit ihrem Rezept"
        press pageAuto1/schemeArea/schemeNext
        shot "${name}_scheme_2x" "p.schemeShown('pageAuto1', 1) && $SCHEME_RUN_A" \
             "die ganze Zwei-Kessel-Anlage, Linie A rastet mit ihrem Rezept"
        press menuAutoB
        shot "${name}_scheme_2x-right" "p.find('pageAuto2').isCurrent && p.schemeShown('pageAuto2', 0)
                                        && !p.find('pageAuto2').running
                                        && p.find('pageAuto2/statusLine').text === 'Automatik bereit'
                                        && p.find('pageAuto2/recipeList').comboBox.displayText === 'Festbier'" \
             "die rechte Hälfte der Zwei-Kessel-Anlage, Linie B bereit mit ihrem Rezept"
    else
        shot "${name}_scheme_1x" "p.schemeShown('pageAuto1', 0) && $SCHEME_RUN_A" \
             "die Ein-Kessel-Anlage, Linie A rastet mit ihrem Rezept"
    fi
    settings_tab 6
    shot "${name}_manual_top" "p.find('tabManualOperation').item !== null
                               && p.find('tabManualOperation').item.flickable.contentY === 0" "der Handbetrieb von oben"
    wheel "=p.find('tabManualOperation').item.flickable" 15
    shot "${name}_manual_bottom" "p.find('tabManualOperation').item.flickable.atYEnd" "der Handbetrieb bis zum Ende"
    stop_program
}

for zones in 4,0 4,4; do
    for theme in light dark; do
        plant_shots "$zones" "$theme"
    done
done
