"""The stand-in controller's simulator part: requests stored into Simulator,
and the simulated inputs fed back only in simulator mode."""

from types import SimpleNamespace

import pytest

from conftest import load_stand_in_module
from tavell.simulator import Simulator, SimuEnum

STORED = ["auto_flow", "ticks_per_minute", "auto_heating", "degrees_per_minute", "scale_factor",
          "a_in_0", "a_in_1"]


@pytest.fixture
def stand_in():
    module = load_stand_in_module("simulator.py")
    saved = {name: getattr(Simulator, name) for name in STORED}
    yield module
    for name, value in saved.items():
        setattr(Simulator, name, value)


@pytest.mark.parametrize("code, value, name, stored", [
    (SimuEnum.AutoFlow, False, "auto_flow", False),
    (SimuEnum.TicksPerMinute, 600, "ticks_per_minute", 600),
    (SimuEnum.TicksPerMinute, 600.0, "ticks_per_minute", 600),  # a slider's whole number
    (SimuEnum.TicksPerMinute, 0.0, "ticks_per_minute", 1),
    (SimuEnum.AutoHeating, False, "auto_heating", False),
    (SimuEnum.DegreesPerMinute, 2.5, "degrees_per_minute", 2.5),
    (SimuEnum.DegreesPerMinute, 3, "degrees_per_minute", 3.0),
    (SimuEnum.ScaleFactor, 0.75, "scale_factor", 0.75),
    (SimuEnum.AIn0, 42.0, "a_in_0", 42),
    (SimuEnum.AIn1, 250, "a_in_1", 100),
])
def test_request_is_stored(stand_in, code, value, name, stored):
    stand_in.value_from_cpp(code, value)
    got = getattr(Simulator, name)
    assert (got, type(got)) == (stored, type(stored))


@pytest.mark.parametrize("value, error", [
    (None, "TypeError"), ("12", "TypeError"), (float("nan"), "ValueError"),
    (float("inf"), "OverflowError"), (2 ** 40, "TypeError"),
])
def test_unusable_value_is_logged_and_dropped(stand_in, capfd, value, error):
    capfd.readouterr()
    stand_in.value_from_cpp(SimuEnum.TicksPerMinute, value)
    assert Simulator.ticks_per_minute == 10000
    err = capfd.readouterr().err.splitlines()
    assert len(err) == 1
    assert err[0].startswith("[WARN ]")
    assert err[0].endswith(f"[Py] controller: simulator ticks_per_minute = {value!r} refused ({error})")


def test_feed_back_only_in_simulator_mode(stand_in, monkeypatch):
    calls = []
    monkeypatch.setattr(stand_in, "_feed_back", lambda: calls.append(Simulator.a_in_0))

    stand_in.value_from_cpp(SimuEnum.AIn0, 5)
    stand_in.init(False)
    stand_in.value_from_cpp(SimuEnum.AIn0, 6)
    assert calls == []

    stand_in.init(True)
    stand_in.value_from_cpp(SimuEnum.AIn0, 7)
    stand_in.value_from_cpp(SimuEnum.AIn0, "x")  # dropped: nothing to feed back
    assert calls == [7]


class Clock:
    def __init__(self):
        self.now = 1000.0

    def __call__(self):
        return self.now


def fake_plant():
    sensor = SimpleNamespace(ain1=SimpleNamespace(value=0.0), ain2=SimpleNamespace(value=0.0))
    values = SimpleNamespace(ticks=0, filled=0.0, fillrate=0.0, ticks_per_liter=200.0,
                             temp_kessel=20.0, heating_active=True)
    return sensor, values


def parameters(**changes):
    params = dict(auto_flow=True, ticks_per_minute=100, auto_heating=True, degrees_per_minute=2.0,
                  a_in_0=0, a_in_1=0)
    params.update(changes)
    return SimpleNamespace(**params)


def test_plant_follows_the_parameters(stand_in):
    clock = Clock()
    plant = stand_in.SimulatedPlant(clock)
    sensor, values = fake_plant()

    clock.now += 90  # one and a half minutes
    plant.step(parameters(a_in_0=25, a_in_1=100), sensor, values)
    assert (sensor.ain1.value, sensor.ain2.value) == (25.0, 100.0)
    assert type(sensor.ain1.value) is float
    assert values.ticks == 150
    assert values.filled == 0.75
    assert values.fillrate == 0.5
    assert values.temp_kessel == 23.0

    # Parts of a tick are carried over, not lost.
    for expected in (150, 150, 151):
        clock.now += 0.24  # 0.4 ticks at 100 per minute
        plant.step(parameters(), sensor, values)
        assert values.ticks == expected


def test_plant_without_flow_or_heating(stand_in):
    clock = Clock()
    plant = stand_in.SimulatedPlant(clock)
    sensor, values = fake_plant()
    values.fillrate = 0.5

    clock.now += 60
    plant.step(parameters(auto_flow=False, auto_heating=False), sensor, values)
    assert (values.ticks, values.fillrate, values.temp_kessel) == (0, 0.0, 20.0)

    values.heating_active = False
    clock.now += 60
    plant.step(parameters(), sensor, values)
    assert values.temp_kessel == 20.0
    assert values.ticks == 100


def test_plant_heating_stops_at_boiling_and_leaves_errors(stand_in):
    clock = Clock()
    plant = stand_in.SimulatedPlant(clock)
    sensor, values = fake_plant()
    values.temp_kessel = 99.0

    clock.now += 60
    plant.step(parameters(degrees_per_minute=50.0), sensor, values)
    assert values.temp_kessel == 100.0

    values.temp_kessel = "Sensorfehler"
    clock.now += 60
    plant.step(parameters(), sensor, values)
    assert values.temp_kessel == "Sensorfehler"
