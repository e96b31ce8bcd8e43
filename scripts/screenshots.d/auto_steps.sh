# The step screens of the automatic sequence while their step runs (sourced by
# scripts/screenshots): light and dark, on a plant with one line ("4,0") and a
# three-vessel plant ("4,4"), where line B's page runs the last three steps.
# The stand-in's boil starts eleven minutes in, so the first hop addition is
# due and the boiling screen shows its alarm; a second picture of it is
# scrolled down to the gravity box and the buttons.

# Logical places on a line page: the step list, its entries (33 apart, the
# first at 72), the start/stop button, line B's menu entry, the step screen.
STEPS_LIST="126 80"
STEPS_START="446 81"
STEPS_MENU_B="22 110"
STEPS_SCREEN="200 400"

# Starts the page's line at the step of list entry $1 (0 = first) and shoots it.
steps_run_at() {
    local entry=$1 name=$2
    click $STEPS_LIST
    click 100 $(( 72 + 33 * entry ))
    hold $STEPS_START
    sleep 1
    shot "$name"
}

for steps_theme in light dark; do
    for steps_plant in std 3v; do
        if [ "$steps_plant" = std ]; then
            steps_zones=4,0 steps_rows=5
        else
            steps_zones=4,4 steps_rows=6
        fi
        steps_tag=${steps_theme}_${steps_plant}

        EXTRA_ENV="TAVELL_STANDIN_ZONES=$steps_zones TAVELL_STANDIN_BOIL_HEAD_START=660" \
            start_program "auto_steps_$steps_tag" 0 "$SOURCE/py"
        [ "$steps_theme" = dark ] && click 22 $(( steps_rows * 44 + 22 ))

        # Filling asks how to start the main-infusion counter first.
        hold $STEPS_START
        xdotool key Escape
        sleep 1
        shot "auto_step1_$steps_tag"
        hold $STEPS_START
        for steps_i in 2 3 4; do
            steps_run_at $(( steps_i - 1 )) "auto_step${steps_i}_$steps_tag"
            hold $STEPS_START
        done
        steps_first_x=4
        if [ "$steps_plant" = 3v ]; then
            click $STEPS_MENU_B
            steps_first_x=0
        fi
        for steps_i in 5 6 7; do
            steps_run_at $(( steps_first_x + steps_i - 5 )) "auto_step${steps_i}_$steps_tag"
            [ "$steps_i" = 7 ] || hold $STEPS_START
        done
        xdotool mousemove $(( ${STEPS_SCREEN% *} * 2 )) $(( ${STEPS_SCREEN#* } * 2 ))
        for _ in $(seq 15); do xdotool click 5; done
        sleep 1
        shot "auto_step7_scrolled_$steps_tag"
        stop_program
    done
done
