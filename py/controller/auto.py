"""Stand-in answers to the automatic sequence's requests.

Just enough of a brewing sequence for the sequence pages to be tried: a start
makes its line run from the chosen step, each "next step" advances the
running line, and a stop or the final acknowledgement ends the line. Each
line's status text tells what its step is doing. Lautering asks for the
first-wort hops when the cooking line's recipe has them, and boiling fills
the hop display with the time left to each of the recipe's additions
(refreshed at every request). The latest requests are kept in `received`.

Resume data of interrupted runs are offered at start-up when
TAVELL_STANDIN_RECOVERY names their steps ("A,B", StepsEnum values, either
may be empty: "2" offers line A's run stopped at the rests, ",5" line B's at
heating). A start at filling asks for the filling popup; a "Recovery" start
with runs of both lines asks which to resume. With TAVELL_STANDIN_PREPARE
set to 1 or 2, line A's or line B's prepare popup is asked for a few seconds
after the screens are ready (time enough to switch the theme first; as many
seconds as TAVELL_STANDIN_PREPARE_DELAY gives, 3 by default).
"""

import collections
import os
import threading
import time

from tavell import Logger
from tavell.action import ActionEnum
from tavell.auto import FIRST_STEP, SEPARATOR_STEP, Auto, AutoEnum, StepsEnum
from tavell.gui import Gui, PageEnum, PopupEnum
from tavell.hopfentimer import HopfenTimer
from tavell.recipes import Recipes
from tavell.values import Values

# (code, value) of the latest requests, oldest first.
received = collections.deque(maxlen=200)

_boil_started = None

# Seconds the boil counts as already running when it starts, so a due hop
# addition can be shown at once (TAVELL_STANDIN_BOIL_HEAD_START).
try:
    _HEAD_START = max(0.0, float(os.environ.get("TAVELL_STANDIN_BOIL_HEAD_START", "0")))
except ValueError:
    _HEAD_START = 0.0

STEP_NAMES = ("Füllen", "Einmaischen", "Rasten", "Abmaischen", "Läutern", "Heizphase Kochen", "Kochen")

# What a line's status says while it stands, in each step, and once it
# waits for the operator to finish.
IDLE_STATUS = "Automatik bereit"
STEP_STATUS = (
    "Hauptguss wird eingefüllt",
    "Warte auf die Malzschüttung",
    "Rasten laufen",
    "Abmaischen und Läuterruhe",
    "Läutern und Nachgüsse",
    "Würze wird zum Kochen erhitzt",
    "Würze kocht",
)
FINISHED_STATUS = "Brauvorgang beendet, bitte abschließen"

# The ids under which the stand-in asks for its popups.
FILLING_POPUP_ID = 902
RECOVERY_POPUP_ID = 901

# Seconds from the screens being ready to asking for the prepare popup.
PREPARE_DELAY = 3.0

_TOGGLES = {
    AutoEnum.HandEnabled: "hand_enabled",
    AutoEnum.ToggleHg: "hg_active",
    AutoEnum.ToggleLautern: "lautern_active",
    AutoEnum.ToggleTrubwurze: "trubwurze_active",
    AutoEnum.ToggleManualFilling: "filling_active",
}

_FREQUENCIES = {
    AutoEnum.FuFreqSpRw1: "fu_freq_sp_rw1",
    AutoEnum.FuFreqSpPump1: "fu_freq_sp_pump1",
    AutoEnum.FuFreqSpRw2: "fu_freq_sp_rw2",
    AutoEnum.FuFreqSpPump2: "fu_freq_sp_pump2",
}

_GRAVITIES = {
    AutoEnum.SetStammwurzeHeating: ("stammwurze_heating", "stammwurze_heating_time"),
    AutoEnum.SetStammwurzeCooking: ("stammwurze_cooking", "stammwurze_cooking_time"),
}


# The plant lets the operator heat, skip rests and choose the whirlpool by hand.
Auto.manual_heating_a_enabled = True
Auto.manual_heating_b_enabled = True
Auto.skip_rast_enabled = True
Auto.enable_auto_whirlpool_btn = 1
# Nothing flows yet, so there is no estimate of the filling time left.
Auto.ert_filling = -1


