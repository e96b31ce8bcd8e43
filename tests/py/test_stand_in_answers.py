"""What the stand-in controller answers to the screens' requests: one row per
request with the state before it and the state the screens then show. Fields
the row does not name must not change. A name "values.x" is the field x of
Values (the lines' status texts), every other name a field of Auto."""

import importlib

import pytest

from tavell.auto import Auto, AutoEnum
from tavell.sensor import Sensor, SensorEnum
from tavell.values import Values

from test_auto_stand_in import controller, idle_plant  # noqa: F401 (fixtures)

# A time of recording: any time but 0.
RECORDED = "recorded"

# The status of a line that stands.
READY = "Automatik bereit"

# tag, code, value, state before, state after (only what changes)
AUTO_ROWS = [
    ("main infusion", AutoEnum.ToggleHg, None, {"hg_active": False}, {"hg_active": True}),
    ("lautering", AutoEnum.ToggleLautern, None, {"lautern_active": False}, {"lautern_active": True}),
    ("cloudy wort", AutoEnum.ToggleTrubwurze, None, {"trubwurze_active": True}, {"trubwurze_active": False}),
    ("manual filling", AutoEnum.ToggleManualFilling, None, {"filling_active": False}, {"filling_active": True}),
    ("hand release", AutoEnum.HandEnabled, None, {"hand_enabled": False}, {"hand_enabled": True}),
    ("stop line A", AutoEnum.StopA, None,
     {"active_a": True, "step_a": 2, "active_b": True, "step_b": 5, "values.status_a": "Rasten laufen",
      "values.status_b": "Würze wird zum Kochen erhitzt"},
     {"active_a": False, "step_a": -1, "values.status_a": READY}),
    ("stop line B", AutoEnum.StopB, None,
     {"active_a": True, "step_a": 2, "active_b": True, "step_b": 5, "values.status_a": "Rasten laufen",
      "values.status_b": "Würze wird zum Kochen erhitzt"},
     {"active_b": False, "step_b": -1, "values.status_b": READY}),
    ("skip a rest", AutoEnum.MiscEventA, None,
     {"abmaischen_active": False, "skip_rast_enabled": True, "status_rasten": "Rast 2"},
     {"status_rasten": "Rast übersprungen"}),
    ("no skip while not released", AutoEnum.MiscEventA, None,
     {"abmaischen_active": False, "skip_rast_enabled": False, "status_rasten": "Rast 2"}, {}),
    ("finish needs the acknowledgement asked for", AutoEnum.FinishAckn, None,
     {"active_b": True, "step_b": 6, "wait_for_ackn": False}, {}),
    ("pump 1 frequency", AutoEnum.FuFreqSpPump1, 31.0, {"fu_freq_sp_pump1": 0}, {"fu_freq_sp_pump1": 31}),
    ("stirrer 2 frequency", AutoEnum.FuFreqSpRw2, 12.0, {"fu_freq_sp_rw2": 0}, {"fu_freq_sp_rw2": 12}),
    ("full-kettle gravity", AutoEnum.SetStammwurzeHeating, 125.0,
     {"stammwurze_heating": 120, "stammwurze_heating_time": 0},
     {"stammwurze_heating": 125, "stammwurze_heating_time": RECORDED}),
    ("start tells what line A does, its drives at the hand settings", AutoEnum.Start, [1.0, 0.0],
     {"values.status_a": READY, "values.status_b": READY, "values.fu_freq_sp_rw1": 21, "values.fu_freq_sp_pump1": 22,
      "values.fu_freq_sp_pump_lautern": 23, "values.fu_freq_sp_rw2": 24, "values.fu_freq_sp_pump2": 26},
     {"active_a": True, "step_a": 1, "values.status_a": "Warte auf die Malzschüttung", "fu_freq_sp_rw1": 21,
      "fu_freq_sp_pump1": 22, "fu_freq_sp_pump_lautern": 23, "fu_freq_sp_rw2": 24, "fu_freq_sp_pump2": 26}),
    ("a second line keeps the frequencies of the running one", AutoEnum.Start, [4.0, 1.0],
     {"active_a": True, "step_a": 2, "fu_freq_sp_pump1": 30, "values.fu_freq_sp_pump1": 22},
     {"active_b": True, "step_b": 4, "values.status_b": "Läutern und Nachgüsse"}),
    ("next step tells the new step", AutoEnum.NextStep, None,
     {"active_a": True, "step_a": 3, "values.status_a": "Abmaischen und Läuterruhe"},
     {"step_a": 4, "values.status_a": "Läutern und Nachgüsse"}),
    ("end of the boil asks to finish", AutoEnum.NextStep, None,
     {"active_b": True, "step_b": 6, "values.status_b": "Würze kocht"},
     {"wait_for_ackn": True, "values.status_b": "Brauvorgang beendet, bitte abschließen"}),
    ("finishing makes line B ready again", AutoEnum.FinishAckn, None,
     {"active_b": True, "step_b": 6, "wait_for_ackn": True, "values.status_b": "Brauvorgang beendet, bitte abschließen",
      "values.status_a": READY},
     {"active_b": False, "step_b": -1, "wait_for_ackn": False, "values.status_b": READY}),
]

