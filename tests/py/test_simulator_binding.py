"""tavell.simulator: the parameters' clamping through Python, the types the
properties take, and the exported constants."""

import re

import pytest

import tavell.simulator as sim
from tavell.simulator import DEFAULT_VALUES_SIMULATOR, MIN_MAX_KEYS_SIMULATOR, Simulator, SimKeys, SimuEnum

WRITABLE = ["auto_flow", "ticks_per_minute", "ticks_per_minute_min", "ticks_per_minute_max",
            "auto_heating", "degrees_per_minute", "degrees_per_minute_min", "degrees_per_minute_max",
            "a_in_0", "a_in_0_min", "a_in_0_max", "a_in_1", "a_in_1_min", "a_in_1_max", "scale_factor"]
PROPERTIES = ["auto_flow", "ticks_per_minute", "ticks_per_minute_min", "ticks_per_minute_max",
              "auto_flow_default", "ticks_per_minute_default", "auto_heating", "degrees_per_minute",
              "degrees_per_minute_min", "degrees_per_minute_max", "auto_heating_default",
              "degrees_per_minute_default", "a_in_0", "a_in_0_min", "a_in_0_max", "a_in_0_default",
              "a_in_1", "a_in_1_min", "a_in_1_max", "a_in_1_default", "scale_factor"]
KEYS = ["auto_flow", "auto_flow_default", "ticks_per_minute", "ticks_per_minute_min",
        "ticks_per_minute_max", "ticks_per_minute_default", "auto_heating", "auto_heating_default",
        "degrees_per_minute", "degrees_per_minute_min", "degrees_per_minute_max",
        "degrees_per_minute_default", "a_in_0", "a_in_0_min", "a_in_0_max", "a_in_0_default",
        "a_in_1", "a_in_1_min", "a_in_1_max", "a_in_1_default", "scale_factor"]
# The limit keys of the process values, which the simulator's must not reuse.
VALUES_KEYS_MIN_MAX = {
    "cooking_start_temp_min", "cooking_start_temp_max", "kondensator_start_temp_min",
    "kondensator_start_temp_max", "whirlpool_seconds_min", "whirlpool_seconds_max",
    "whirlpool_min_freq_min", "whirlpool_min_freq_max", "stammwuerze_min", "stammwuerze_max",
    "hauptguss_min", "hauptguss_max", "hauptguss_temp_min", "maisch_temp_min", "maisch_temp_max",
    "rast_temp_min", "rast_temp_max", "rast_time_min", "rast_time_max", "nachguss_liter_min",
    "nachguss_liter_max", "nachguss_count_min", "nachguss_count_max", "cooking_time_min",
    "cooking_time_max", "cooking_power_percentage_min", "cooking_power_percentage_max",
    "evaporation_rate_min", "evaporation_rate_max", "fu_freq_sp_rw1_min", "fu_freq_sp_rw1_max",
    "fu_freq_sp_pump1_min", "fu_freq_sp_pump1_max", "fu_freq_sp_rw2_min", "fu_freq_sp_rw2_max",
    "fu_freq_sp_pump2_min", "fu_freq_sp_pump2_max", "ticks_per_liter_min", "ticks_per_liter_max"}

CRIT = re.compile(r"^\[CRIT \]\[[^\]]*\]\[\d+:\d+:\d+\] (.*)$")
KLEIN = "[Simulator WERT ZU KLEIN] {} wird zu {} geändert."
GROSS = "[Simulator WERT ZU GROß] {} wird zu {} geändert."


@pytest.fixture(autouse=True)
def restore_simulator():
    """Simulator is the program's one object: every test leaves it as found."""
    saved = {name: getattr(Simulator, name) for name in WRITABLE}
    yield
    for name in WRITABLE:  # bounds before the values they limit
        if name.endswith(("_min", "_max")):
            setattr(Simulator, name, saved[name])
    for name in WRITABLE:
        setattr(Simulator, name, saved[name])


def log_lines(capfd):
    return capfd.readouterr().err.splitlines()


def critical_texts(lines):
    return [m.group(1) for m in map(CRIT.match, lines) if m]