def _as_int(value, default=None):
    try:
        return int(value)
    except (TypeError, ValueError, OverflowError):
        return default


def _set_status(line, text):
    setattr(Values, f"status_{line}", text)


def _set_step(line, step):
    setattr(Auto, f"step_{line}", step)
    _set_status(line, STEP_STATUS[step] if FIRST_STEP <= step < len(STEP_STATUS) else IDLE_STATUS)
    if step == StepsEnum.Rasten:
        _show_first_rest()
    elif step == StepsEnum.Heizen:
        Auto.status_heating = f"Heizen bis {Values.cooking_start_temp} °C, dann beginnt das Kochen"
    elif step == StepsEnum.Kochen:
        _start_boiling()


def _show_first_rest():
    recipe = Recipes.a
    if recipe.raste_n > 0:
        Auto.status_rasten = (f"Rast 1 von {recipe.raste_n}: {recipe.raste_temps[0]} °C "
                              f"für {recipe.raste_times[0]} Minuten")
    else:
        Auto.status_rasten = "Keine Rast im Rezept"


def _snapshot(line):
    return Auto.recovery_data_b if line == "b" else Auto.recovery_data_a


def _resumable():
    """The lines whose snapshot can be resumed, line A first."""
    lines = []
    if Auto.recovery_data_a.step >= FIRST_STEP:
        lines.append("a")
    if Values.heat_zone_count_b >= 3 and Auto.recovery_data_b.step >= Auto.step_b_offset:
        lines.append("b")
    return lines


def _resume(line):
    snapshot = _snapshot(line)
    step = snapshot.step
    snapshot.reset()
    if not _resumable():
        Auto.recovery_count = 0
    _run(line, step)


def _run(line, index):
    Auto.wait_for_ackn = False
    if not (Auto.active_a or Auto.active_b):
        # A run starts its drives at the frequencies set for hand operation.
        for name in ("rw1", "pump1", "pump_lautern", "rw2", "pump2"):
            setattr(Auto, f"fu_freq_sp_{name}", getattr(Values, f"fu_freq_sp_{name}"))
    setattr(Auto, f"active_{line}", True)
    if _cooking_line() == line:
        # A start on a later step counts no hop addition as done.
        _end_boiling()
    _set_step(line, index)
    if line == "a" and index == FIRST_STEP:
        # How the main-infusion counter starts is the operator's choice.
        Gui.request_popup(PopupEnum.Fullen, FILLING_POPUP_ID)


def _start(value):
    # value is [step index, page]; page 1 is line B's.
    try:
        index, page = (_as_int(v) for v in value)
    except (TypeError, ValueError):
        index, page = None, None
    line = "b" if page == 1 else "a"
    if index is None:
        index = SEPARATOR_STEP if line == "b" else FIRST_STEP
    if index >= FIRST_STEP:
        _run(line, index)
        return
    # "Recovery": continue where the snapshot stopped.
    lines = _resumable()
    if len(lines) == 2:
        Gui.request_popup(PopupEnum.Recovery, RECOVERY_POPUP_ID)
    elif lines:
        _resume(lines[0])
    else:
        _run(line, FIRST_STEP)


def dialog_data(value):
    """The answer of the recovery popup resumes the runs the operator chose."""
    if not isinstance(value, dict):
        return
    answer = value.get(str(RECOVERY_POPUP_ID))
    if not isinstance(answer, dict) or not answer.get("a"):
        return
    chosen = answer.get("v") or {}
    for line in _resumable():
        if chosen.get(line):
            _resume(line)


def _ask_prepare(line):
    if line == "1":
        Auto.auto_1_popup_prepare()
    elif line == "2":
        # The popup belongs to line B's page, which must be shown first.
        Gui.page = PageEnum.Auto2
        Auto.auto_2_popup_prepare()


