# The automatic sequence's pages and popups (sourced by scripts/screenshots):
# line A's page idle, with resume data offered and running, the filling,
# recovery and prepare popups, and on a three-vessel plant line B's page
# idle and running; light and dark, on a plant with one line ("4,0") and a
# three-vessel plant ("4,4"), both lines with the stand-in's sample recipe.

for auto_theme in light dark; do
    for auto_plant in std 3v; do
        if [ "$auto_plant" = std ]; then
            auto_zones=4,0 auto_resume=2 auto_prepare=1
        else
            auto_zones=4,4 auto_resume=1,5 auto_prepare=2
        fi
        auto_tag=${auto_theme}_${auto_plant}

        # Idle, then running from filling: the filling popup comes first.
        EXTRA_ENV="TAVELL_STANDIN_ZONES=$auto_zones TAVELL_STANDIN_RECIPES=full" start_program "auto_$auto_tag" 0 "$SOURCE/py"
        [ "$auto_theme" = light ] || dark_theme
        shot "auto_a_idle_$auto_tag" "p.find('pageAuto1').isCurrent && !p.auto.activeA" "Linie A steht"
        hold pageAuto1/startStopButton
        shot "auto_filling_popup_$auto_tag" "p.find('fuellenPopup').opened && p.auto.activeA" \
             "Linie A startet beim Füllen, das Befüllen-Popup ist offen"
        key Escape
        await "!p.find('fuellenPopup').visible" "das Befüllen-Popup schließt"
        press pageAuto1/stepList/comboBox
        shot "auto_a_running_list_$auto_tag" "p.auto.activeA && p.find('pageAuto1/stepList/comboBox').popup.opened" \
             "Linie A läuft, ihre Schrittliste ist offen"
        key Escape
        shot "auto_a_running_$auto_tag" "p.auto.activeA && !p.find('pageAuto1/stepList/comboBox').popup.visible" \
             "Linie A läuft"
        if [ "$auto_plant" = 3v ]; then
            press menuAutoB
            shot "auto_b_idle_$auto_tag" "p.find('pageAuto2').isCurrent && !p.auto.activeB" "Linie B steht"
            hold pageAuto2/startStopButton
            shot "auto_b_running_$auto_tag" "p.find('pageAuto2').isCurrent && p.auto.activeB" "Linie B läuft"
        fi
        stop_program

        # Resume data offered; on the three-vessel plant of both lines, so
        # starting "Recovery" asks which to resume.
        EXTRA_ENV="TAVELL_STANDIN_ZONES=$auto_zones TAVELL_STANDIN_RECIPES=full TAVELL_STANDIN_RECOVERY=$auto_resume" \
            start_program "auto_resume_$auto_tag" 0 "$SOURCE/py"
        [ "$auto_theme" = light ] || dark_theme
        shot "auto_a_resume_$auto_tag" "p.find('pageAuto1').offered && p.find('pageAuto1/resumeWarning').visible" \
             "Linie A bietet die Sicherung an"
        if [ "$auto_plant" = 3v ]; then
            hold pageAuto1/startStopButton
            shot "auto_recovery_popup_$auto_tag" "p.find('recoveryPopup').opened" \
                 "die Auswahl der fortzusetzenden Schritte ist offen"
        fi
        stop_program

        # The prepare popup the controller asks for, once the theme is set
        # (which takes longer on a busy machine).
        auto_delay=$(stretched_ms 10)
        EXTRA_ENV="TAVELL_STANDIN_ZONES=$auto_zones TAVELL_STANDIN_RECIPES=full TAVELL_STANDIN_PREPARE=$auto_prepare TAVELL_STANDIN_PREPARE_DELAY=$((auto_delay / 1000))" \
            start_program "auto_prepare_$auto_tag" 0 "$SOURCE/py"
        [ "$auto_theme" = light ] || dark_theme
        shot "auto_prepare_popup_$auto_tag" "p.find('preparePopup$([ "$auto_prepare" = 1 ] && echo A || echo B)').opened" \
             "das Vorbereiten-Popup der Linie ist offen"
        stop_program
    done
done
