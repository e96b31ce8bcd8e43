# The automatic sequence's pages and popups (sourced by scripts/screenshots):
# line A's page idle, with resume data offered and running, the filling,
# recovery and prepare popups, and on a three-vessel plant line B's page
# idle and running; light and dark, on a plant with one line ("4,0") and a
# three-vessel plant ("4,4").

# Places on the page (logical coordinates): the step list and the start/stop
# button in the row of boxes, "Abbrechen" of the filling popup, the line B
# entry of the menu on a three-vessel plant.
AUTO_STEPS="126 80"
AUTO_START="446 81"
AUTO_MENU_B="22 110"
# The start/stop button below the two-run resume warning.
AUTO_START_RESUME="446 234"

auto_dark() {
    local menu_rows=$1
    [ "$2" = dark ] && click 22 $(( menu_rows * 44 + 22 ))
    return 0
}

for auto_theme in light dark; do
    for auto_plant in std 3v; do
        if [ "$auto_plant" = std ]; then
            auto_zones=4,0 auto_rows=5 auto_resume=2
        else
            auto_zones=4,4 auto_rows=6 auto_resume=1,5
        fi
        auto_tag=${auto_theme}_${auto_plant}

        # Idle, then running from filling: the filling popup comes first.
        EXTRA_ENV="TAVELL_STANDIN_ZONES=$auto_zones" start_program "auto_$auto_tag" 0 "$SOURCE/py"
        auto_dark "$auto_rows" "$auto_theme"
        shot "auto_a_idle_$auto_tag"
        hold $AUTO_START
        shot "auto_filling_popup_$auto_tag"
        xdotool key Escape
        sleep 0.8
        click $AUTO_STEPS
        shot "auto_a_running_list_$auto_tag"
        xdotool key Escape
        sleep 0.8
        shot "auto_a_running_$auto_tag"
        if [ "$auto_plant" = 3v ]; then
            click $AUTO_MENU_B
            shot "auto_b_idle_$auto_tag"
            hold $AUTO_START
            shot "auto_b_running_$auto_tag"
        fi
        stop_program

        # Resume data offered; on the three-vessel plant of both lines, so
        # starting "Recovery" asks which to resume.
        EXTRA_ENV="TAVELL_STANDIN_ZONES=$auto_zones TAVELL_STANDIN_RECOVERY=$auto_resume" \
            start_program "auto_resume_$auto_tag" 0 "$SOURCE/py"
        auto_dark "$auto_rows" "$auto_theme"
        shot "auto_a_resume_$auto_tag"
        if [ "$auto_plant" = 3v ]; then
            hold $AUTO_START_RESUME
            shot "auto_recovery_popup_$auto_tag"
        fi
        stop_program

        # The prepare popup the controller asks for.
        EXTRA_ENV="TAVELL_STANDIN_ZONES=$auto_zones TAVELL_STANDIN_PREPARE=$([ "$auto_plant" = 3v ] && echo 2 || echo 1)" \
            start_program "auto_prepare_$auto_tag" 0 "$SOURCE/py"
        auto_dark "$auto_rows" "$auto_theme"
        # The stand-in asks a few seconds after the screens are ready.
        sleep 2.5
        shot "auto_prepare_popup_$auto_tag"
        stop_program
    done
done