def action_from_cpp(action):
    if action == ActionEnum.GuiReady:
        line = os.environ.get("TAVELL_STANDIN_PREPARE", "")
        if line:
            try:
                delay = float(os.environ.get("TAVELL_STANDIN_PREPARE_DELAY", PREPARE_DELAY))
            except ValueError:
                delay = PREPARE_DELAY
            timer = threading.Timer(delay, _ask_prepare, (line,))
            timer.daemon = True
            timer.start()


def init():
    """Both lines stand ready; resume data are offered as asked for."""
    _set_status("a", IDLE_STATUS)
    _set_status("b", IDLE_STATUS)
    offer_recovery()


def offer_recovery():
    """Offers the resume data named in TAVELL_STANDIN_RECOVERY."""
    text = os.environ.get("TAVELL_STANDIN_RECOVERY", "")
    if not text:
        return
    steps = [part.strip() for part in text.split(",")] + [""]
    count = 0
    for line, part in zip("ab", steps[:2]):
        if not part:
            continue
        step = _as_int(part)
        if step is None or not FIRST_STEP <= step < len(STEP_NAMES):
            Logger.warning(f"controller: TAVELL_STANDIN_RECOVERY={text!r}: kein Schritt {part!r}")
            continue
        snapshot = _snapshot(line)
        snapshot.recipe_name = "Demo-Rezept"
        snapshot.step_str = STEP_NAMES[step]
        snapshot.step = step
        count += 1
    Auto.recovery_count = count


def _stop(line):
    setattr(Auto, f"active_{line}", False)
    setattr(Auto, f"step_{line}", StepsEnum.Inactive)
    _set_status(line, IDLE_STATUS)
    if not (Auto.active_a or Auto.active_b):
        Auto.wait_for_ackn = False
        _end_boiling()


def _running_line():
    # With both lines running, line A has the steps before line B's first.
    if Auto.active_a and (not Auto.active_b or Auto.step_a < SEPARATOR_STEP):
        return "a"
    if Auto.active_b:
        return "b"
    return None


def _next_step():
    line = _running_line()
    if line is None:
        return
    step = getattr(Auto, f"step_{line}")
    if step >= StepsEnum.Kochen:
        Auto.wait_for_ackn = True
        _set_status(line, FINISHED_STATUS)
    else:
        _set_step(line, step + 1)


def _finish():
    if Auto.wait_for_ackn:
        _stop(_running_line() or "a")


def _cooking_line():
    return "b" if Values.heat_zone_count_b >= 3 else "a"


def _hop_plan():
    """Seconds from the start of the boil at which each of the cooking line's
    recipe's additions is due: a first-wort addition at once, a whirlpool
    addition at the end of the boil, every other one its minutes before the
    end."""
    recipe = Recipes.x
    count = max(0, min(recipe.hopfen_n, len(recipe.hopfen_timers)))
    boil = recipe.cooking_time * 60
    due = []
    for index, minutes in enumerate(recipe.hopfen_timers[:count]):
        if index == 0 and recipe.hopfen_vorderwurze:
            due.append(0)
        elif index == count - 1 and recipe.hopfen_whirlpool:
            due.append(boil)
        else:
            due.append(boil - minutes * 60)
    return due


def _start_boiling():
    global _boil_started
    _boil_started = time.monotonic()
    _show_hops()


def _end_boiling():
    global _boil_started
    _boil_started = None
    for index in range(5):
        HopfenTimer.set_str_indexed(index, "")
    HopfenTimer.status = "Automatik noch nicht gestartet"
    HopfenTimer.alarm = False
    HopfenTimer.success = False
    HopfenTimer.current = 0
    HopfenTimer.vw_done = False
    HopfenTimer.wp_done = False


def _clock(seconds):
    seconds = max(0, int(seconds))
    return f"{seconds // 60:d}:{seconds % 60:02d}"


def _show_first_wort_hops():
    # While the cooking line lauters, a first-wort addition is due at once.
    line = _cooking_line()
    if not (getattr(Auto, f"active_{line}") and getattr(Auto, f"step_{line}") == StepsEnum.Lautern):
        return
    if not Recipes.x.hopfen_vorderwurze:
        return
    pending = HopfenTimer.current == 0
    HopfenTimer.status = "Vorderwürzehopfung fällig" if pending else "Vorderwürzehopfung erledigt"
    HopfenTimer.alarm = pending
    HopfenTimer.success = not pending