WATCHED = sorted({name for row in AUTO_ROWS for name in row[3]} | {
    "hg_active", "lautern_active", "trubwurze_active", "filling_active", "hand_enabled", "active_a", "active_b",
    "step_a", "step_b", "wait_for_ackn", "status_rasten", "fu_freq_sp_pump1", "fu_freq_sp_rw1",
    "fu_freq_sp_pump2", "fu_freq_sp_rw2", "stammwurze_heating", "stammwurze_cooking", "stammwurze_cooking_time",
    "fu_freq_sp_pump_lautern", "values.status_a", "values.status_b"})


def _holder(name):
    return (Values, name[len("values."):]) if name.startswith("values.") else (Auto, name)


def _get(name):
    return getattr(*_holder(name))


def _set(name, value):
    setattr(*_holder(name), value)


@pytest.fixture
def kept_auto():
    saved = {name: _get(name) for name in WATCHED + ["skip_rast_enabled", "abmaischen_active"]}
    yield
    for name, value in saved.items():
        _set(name, value)


@pytest.mark.parametrize("tag, code, value, before, after", AUTO_ROWS, ids=[row[0] for row in AUTO_ROWS])
def test_auto_request_answered(controller, kept_auto, tag, code, value, before, after):
    for name, field in before.items():
        _set(name, field)
    expected = {name: _get(name) for name in WATCHED}
    expected.update(after)
    controller.auto_value_from_cpp(code, value)
    got = {name: _get(name) for name in WATCHED}
    got.update({name: RECORDED for name, field in after.items() if field == RECORDED and got[name] != 0})
    assert got == expected


def test_both_lines_report_ready_once_started(controller, kept_auto):
    Values.status_a = Values.status_b = "Controller noch nicht initialisiert"
    importlib.import_module(controller.__name__ + ".auto").init()
    assert (Values.status_a, Values.status_b) == (READY, READY)


INPUTS = [SensorEnum.Start, SensorEnum.Stop, SensorEnum.Flow, SensorEnum.PThreshold, SensorEnum.Ls1, SensorEnum.Ls2]


@pytest.mark.parametrize("code, value", [
    (SensorEnum.Start, True), (SensorEnum.Stop, True), (SensorEnum.Flow, True),
    (SensorEnum.PThreshold, True), (SensorEnum.Ls1, False), (SensorEnum.Ls2, False),
])
def test_input_request_answered(controller, code, value):
    inputs = {c: Sensor.din_from_enum(c) for c in INPUTS}
    saved = {c: din.state for c, din in inputs.items()}
    try:
        for din in inputs.values():
            din.state = not value
        controller.sensor_value_from_cpp(code, value)
        assert {c: din.state for c, din in inputs.items()} == {c: value if c == code else not value for c in INPUTS}
    finally:
        for c, din in inputs.items():
            din.state = saved[c]
