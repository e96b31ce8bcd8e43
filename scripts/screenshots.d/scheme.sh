# Plant scheme (every form) and manual-operation tab ("Handbetrieb") on a two-
# and a three-vessel plant, in both themes, with the plant caught mid-brew
# (tests/py/controllers/scheme_demo: a sequence runs with hand operation
# released, outputs open and blocked, a failed and an overheated zone sensor).
SCHEME_DEMO="$SOURCE/tests/py/controllers/scheme_demo"

plant_shots() {
    local zones=$1 theme=$2
    local name="plant_${zones/,/_}_$theme"
    EXTRA_ENV="TAVELL_STANDIN_ZONES=$zones" start_program "$name" 0 "$SCHEME_DEMO"
    [ "$theme" = light ] || dark_theme
    if [ "$zones" = "4,4" ]; then
        shot "${name}_scheme_2x-left" "p.schemeShown('pageAuto1', 0) && p.find('pageAuto1').isCurrent" \
             "die linke Hälfte der Zwei-Kessel-Anlage"
        press pageAuto1/schemeArea/schemeNext
        shot "${name}_scheme_2x" "p.schemeShown('pageAuto1', 1)" "die ganze Zwei-Kessel-Anlage"
        press menuAutoB
        shot "${name}_scheme_2x-right" "p.find('pageAuto2').isCurrent && p.schemeShown('pageAuto2', 0)" \
             "die rechte Hälfte der Zwei-Kessel-Anlage"
    else
        shot "${name}_scheme_1x" "p.schemeShown('pageAuto1', 0)" "die Ein-Kessel-Anlage"
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