# name, value written first (or None), request, value read back, log line
CLAMPING = [
    ("ticks_per_minute", None, 0, 1, KLEIN.format(0, 1)),
    ("ticks_per_minute", None, 20000, 10000, GROSS.format(20000, 10000)),
    ("ticks_per_minute", None, 10000, 10000, None),
    ("ticks_per_minute", None, 1, 1, None),
    ("ticks_per_minute", 1, -5, 1, KLEIN.format(-5, 1)),
    ("degrees_per_minute", None, 0.05, 0.10000000149011612, KLEIN.format("0.05", "0.1")),
    ("degrees_per_minute", None, 75.5, 50.0, GROSS.format("75.5", 50)),
    ("degrees_per_minute", None, 10, 10.0, None),
    ("degrees_per_minute", None, 2.25, 2.25, None),
    ("degrees_per_minute", 50.0, float("inf"), 50.0, GROSS.format("inf", 50)),
    ("a_in_0", None, -1, 0, KLEIN.format(-1, 0)),
    ("a_in_0", None, 101, 100, GROSS.format(101, 100)),
    ("a_in_0", None, 100, 100, None),
    ("a_in_0", 30, 30, 30, None),
    ("a_in_1", 40, -20, 0, KLEIN.format(-20, 0)),
    ("a_in_1", 100, 1000, 100, GROSS.format(1000, 100)),
    ("a_in_1", None, 0, 0, None),
    # The window's scale has fixed bounds: its drawing grows with its square.
    ("scale_factor", None, 20.0, 2.0, GROSS.format(20, 2)),
    ("scale_factor", None, 1000, 2.0, GROSS.format(1000, 2)),
    ("scale_factor", None, 0.0, 0.10000000149011612, KLEIN.format(0, "0.1")),
    ("scale_factor", None, 1.25, 1.25, None),
]


@pytest.mark.parametrize("name, preset, request_, stored, line", CLAMPING)
def test_clamping(capfd, name, preset, request_, stored, line):
    if preset is not None:
        setattr(Simulator, name, preset)
    capfd.readouterr()
    setattr(Simulator, name, request_)
    value = getattr(Simulator, name)
    assert value == stored
    assert type(value) is type(stored)
    lines = log_lines(capfd)
    assert critical_texts(lines) == ([line] if line else [])
    assert len(lines) == len(critical_texts(lines))


@pytest.mark.parametrize("name, request_, bound, line", [
    ("ticks_per_minute", 0, 1, KLEIN.format(0, 1)),
    ("degrees_per_minute", 99.0, 50.0, GROSS.format(99, 50)),
    ("a_in_0", -3, 0, KLEIN.format(-3, 0)),
    ("a_in_1", 101, 100, GROSS.format(101, 100)),
])
def test_repeated_request_is_clamped_and_logged_each_time(capfd, name, request_, bound, line):
    capfd.readouterr()
    for _ in range(3):
        setattr(Simulator, name, request_)
        assert getattr(Simulator, name) == bound
    # The bound itself is a request equal to the stored value: no line.
    setattr(Simulator, name, bound)
    assert critical_texts(log_lines(capfd)) == [line] * 3


def test_clamping_follows_bounds_set_from_python(capfd):
    Simulator.ticks_per_minute_min = 100
    Simulator.ticks_per_minute_max = 200
    Simulator.degrees_per_minute_min = 1.5
    Simulator.a_in_1_max = 10
    capfd.readouterr()
    Simulator.ticks_per_minute = 99
    Simulator.degrees_per_minute = 1.0
    Simulator.a_in_1 = 11
    assert (Simulator.ticks_per_minute, Simulator.degrees_per_minute, Simulator.a_in_1) == (100, 1.5, 10)
    assert critical_texts(log_lines(capfd)) == [KLEIN.format(99, 100), KLEIN.format(1, "1.5"),
                                                GROSS.format(11, 10)]


def test_changing_a_bound_keeps_the_value(capfd):
    Simulator.a_in_0 = 80
    Simulator.a_in_0_max = 50
    assert (Simulator.a_in_0, Simulator.a_in_0_max) == (80, 50)
    # A lower bound above the upper one is not checked either.
    Simulator.a_in_0_min = 70
    assert Simulator.a_in_0_min == 70
    assert critical_texts(log_lines(capfd)) == []


def test_plain_setters_store_without_bounds(capfd):
    Simulator.auto_flow = False
    Simulator.auto_heating = False
    Simulator.ticks_per_minute_max = -1
    assert (Simulator.auto_flow, Simulator.auto_heating) == (False, False)
    assert Simulator.ticks_per_minute_max == -1
    assert critical_texts(log_lines(capfd)) == []


