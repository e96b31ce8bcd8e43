"""The stand-in controller's value part: what the settings tabs send comes
back in Values with the property's type, and the sensor keys to choose from."""


import pytest

from conftest import load_stand_in_module
from tavell.values import ValueEnum, Values

TOUCHED = ["ticks_per_liter", "fu_freq_sp_rw1", "whirlpool_enabled", "auto_kondensator",
           "temp_kessel_sensor_key", "temp_kessel_model", "temp_kessel_b_model", "temp_kessel_b_sensor_key",
           "unknown_w1_sensors_values", "fu_rw1_ok", "fu_pump1_ok", "fu_rw2_ok", "fu_pump2_ok"]


@pytest.fixture
def stand_in():
    module = load_stand_in_module("values.py")
    saved = {name: getattr(Values, name) for name in TOUCHED}
    yield module
    for name, value in saved.items():
        setattr(Values, name, value)


# Numbers from the screens arrive as floats.
@pytest.mark.parametrize("code, value, name, stored, kind", [
    (ValueEnum.ticks_per_liter, 211.0, "ticks_per_liter", 211.0, float),
    (ValueEnum.fu_freq_sp_rw1, 31.0, "fu_freq_sp_rw1", 31, int),
    (ValueEnum.whirlpool_enabled, False, "whirlpool_enabled", False, bool),
])
def test_settings_request_is_stored(stand_in, code, value, name, stored, kind):
    stand_in.store(code, value)
    got = getattr(Values, name)
    assert got == stored and type(got) is kind


def test_condenser_request_toggles(stand_in):
    Values.auto_kondensator = True
    stand_in.store(ValueEnum.auto_kondensator, None)
    assert Values.auto_kondensator is False


def test_init_offers_sensor_keys_and_unassigned_sensors(stand_in):
    stand_in.init()
    assert "kessel" in Values.temp_kessel_model
    assert "kesselB" in Values.temp_kessel_b_model
    assert Values.unknown_w1_sensors_values
