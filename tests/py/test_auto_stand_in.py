"""The stand-in controller's answers to the automatic sequence's requests."""

import importlib.util
import os
import sys
import time

import pytest

from tavell.action import ActionEnum
from tavell.auto import Auto, AutoEnum, StepsEnum
from tavell.gui import PopupEnum
from tavell.hopfentimer import HopfenTimer
from tavell.recipes import RecipeClass, Recipes
from tavell.values import Values


@pytest.fixture(scope="module")
def controller():
    # The runner controller holds the name "controller" in this process, so
    # the stand-in package is loaded under a name of its own.
    directory = os.path.join(os.environ["TAVELL_SOURCE_DIR"], "py", "controller")
    spec = importlib.util.spec_from_file_location("stand_in_controller", os.path.join(directory, "__init__.py"),
                                                  submodule_search_locations=[directory])
    module = importlib.util.module_from_spec(spec)
    sys.modules[spec.name] = module
    try:
        spec.loader.exec_module(module)
        yield module
    finally:
        for name in [n for n in sys.modules if n == spec.name or n.startswith(spec.name + ".")]:
            del sys.modules[name]


@pytest.fixture(autouse=True)
def idle_plant():
    def idle():
        Auto.active_a = Auto.active_b = False
        Auto.step_a = Auto.step_b = -1
        Auto.wait_for_ackn = False
        Auto.hand_enabled = True
        Auto.hg_active = False
        Auto.stammwurze_cooking = 120
        Auto.stammwurze_cooking_time = 0
        for name in ("rw1", "pump1", "pump_lautern", "rw2", "pump2"):
            setattr(Auto, "fu_freq_sp_" + name, 0)
        Auto.recovery_data_a.reset()
        Auto.recovery_data_b.reset()
        Auto.recovery_count = 0
        for i in range(5):
            HopfenTimer.set_str_indexed(i, "")
        HopfenTimer.status = "Automatik noch nicht gestartet"
        HopfenTimer.current = 0
        HopfenTimer.alarm = HopfenTimer.success = False

    idle()
    yield
    idle()


def send(controller, code, value=None):
    controller.auto_value_from_cpp(code, value)


def test_request_is_recorded_and_kept(controller, capfd):
    capfd.readouterr()
    send(controller, AutoEnum.ToggleHg, None)
    err = capfd.readouterr().err
    assert err.rstrip("\n").endswith("controller: auto_value_from_cpp(<AutoEnum.ToggleHg: 6>, None)")
    assert controller.auto.received[-1] == (AutoEnum.ToggleHg, None)
    assert Auto.hg_active is True


def test_line_a_runs_from_the_chosen_step_and_stops(controller):
    # The screens send [step index, page] as JavaScript numbers.
    send(controller, AutoEnum.Start, [2.0, 0.0])
    assert (Auto.active_a, Auto.step_a, Auto.active_b) == (True, 2, False)
    send(controller, AutoEnum.NextStep)
    assert Auto.step_a == 3
    send(controller, AutoEnum.StopA)
    assert (Auto.active_a, Auto.step_a) == (False, -1)


def test_recovery_continues_at_the_snapshot_step(controller):
    Auto.recovery_data_a.step = StepsEnum.Abmaischen
    send(controller, AutoEnum.Start, [-1.0, 0.0])
    assert (Auto.active_a, Auto.step_a) == (True, 3)
    Auto.recovery_data_a.reset()
    Auto.active_a = False
    send(controller, AutoEnum.Start, [-1.0, 0.0])
    assert Auto.step_a == 0


@pytest.fixture
def brew_recipe():
    """Loads a recipe with the given fields for both lines (the cooking line
    is either of them), and the untouched recipes again afterwards."""
    saved = []
    for loaded in (Recipes.a, Recipes.b):
        copy = RecipeClass()
        copy.take_other(loaded)
        saved.append((loaded, copy))

    def load(**fields):
        recipe = RecipeClass()
        for name, value in fields.items():
            setattr(recipe, name, value)
        for loaded, _ in saved:
            loaded.take_other(recipe)

    yield load
    for loaded, copy in saved:
        loaded.take_other(copy)


def seconds_shown():
    texts = [getattr(HopfenTimer, "str%d" % i) for i in range(1, 6)]
    return [int(t.split(":")[0]) * 60 + int(t.split(":")[1]) if ":" in t else t for t in texts]


def assert_left(shown, expected):
    assert len(shown) == len(expected)
    for got, want in zip(shown, expected):
        if isinstance(want, int):
            assert isinstance(got, int) and want - 2 <= got <= want, (shown, expected)
        else:
            assert got == want, (shown, expected)


