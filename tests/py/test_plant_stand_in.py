"""The stand-in controller's plant answers, against the real tavell: what the
scheme and the manual-operation tab show after a request."""

import pytest
from conftest import load_stand_in_controller

from tavell.action import ActionEnum
from tavell.actuator import Actuator, ActuatorEnum
from tavell.values import ValueEnum, Values


@pytest.fixture(scope="module")
def controller():
    return load_stand_in_controller()


@pytest.fixture(autouse=True)
def fresh_plant():
    Actuator.unblock_all_except_of(set())
    for out in Actuator.all_douts:
        out.state = False
    for fu in (Actuator.fu_pump_1, Actuator.fu_pump_2, Actuator.fu_rw_1, Actuator.fu_rw_2):
        fu.dir = 0
    yield
    Actuator.unblock_all_except_of(set())


def test_output_toggle_flips_unless_blocked(controller):
    controller.actuator_toggle_from_cpp(ActuatorEnum.SvKanal)
    assert Actuator.sv_kanal.state is True
    controller.actuator_toggle_from_cpp(ActuatorEnum.SvKanal)
    assert Actuator.sv_kanal.state is False
    Actuator.add_blocked([ActuatorEnum.SvKanal, ActuatorEnum.MvKkCip])
    controller.actuator_toggle_from_cpp(ActuatorEnum.SvKanal)
    controller.actuator_toggle_from_cpp(ActuatorEnum.MvKkCip)
    assert Actuator.sv_kanal.state is False and Actuator.mv_kk_cip.state is False


def test_drive_directions_toggle_and_honour_blocking(controller):
    pump = Actuator.fu_pump_2
    controller.actuator_toggle_from_cpp(ActuatorEnum.FuPump2Forward)
    assert pump.dir == 1
    controller.actuator_toggle_from_cpp(ActuatorEnum.FuPump2Backward)
    assert pump.dir == -1
    controller.actuator_toggle_from_cpp(ActuatorEnum.FuPump2Backward)
    assert pump.dir == 0
    controller.actuator_toggle_from_cpp(ActuatorEnum.FuPump2Forward)
    controller.actuator_toggle_from_cpp(ActuatorEnum.FuPump2Stop)
    assert pump.dir == 0
    # A blocked direction neither starts nor stops the drive.
    controller.actuator_toggle_from_cpp(ActuatorEnum.FuRw1Forward)
    Actuator.add_blocked([ActuatorEnum.FuRw1Forward, ActuatorEnum.FuPump2Backward])
    controller.actuator_toggle_from_cpp(ActuatorEnum.FuRw1Forward)
    controller.actuator_toggle_from_cpp(ActuatorEnum.FuPump2Backward)
    assert Actuator.fu_rw_1.dir == 1 and pump.dir == 0


def test_flow_reset_and_heating_commands(controller):
    Values.filled = 12.5
    Values.filled_hg = 8.0
    Values.filled_ng = 4.5
    controller.action_from_cpp(ActionEnum.ResetFlows)
    assert (Values.filled, Values.filled_hg, Values.filled_ng) == (0, 0, 0)
    before = (Values.heating_active, Values.heating_b_active)
    controller.action_from_cpp(ActionEnum.HeatingA)
    assert (Values.heating_active, Values.heating_b_active) == (not before[0], before[1])
    controller.action_from_cpp(ActionEnum.HeatingB)
    controller.action_from_cpp(ActionEnum.HeatingA)
    assert (Values.heating_active, Values.heating_b_active) == (before[0], not before[1])
    controller.action_from_cpp(ActionEnum.HeatingB)
    # Commands the stand-in has no answer for change nothing.
    controller.action_from_cpp(ActionEnum.InitFuRw1)
    assert Values.filled == 0


def test_zone_flag_request_is_echoed(controller):
    before = Values.heatzone_b3_enabled
    controller.value_from_cpp(ValueEnum.heatzone_b3_enabled, not before)
    assert Values.heatzone_b3_enabled is (not before)
    controller.value_from_cpp(ValueEnum.heatzone_b3_enabled, before)