def test_initial_values_and_single_precision():
    expected = {"auto_flow": True, "ticks_per_minute_min": 1, "ticks_per_minute_max": 10000,
                "ticks_per_minute": 10000, "auto_heating": True, "degrees_per_minute_max": 50.0,
                "degrees_per_minute": 10.0, "a_in_0_min": 0, "a_in_0_max": 100, "a_in_0": 0,
                "a_in_1_min": 0, "a_in_1_max": 100, "a_in_1": 0, "scale_factor": 0.5,
                "auto_flow_default": True, "ticks_per_minute_default": 10000,
                "auto_heating_default": True, "degrees_per_minute_default": 10.0,
                "a_in_0_default": 0, "a_in_1_default": 0}
    for name, value in expected.items():
        got = getattr(Simulator, name)
        assert (got, type(got)) == (value, type(value)), name
    # The bound is the float nearest to 0.1, read as a double.
    assert Simulator.degrees_per_minute_min == 0.10000000149011612
    Simulator.scale_factor = 0.3
    assert Simulator.scale_factor == 0.30000001192092896


@pytest.mark.parametrize("name", WRITABLE)
def test_str_is_refused_with_type_error(capfd, name):
    before = getattr(Simulator, name)
    capfd.readouterr()
    with pytest.raises(TypeError):
        setattr(Simulator, name, "5")
    assert getattr(Simulator, name) == before
    assert capfd.readouterr().err == ""


@pytest.mark.parametrize("name", ["ticks_per_minute", "ticks_per_minute_min", "a_in_0", "a_in_1_max"])
def test_float_is_refused_where_an_int_is_expected(name):
    before = getattr(Simulator, name)
    with pytest.raises(TypeError):
        setattr(Simulator, name, 5.0)
    assert getattr(Simulator, name) == before


def test_defaults_are_read_only():
    for name in PROPERTIES:
        if name.endswith("_default"):
            with pytest.raises(AttributeError):
                setattr(Simulator, name, getattr(Simulator, name))
    assert not hasattr(Simulator, "scale_factor_default")


def test_class_members_and_object():
    cls = sim.SimulatorClass
    assert [n for n, v in vars(cls).items() if isinstance(v, property)] == PROPERTIES
    assert type(Simulator) is cls
    with pytest.raises(TypeError):
        cls()


def test_sim_keys():
    names = [n for n in vars(SimKeys) if not n.startswith("_")]
    assert names == KEYS
    keys = SimKeys()
    for name in KEYS:
        assert getattr(SimKeys, name) == name
        assert getattr(keys, name) == name
    with pytest.raises(AttributeError):
        SimKeys.auto_flow = "x"
    with pytest.raises(AttributeError):
        keys.a_in_0 = "x"
    assert SimKeys.auto_flow == "auto_flow"
    # Every key names a property of the class.
    assert set(KEYS) == set(PROPERTIES)
    assert all(isinstance(vars(sim.SimulatorClass)[k], property) for k in KEYS)


def test_simu_enum():
    assert {name: int(member) for name, (member, _) in SimuEnum.__entries.items()} == {
        "AutoFlow": 0, "TicksPerMinute": 1, "AutoHeating": 2, "DegreesPerMinute": 3,
        "ScaleFactor": 4, "AIn0": 5, "AIn1": 6}
    assert list(SimuEnum.__members__) == ["AutoFlow", "TicksPerMinute", "AutoHeating",
                                          "DegreesPerMinute", "ScaleFactor", "AIn0", "AIn1"]
    for qt_key in ("SimAutoFlow", "SimEnumCount", "EnumCount"):
        assert not hasattr(SimuEnum, qt_key)
    assert SimuEnum(3) == SimuEnum.DegreesPerMinute


def test_default_values_in_order_with_types():
    assert type(DEFAULT_VALUES_SIMULATOR) is dict
    assert [(k, v, type(v)) for k, v in DEFAULT_VALUES_SIMULATOR.items()] == [
        ("ticks_per_minute", 10000, int),
        ("degrees_per_minute", 10.0, float),
        ("auto_flow", True, bool),
        ("scale_factor", 0.5, float),
    ]
    for key in DEFAULT_VALUES_SIMULATOR:
        assert hasattr(SimKeys, key)


def test_min_max_keys():
    assert type(MIN_MAX_KEYS_SIMULATOR) is set
    assert MIN_MAX_KEYS_SIMULATOR == {
        "ticks_per_minute_min", "ticks_per_minute_max", "degrees_per_minute_min",
        "degrees_per_minute_max", "a_in_0_min", "a_in_0_max", "a_in_1_min", "a_in_1_max"}
    assert MIN_MAX_KEYS_SIMULATOR.isdisjoint(VALUES_KEYS_MIN_MAX)
    assert MIN_MAX_KEYS_SIMULATOR <= set(WRITABLE)


def test_module_members():
    public = [n for n in vars(sim) if not n.startswith("_")]
    assert public == ["SimulatorClass", "Simulator", "SimKeys", "SimuEnum",
                      "DEFAULT_VALUES_SIMULATOR", "MIN_MAX_KEYS_SIMULATOR"]