def test_line_b_boils_with_hop_display_and_finishes(controller, brew_recipe):
    # The default recipe: a 60-minute boil, hops 40, 30, 20, 10 and 5
    # minutes before its end.
    brew_recipe()
    send(controller, AutoEnum.Start, [4.0, 1.0])
    assert (Auto.active_b, Auto.step_b, Auto.active_a) == (True, 4, False)
    send(controller, AutoEnum.NextStep)
    assert HopfenTimer.str1 == ""
    send(controller, AutoEnum.NextStep)
    assert Auto.step_b == StepsEnum.Kochen
    # Time left to each addition, counted from now: what each row's label says.
    assert_left(seconds_shown(), [1200, 1800, 2400, 3000, 3300])
    assert HopfenTimer.status == "Nächste Hopfengabe in " + HopfenTimer.str1

    send(controller, AutoEnum.SetHopfengabe, 1.0)
    assert HopfenTimer.current == 1
    assert HopfenTimer.str1 == "erledigt"
    send(controller, AutoEnum.SetHopfengabe, 3.0)
    assert HopfenTimer.current == 1
    send(controller, AutoEnum.SetHopfengabe, 1.0)
    assert HopfenTimer.current == 0

    for n in range(1, 6):
        send(controller, AutoEnum.SetHopfengabe, float(n))
    assert HopfenTimer.current == 5
    assert HopfenTimer.success is True and HopfenTimer.alarm is False

    send(controller, AutoEnum.NextStep)
    assert Auto.wait_for_ackn is True and Auto.step_b == StepsEnum.Kochen
    send(controller, AutoEnum.FinishAckn)
    assert (Auto.active_b, Auto.step_b, Auto.wait_for_ackn) == (False, -1, False)
    assert HopfenTimer.status == "Automatik noch nicht gestartet"
    assert HopfenTimer.str3 == "" and HopfenTimer.current == 0


def test_hop_display_follows_the_recipes_first_wort_and_whirlpool_additions(controller, brew_recipe):
    # Three additions: first-wort, 45 minutes before the end of a 75-minute
    # boil, and whirlpool at its end; rests shown from the same recipe.
    brew_recipe(cooking_time=75, hopfen_n=3, hopfen_vorderwurze=True, hopfen_whirlpool=True,
                hopfen_timers=[75, 45, 0, 10, 5], raste_n=1, raste_temps=[64, 70, 72, 74, 76],
                raste_times=[35, 20, 20, 20, 20])
    send(controller, AutoEnum.Start, [2.0, 0.0])
    assert Auto.status_rasten == "Rast 1 von 1: 64 °C für 35 Minuten"
    send(controller, AutoEnum.StopA)

    line, page = ("b", 1.0) if Values.heat_zone_count_b >= 3 else ("a", 0.0)
    send(controller, AutoEnum.Start, [4.0, page])
    # Lautering: the first-wort addition is due at once.
    assert (HopfenTimer.alarm, HopfenTimer.current) == (True, 0)
    send(controller, AutoEnum.SetHopfengabe, 1.0)
    assert (HopfenTimer.alarm, HopfenTimer.success, HopfenTimer.current, HopfenTimer.vw_done) == (False, True, 1, True)
    send(controller, AutoEnum.NextStep)
    send(controller, AutoEnum.NextStep)
    assert getattr(Auto, f"step_{line}") == StepsEnum.Kochen
    # Done at lautering stays done; the whirlpool addition is due at the end.
    assert_left(seconds_shown(), ["erledigt", 1800, 4500, "", ""])
    assert HopfenTimer.alarm is False
    send(controller, AutoEnum.SetHopfengabe, 2.0)
    send(controller, AutoEnum.SetHopfengabe, 3.0)
    assert (HopfenTimer.success, HopfenTimer.wp_done) == (True, True)
    assert HopfenTimer.status == "Alle Hopfengaben erledigt"

    # Started at boiling, the first-wort addition is still open and due.
    send(controller, getattr(AutoEnum, f"Stop{line.upper()}"))
    send(controller, AutoEnum.Start, [6.0, page])
    assert_left(seconds_shown(), [0, 1800, 4500, "", ""])
    assert (HopfenTimer.alarm, HopfenTimer.current, HopfenTimer.vw_done) == (True, 0, False)
    assert HopfenTimer.status == "Hopfengabe 1 fällig"


def test_with_both_lines_next_step_moves_line_a_until_line_b_takes_over(controller):
    send(controller, AutoEnum.Start, [1.0, 0.0])
    send(controller, AutoEnum.Start, [4.0, 1.0])
    send(controller, AutoEnum.NextStep)
    assert (Auto.step_a, Auto.step_b) == (2, 4)
    Auto.step_a = 4
    send(controller, AutoEnum.NextStep)
    assert (Auto.step_a, Auto.step_b) == (4, 5)


