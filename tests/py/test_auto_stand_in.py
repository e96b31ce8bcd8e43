"""The stand-in controller's answers to the automatic sequence's requests."""

import importlib.util
import os
import sys

import pytest

from tavell.auto import Auto, AutoEnum, StepsEnum
from tavell.hopfentimer import HopfenTimer


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
        for name in ("rw1", "pump1", "rw2", "pump2"):
            setattr(Auto, "fu_freq_sp_" + name, 0)
        Auto.recovery_data_a.reset()
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


def test_line_b_boils_with_hop_display_and_finishes(controller):
    send(controller, AutoEnum.Start, [4.0, 1.0])
    assert (Auto.active_b, Auto.step_b, Auto.active_a) == (True, 4, False)
    send(controller, AutoEnum.NextStep)
    assert HopfenTimer.str1 == ""
    send(controller, AutoEnum.NextStep)
    assert Auto.step_b == StepsEnum.Kochen
    # Time left to each addition of a 70-minute boil, counted from now.
    texts = [getattr(HopfenTimer, "str%d" % i) for i in range(1, 6)]
    for text, seconds in zip(texts, [600, 2400, 3300, 3900, 4200]):
        minutes, rest = text.split(":")
        assert seconds - 2 <= int(minutes) * 60 + int(rest) <= seconds
    assert HopfenTimer.status.startswith("Nächste Hopfengabe in ")

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
