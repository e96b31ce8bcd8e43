"""The stand-in controller's answers to the step screens' requests."""

from tavell.auto import Auto, AutoEnum
from tavell.values import Values

from test_auto_stand_in import controller, idle_plant, send  # noqa: F401 (fixtures)


def test_sparge_toggle_counts_sparges_and_resumes_the_current_one(controller):
    Auto.ng_step, Auto.ng_liters_step, Auto.ng_active = 0, 0.0, False
    send(controller, AutoEnum.ToggleNg)
    assert (Auto.ng_step, Auto.ng_active) == (1, True)
    send(controller, AutoEnum.ToggleNg)
    assert (Auto.ng_step, Auto.ng_active) == (1, False)
    # Litres already counted: the same sparge goes on.
    Auto.ng_liters_step = 4.5
    send(controller, AutoEnum.ToggleNg)
    assert (Auto.ng_step, Auto.ng_active) == (1, True)
    Auto.ng_active, Auto.ng_liters_step, Auto.ng_step = False, 0.0, 0


def test_water_treated_toggles_the_snapshot_time(controller):
    assert Auto.recovery_data_a.water_treated_time < 0
    send(controller, AutoEnum.ToggleWaterTreated)
    assert Auto.recovery_data_a.water_treated_time > 0
    send(controller, AutoEnum.ToggleWaterTreated)
    assert Auto.recovery_data_a.water_treated_time < 0


def test_lauter_rest_begins_and_is_skipped(controller):
    send(controller, AutoEnum.BeginLauterRuhe)
    assert (Auto.abmaischen_active, Auto.lauterruhe_finished) == (True, False)
    send(controller, AutoEnum.MiscEventA)
    assert (Auto.abmaischen_active, Auto.lauterruhe_finished) == (False, True)
    Auto.lauterruhe_finished = False