def test_values_are_stored_as_ints(controller):
    send(controller, AutoEnum.FuFreqSpPump2, 35)
    send(controller, AutoEnum.FuFreqSpRw1, 20.0)
    assert (Auto.fu_freq_sp_pump2, Auto.fu_freq_sp_rw1) == (35, 20)
    send(controller, AutoEnum.SetStammwurzeCooking, 118.0)
    assert Auto.stammwurze_cooking == 118 and Auto.stammwurze_cooking_time != 0
    send(controller, AutoEnum.HandEnabled)
    assert Auto.hand_enabled is False


def test_malformed_values_are_ignored(controller):
    send(controller, AutoEnum.FuFreqSpPump1, "schnell")
    send(controller, AutoEnum.FuFreqSpPump1, None)
    assert Auto.fu_freq_sp_pump1 == 0
    send(controller, AutoEnum.Start, "A")
    assert (Auto.active_a, Auto.step_a) == (True, 0)
    send(controller, AutoEnum.SetHopfengabe, None)
    assert HopfenTimer.current == 0


class _Popups:
    """Records the popups the stand-in asks for."""

    def __init__(self):
        self.requested = []

    def request_popup(self, which, id_):
        self.requested.append((which, id_))


@pytest.fixture
def popups(controller, monkeypatch):
    recorder = _Popups()
    monkeypatch.setattr(controller.auto, "Gui", recorder)
    return recorder


@pytest.fixture
def three_vessels():
    before = Values.heat_zone_count_b
    Values.heat_zone_count_b = 4
    yield
    Values.heat_zone_count_b = before


def test_resume_data_offered_from_the_environment(controller, monkeypatch):
    monkeypatch.setenv("TAVELL_STANDIN_RECOVERY", "2,5")
    controller.auto.offer_recovery()
    assert (Auto.recovery_data_a.step, Auto.recovery_data_a.step_str) == (2, "Rasten")
    assert (Auto.recovery_data_b.step, Auto.recovery_data_b.step_str) == (5, "Heizphase Kochen")
    assert Auto.recovery_count == 2
    Auto.recovery_data_a.reset()
    Auto.recovery_data_b.reset()
    # Only line B's run; a step that does not exist is skipped.
    monkeypatch.setenv("TAVELL_STANDIN_RECOVERY", "9,4")
    controller.auto.offer_recovery()
    assert (Auto.recovery_data_a.step, Auto.recovery_data_b.step, Auto.recovery_count) == (-1, 4, 1)


def test_filling_start_asks_for_the_filling_popup(controller, popups):
    send(controller, AutoEnum.Start, [0.0, 0.0])
    assert (Auto.active_a, Auto.step_a) == (True, 0)
    assert popups.requested == [(PopupEnum.Fullen, controller.auto.FILLING_POPUP_ID)]
    send(controller, AutoEnum.Start, [4.0, 1.0])
    assert len(popups.requested) == 1


def test_resuming_one_run_withdraws_the_offer(controller, popups, three_vessels):
    Auto.recovery_data_b.step = 5
    Auto.recovery_count = 1
    send(controller, AutoEnum.Start, [-1.0, 0.0])
    # Only line B's run exists: it resumes on line B.
    assert (Auto.active_b, Auto.step_b, Auto.active_a) == (True, 5, False)
    assert (Auto.recovery_data_b.step, Auto.recovery_count) == (-1, 0)
    assert popups.requested == []


def test_two_runs_ask_which_to_resume(controller, popups, three_vessels):
    Auto.recovery_data_a.step = 2
    Auto.recovery_data_b.step = 6
    Auto.recovery_count = 2
    send(controller, AutoEnum.Start, [-1.0, 0.0])
    assert popups.requested == [(PopupEnum.Recovery, controller.auto.RECOVERY_POPUP_ID)]
    assert not (Auto.active_a or Auto.active_b)
    key = str(controller.auto.RECOVERY_POPUP_ID)
    # A rejected popup resumes nothing; the answer resumes only line B.
    controller.auto.dialog_data({key: {"a": False}, "current": None})
    assert not (Auto.active_a or Auto.active_b)
    controller.auto.dialog_data({key: {"a": True, "v": {"a": False, "b": True}}, "current": None})
    assert (Auto.active_a, Auto.active_b, Auto.step_b) == (False, True, 6)
    # Line A's run is still offered.
    assert (Auto.recovery_data_a.step, Auto.recovery_count) == (2, 2)


def test_prepare_popup_asked_for_after_the_screens_are_ready(controller, monkeypatch):
    asked = []

    class Signals:
        def auto_1_popup_prepare(self):
            asked.append(1)

    monkeypatch.setattr(controller.auto, "Auto", Signals())
    monkeypatch.setattr(controller.auto, "PREPARE_DELAY", 0.05)
    monkeypatch.setenv("TAVELL_STANDIN_PREPARE", "1")
    controller.auto.action_from_cpp(ActionEnum.ResetFlows)
    controller.auto.action_from_cpp(ActionEnum.GuiReady)
    deadline = time.monotonic() + 5
    while not asked and time.monotonic() < deadline:
        time.sleep(0.01)
    assert asked == [1]