def _show_hops():
    if _boil_started is None:
        _show_first_wort_hops()
        return
    elapsed = time.monotonic() - _boil_started + _HEAD_START
    left = [due - elapsed for due in _hop_plan()]
    current = HopfenTimer.current
    for index in range(5):
        if index >= len(left):
            text = ""
        elif index < current:
            text = "erledigt"
        else:
            text = _clock(left[index])
        HopfenTimer.set_str_indexed(index, text)
    if current >= len(left):
        HopfenTimer.status = "Alle Hopfengaben erledigt"
        HopfenTimer.alarm = False
        HopfenTimer.success = True
    elif left[current] <= 0:
        HopfenTimer.status = f"Hopfengabe {current + 1} fällig"
        HopfenTimer.alarm = True
        HopfenTimer.success = False
    else:
        HopfenTimer.status = f"Nächste Hopfengabe in {_clock(left[current])}"
        HopfenTimer.alarm = False
        HopfenTimer.success = False


def _hop_done(value):
    # Marks addition n done, or the last one done undone again.
    n = _as_int(value)
    if n == HopfenTimer.current + 1:
        HopfenTimer.current = n
    elif n is not None and n == HopfenTimer.current and n > 0:
        HopfenTimer.current = n - 1
    recipe = Recipes.x
    HopfenTimer.vw_done = recipe.hopfen_vorderwurze and HopfenTimer.current >= 1
    HopfenTimer.wp_done = recipe.hopfen_whirlpool and HopfenTimer.current >= recipe.hopfen_n


def _toggle_water_treated(_value):
    data = Auto.recovery_data_a
    data.water_treated_time = -1 if data.water_treated_time >= 0 else int(time.time())


def _toggle_sparge(_value):
    # Starting with nothing counted for the current sparge begins the next one.
    if not Auto.ng_active and Auto.ng_liters_step == 0:
        Auto.ng_step += 1
    Auto.ng_active = not Auto.ng_active


def _begin_lauter_rest(_value):
    Auto.abmaischen_active = True
    Auto.lauterruhe_finished = False


def _skip(_value):
    # Skips the lauter rest while it runs, else the current mash rest.
    if Auto.abmaischen_active:
        Auto.abmaischen_active = False
        Auto.lauterruhe_finished = True
    elif Auto.skip_rast_enabled:
        Auto.status_rasten = "Rast übersprungen"


_STEP_REQUESTS = {
    AutoEnum.ToggleWaterTreated: _toggle_water_treated,
    AutoEnum.ToggleNg: _toggle_sparge,
    AutoEnum.BeginLauterRuhe: _begin_lauter_rest,
    AutoEnum.MiscEventA: _skip,
}


def auto_value_from_cpp(code, value):
    received.append((code, value))
    if code == AutoEnum.Start:
        _start(value)
    elif code == AutoEnum.StopA:
        _stop("a")
    elif code == AutoEnum.StopB:
        _stop("b")
    elif code == AutoEnum.NextStep:
        _next_step()
    elif code == AutoEnum.FinishAckn:
        _finish()
    elif code == AutoEnum.SetHopfengabe:
        _hop_done(value)
    elif code in _STEP_REQUESTS:
        _STEP_REQUESTS[code](value)
    elif code in _TOGGLES:
        name = _TOGGLES[code]
        setattr(Auto, name, not getattr(Auto, name))
    elif code in _FREQUENCIES:
        hz = _as_int(value)
        if hz is not None:
            setattr(Auto, _FREQUENCIES[code], hz)
    elif code in _GRAVITIES:
        gravity = _as_int(value)
        if gravity is not None:
            name, recorded = _GRAVITIES[code]
            setattr(Auto, name, gravity)
            setattr(Auto, recorded, int(time.time()))
    _show_hops()
