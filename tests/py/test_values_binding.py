"""tavell.values as the controller sees it: names, constants, conversions,
clamping and the zone-flag lists, against the program's own Values object."""

import pytest

import tavell.values as tv
from conftest import load_stand_in_module
from tavell.values import ValueEnum, ValueKeys, Values, ValuesClass


def _properties(writable):
    return [name for name, member in vars(ValuesClass).items()
            if isinstance(member, property) and (member.fset is not None) == writable]


@pytest.fixture(autouse=True)
def restore_values():
    # Every test leaves Values as it found it: bounds first, so that the
    # clamping setters take the old values back unchanged.
    names = [n for n in _properties(True) if not n.startswith("enabled_heat_zones")]
    saved = {name: getattr(Values, name) for name in names}
    yield
    for name in sorted(names, key=lambda n: not n.endswith(("_min", "_max"))):
        setattr(Values, name, saved[name])


def log_lines(capfd):
    return capfd.readouterr().err.splitlines()


# ---- names and constants -------------------------------------------------------

MEMBERS = """
status_a status_b cpu_temp upgrade_ignore_versions w1 unknown_w1_sensors_values heating_setpoint
heating_active heatzone_1_enabled heatzone_2_enabled heatzone_3_enabled heatzone_4_enabled
get_heating_setpoint set_heating_active heating_b_setpoint heating_b_active heatzone_b1_enabled
heatzone_b2_enabled heatzone_b3_enabled heatzone_b4_enabled get_heating_b_setpoint set_heating_b_active
cooking_start_temp cooking_start_temp_min cooking_start_temp_max cooking_start_temp_default
kondensator_start_temp kondensator_start_temp_min kondensator_start_temp_max kondensator_start_temp_default
auto_kondensator auto_kond_btn_enabled whirlpool_enabled
whirlpool_seconds whirlpool_seconds_min whirlpool_seconds_max whirlpool_seconds_default
whirlpool_min_freq whirlpool_min_freq_min whirlpool_min_freq_max whirlpool_min_freq_default
stammwuerze_min stammwuerze_max hauptguss_min hauptguss_max hauptguss_temp_min maisch_temp_min
maisch_temp_max rast_temp_min rast_temp_max rast_time_min rast_time_max rast_count_max
nachguss_liter_min nachguss_liter_max nachguss_count_min nachguss_count_max hopfen_count_max
cooking_time_min cooking_time_max cooking_power_percentage_min cooking_power_percentage_max
evaporation_rate_min evaporation_rate_max heat_zone_temp_max temp_kessel_model temp_kessel_sensor_key
heat_zone_count enabled_heat_zones temp_kessel temp_zone_1 temp_zone_2 temp_zone_3 temp_zone_4
set_temp_or_err_zone_indexed get_enabled_heat_zones set_temp_kessel
temp_kessel_b_model temp_kessel_b_sensor_key heat_zone_count_b enabled_heat_zones_b temp_kessel_b
temp_zone_b1 temp_zone_b2 temp_zone_b3 temp_zone_b4
set_temp_or_err_zone_b_indexed get_enabled_heat_zones_b set_temp_kessel_b
fu_freq_sp_rw1 fu_freq_sp_rw1_min fu_freq_sp_rw1_max fu_freq_sp_rw1_default
fu_freq_sp_pump1 fu_freq_sp_pump1_min fu_freq_sp_pump1_max fu_freq_sp_pump1_default
fu_freq_sp_pump_lautern fu_freq_sp_pump_lautern_default fu_rw1_ok fu_pump1_ok
fu_freq_sp_rw2 fu_freq_sp_rw2_min fu_freq_sp_rw2_max fu_freq_sp_rw2_default
fu_freq_sp_pump2 fu_freq_sp_pump2_min fu_freq_sp_pump2_max fu_freq_sp_pump2_default fu_rw2_ok fu_pump2_ok
set_fu_freq_sp_rw1 set_fu_freq_sp_pump1 set_fu_freq_sp_pump_lautern set_fu_freq_sp_rw2 set_fu_freq_sp_pump2
fillrate filled ticks ticks_per_liter ticks_per_liter_min ticks_per_liter_max ticks_per_liter_default
filled_hg filled_ng remote_pump_control_active
""".split()

READ_ONLY = {"rast_count_max", "hopfen_count_max", "fu_freq_sp_pump_lautern_default"} | {
    n for n in MEMBERS if n.endswith("_default")}

METHODS = {n for n in MEMBERS if n.startswith(("get_", "set_"))}


def test_module_contents_in_creation_order():
    public = [n for n in vars(tv) if not n.startswith("__")]
    assert public == ["ValuesClass", "Values", "DEFAULT_VALUES_DICT", "KEYS_MIN_MAX", "ValueKeys", "ValueEnum",
                      "ENUMS_FU_SET", "ENUMS_ZONES_A_ENABLED_SET", "ENUMS_ZONES_B_ENABLED_SET"]


def test_class_members_in_binding_order_and_kind():
    assert [n for n in vars(ValuesClass) if not n.startswith("_")] == MEMBERS
    assert set(_properties(False)) == READ_ONLY
    assert set(_properties(True)) == set(MEMBERS) - READ_ONLY - METHODS
    for name in METHODS:
        assert callable(getattr(Values, name)), name


def test_class_cannot_be_instantiated_and_values_is_its_instance():
    with pytest.raises(TypeError):
        ValuesClass()
    assert isinstance(Values, ValuesClass)


def test_default_values_dict_content_and_order():
    expected = [
        ("enabled_heat_zones", [True, True, True, True]),
        ("enabled_heat_zones_b", [True, True, True, True]),
        ("ticks_per_liter", 210.0), ("fu_freq_sp_pump1", 25), ("fu_freq_sp_pump2", 25),
        ("fu_freq_sp_rw1", 25), ("fu_freq_sp_rw2", 25), ("fu_freq_sp_pump_lautern", 25),
        ("cooking_start_temp", 98), ("kondensator_start_temp", 97), ("auto_kondensator", True),
        ("whirlpool_enabled", True), ("whirlpool_min_freq", 30), ("whirlpool_seconds", 20),
        ("w1", {}), ("upgrade_ignore_versions", {}),
    ]
    items = list(tv.DEFAULT_VALUES_DICT.items())
    assert items == expected
    assert [type(v) for _, v in items] == [type(v) for _, v in expected]
    assert all(type(flag) is bool for flag in tv.DEFAULT_VALUES_DICT["enabled_heat_zones"])
    # Each default is what the property starts with.
    for key in ("ticks_per_liter", "fu_freq_sp_rw1", "cooking_start_temp", "whirlpool_seconds"):
        assert getattr(Values, key + "_default") == tv.DEFAULT_VALUES_DICT[key]


def test_keys_min_max_are_the_bounds_of_values():
    keys = tv.KEYS_MIN_MAX
    assert type(keys) is set and len(keys) == 39
    bounds = {n for n in _properties(True) if n.endswith(("_min", "_max"))}
    assert keys == bounds - {"heat_zone_temp_max"}
    assert not keys & {"rast_count_max", "hopfen_count_max", "heat_zone_temp_max"}


VALUE_KEYS = [n for n in MEMBERS if n not in METHODS and n not in {
    "rast_count_max", "hopfen_count_max", "fu_freq_sp_pump_lautern_default"}]


def test_value_keys_attributes():
    # Binding order differs from the class's in a few places; the odd
    # fu_freq_sp_ is the drives' common prefix.
    names = [n for n in vars(ValueKeys) if not n.startswith("_")]
    assert len(names) == 109
    assert names[:7] == ["status_a", "status_b", "cpu_temp", "upgrade_ignore_versions", "w1",
                         "heat_zone_temp_max", "unknown_w1_sensors_values"]
    assert names[names.index("evaporation_rate_max") + 1:][:2] == ["fu_freq_sp_", "fu_freq_sp_rw1"]
    assert set(names) == set(VALUE_KEYS) | {"fu_freq_sp_"}
    for name in names:
        value = getattr(ValueKeys, name)
        assert type(value) is str and value == name
    assert ValueKeys.fu_freq_sp_ == "fu_freq_sp_"
    assert ValueKeys().status_a == "status_a"


def test_value_keys_are_read_only_and_constructor_takes_nothing():
    with pytest.raises(AttributeError):
        ValueKeys.status_a = "x"
    with pytest.raises(AttributeError):
        ValueKeys().w1 = "x"
    assert ValueKeys.status_a == "status_a"
    with pytest.raises(TypeError):
        ValueKeys(1)


ENUM_NAMES = """
heatzone_1_enabled heatzone_2_enabled heatzone_3_enabled heatzone_4_enabled heatzone_b1_enabled
heatzone_b2_enabled heatzone_b3_enabled heatzone_b4_enabled heating_setpoint heating_b_setpoint
cooking_start_temp kondensator_start_temp ticks_per_liter whirlpool_enabled whirlpool_seconds
whirlpool_min_freq fu_freq_sp_rw1 fu_freq_sp_pump1 fu_freq_sp_rw2 fu_freq_sp_pump2 fu_freq_sp_pump_lautern
temp_kessel_sensor_key temp_kessel_b_sensor_key auto_kondensator TempZone1 TempZone2 TempZone3 TempZone4
TempZoneB1 TempZoneB2 TempZoneB3 TempZoneB4 TempKessel TempKesselB
""".split()


def test_value_enum_names_and_values():
    entries = ValueEnum.__entries
    assert len(entries) == 34
    assert [(name, int(member)) for name, (member, _) in entries.items()] == [
        (name, code) for code, name in enumerate(ENUM_NAMES)]
    assert int(ValueEnum.TempKesselB) == 33
    assert int(ValueEnum.ticks_per_liter) == 12
    assert not hasattr(ValueEnum, "ValuesEnumCount")
    # Members 0 to 23 name a writable property of Values.
    writable = set(_properties(True))
    assert all(name in writable for name in ENUM_NAMES[:24])


def test_code_sets():
    E = ValueEnum
    assert tv.ENUMS_FU_SET == {E.fu_freq_sp_rw1, E.fu_freq_sp_pump1, E.fu_freq_sp_rw2, E.fu_freq_sp_pump2,
                               E.fu_freq_sp_pump_lautern}
    assert {int(c) for c in tv.ENUMS_ZONES_A_ENABLED_SET} == {0, 1, 2, 3}
    assert {int(c) for c in tv.ENUMS_ZONES_B_ENABLED_SET} == {4, 5, 6, 7}
    for codes in (tv.ENUMS_FU_SET, tv.ENUMS_ZONES_A_ENABLED_SET, tv.ENUMS_ZONES_B_ENABLED_SET):
        assert type(codes) is set and all(type(c) is ValueEnum for c in codes)


# ---- clamping ------------------------------------------------------------------

CLAMPED = [
    ("cooking_start_temp", 90, 99), ("kondensator_start_temp", 90, 99), ("whirlpool_seconds", 5, 60),
    ("whirlpool_min_freq", 10, 70), ("fu_freq_sp_rw1", 1, 50), ("fu_freq_sp_pump1", 1, 50),
    ("fu_freq_sp_rw2", 1, 50), ("fu_freq_sp_pump2", 1, 50),
]


@pytest.mark.parametrize("name,low,high", CLAMPED)
def test_clamping_through_python_logs_each_correction(capfd, name, low, high):
    assert (getattr(Values, name + "_min"), getattr(Values, name + "_max")) == (low, high)
    capfd.readouterr()
    setattr(Values, name, high + 1)
    assert getattr(Values, name) == high
    setattr(Values, name, low - 5)
    assert getattr(Values, name) == low
    setattr(Values, name, low)  # equal to the stored value: no line
    lines = log_lines(capfd)
    assert len(lines) == 2
    assert lines[0].startswith("[CRIT ]")
    assert lines[0].endswith(f"] [Values WERT ZU GROß] {high + 1} wird zu {high} geändert.")
    assert lines[1].endswith(f"] [Values WERT ZU KLEIN] {low - 5} wird zu {low} geändert.")


def test_changed_bounds_apply_to_the_next_write(capfd):
    Values.whirlpool_seconds_max = 30
    assert Values.whirlpool_seconds == 20
    Values.set_fu_freq_sp_rw1(0)
    Values.whirlpool_seconds = 45
    assert (Values.whirlpool_seconds, Values.fu_freq_sp_rw1) == (30, 1)
    assert len(log_lines(capfd)) == 2


def test_ticks_per_liter_clamps_at_the_single_precision_bound(capfd):
    Values.ticks_per_liter = 0.05
    assert Values.ticks_per_liter == pytest.approx(0.1)
    assert Values.ticks_per_liter == Values.ticks_per_liter_min
    Values.ticks_per_liter = 2000
    assert Values.ticks_per_liter == 1000.0
    lines = log_lines(capfd)
    assert lines[0].endswith("] [Values WERT ZU KLEIN] 0.05 wird zu 0.1 geändert.")
    assert lines[1].endswith("] [Values WERT ZU GROß] 2000 wird zu 1000 geändert.")


def test_lautering_pump_has_no_bounds(capfd):
    Values.set_fu_freq_sp_pump_lautern(500)
    assert Values.fu_freq_sp_pump_lautern == 500
    Values.fu_freq_sp_pump_lautern = -3
    assert Values.fu_freq_sp_pump_lautern == -3
    assert log_lines(capfd) == []


# ---- what each property accepts --------------------------------------------------

@pytest.mark.parametrize("name,value", [
    ("heat_zone_temp_max", 5.0), ("heat_zone_temp_max", 2 ** 31), ("heat_zone_temp_max", -2 ** 31 - 1),
    ("heat_zone_temp_max", "5"), ("heat_zone_temp_max", None), ("cooking_start_temp", 95.5),
    ("ticks", 1.5), ("fillrate", "1.5"), ("ticks_per_liter", None), ("ticks_per_liter", 10 ** 400),
    ("heating_active", "ja"), ("heating_active", [True]),
])
def test_refused_writes_raise_type_error_and_store_nothing(capfd, name, value):
    before = getattr(Values, name)
    with pytest.raises(TypeError):
        setattr(Values, name, value)
    assert getattr(Values, name) == before
    assert "[Values WERT" not in capfd.readouterr().err


def test_accepted_numbers():
    Values.heat_zone_temp_max = 2 ** 31 - 1
    assert Values.heat_zone_temp_max == 2 ** 31 - 1
    Values.heat_zone_temp_max = -2 ** 31
    assert Values.heat_zone_temp_max == -2 ** 31
    Values.fillrate = 3
    assert type(Values.fillrate) is float and Values.fillrate == 3.0
    Values.filled = 0.1
    assert Values.filled == pytest.approx(0.1) and Values.filled != 0.1  # stored single precision
    Values.heating_active = True
    assert Values.heating_active is True
    Values.set_heating_active(0)
    assert Values.heating_active is False


def test_text_properties_take_the_str_of_any_object():
    Values.status_a = 5
    assert Values.status_a == "5"
    Values.status_b = "Maischen läuft"
    assert Values.status_b == "Maischen läuft"
    Values.temp_kessel_sensor_key = None
    assert Values.temp_kessel_sensor_key == "None"


def test_read_only_members():
    for name in ("rast_count_max", "hopfen_count_max", "cooking_start_temp_default", "ticks_per_liter_default",
                 "fu_freq_sp_pump_lautern_default"):
        before = getattr(Values, name)
        with pytest.raises(AttributeError):
            setattr(Values, name, 7)
        assert getattr(Values, name) == before
    assert (Values.rast_count_max, Values.hopfen_count_max) == (5, 5)


# ---- temperatures and cpu_temp --------------------------------------------------

class Celsius(float):
    pass


@pytest.mark.parametrize("given,stored", [
    (55.0, 55.0), (55, 55.0), (-12, -12.0), (Celsius(20.5), 20.5), ("Fühler defekt", "Fühler defekt"),
    (True, "True"), (None, "None"), (10 ** 400, str(10 ** 400)), ([1], "[1]"),
    # Numbers beyond a float's range stay text; infinity itself is a number.
    (10 ** 39, str(10 ** 39)), (-1e300, "-1e+300"), (float("inf"), float("inf")),
])
def test_temperature_is_a_number_or_an_error_text(given, stored):
    Values.temp_zone_1 = given
    assert Values.temp_zone_1 == stored
    assert type(Values.temp_zone_1) is type(stored)


def test_temperature_setters_and_indexed_zones(capfd):
    Values.set_temp_kessel(64.5)
    Values.set_temp_kessel_b("Kurzschluss")
    assert (Values.temp_kessel, Values.temp_kessel_b) == (64.5, "Kurzschluss")
    for idx in range(4):
        Values.set_temp_or_err_zone_indexed(idx, 30.5 + idx)
        Values.set_temp_or_err_zone_b_indexed(idx=idx, value=f"Fehler {idx}")
    assert [Values.temp_zone_1, Values.temp_zone_2, Values.temp_zone_3, Values.temp_zone_4] == [
        30.5, 31.5, 32.5, 33.5]
    assert [Values.temp_zone_b1, Values.temp_zone_b2, Values.temp_zone_b3, Values.temp_zone_b4] == [
        "Fehler 0", "Fehler 1", "Fehler 2", "Fehler 3"]
    capfd.readouterr()
    Values.set_temp_or_err_zone_indexed(4, 55.0)
    Values.set_temp_or_err_zone_b_indexed(-1, "x")
    assert Values.temp_zone_4 == 33.5 and Values.temp_zone_b1 == "Fehler 0"
    lines = log_lines(capfd)
    assert "[setTempOrErrZoneIndexed] ungültiger Index: 4 - Wert: QVariant(float, 55)" in lines[0]
    assert '[setTempOrErrZoneBIndexed] ungültiger Index: -1 - Wert: QVariant(QString, "x")' in lines[1]


def test_cpu_temp_is_optional_float(capfd):
    Values.cpu_temp = 51
    assert type(Values.cpu_temp) is float and Values.cpu_temp == 51.0
    Values.cpu_temp = "47.25"
    assert Values.cpu_temp == 47.25
    Values.cpu_temp = None
    assert Values.cpu_temp is None
    Values.cpu_temp = 40.5
    capfd.readouterr()
    # float() refuses: reported, and the value becomes "no reading".
    Values.cpu_temp = "heiß"
    assert Values.cpu_temp is None
    assert "py::error_already_set" in capfd.readouterr().err


# ---- containers ------------------------------------------------------------------

def test_maps_and_lists_are_copied_both_ways():
    sensors = {"28-01": "kessel", "28-02": 7}
    Values.w1 = sensors
    sensors["28-03"] = "neu"
    assert Values.w1 == {"28-01": "kessel", "28-02": "7"}
    read = Values.w1
    read.clear()
    assert len(Values.w1) == 2

    # A write that changes only a value's type, at any depth, is stored.
    for name in ("upgrade_ignore_versions", "unknown_w1_sensors_values"):
        for value in ({"pkg": 1.1, "n": {"v": [2.1, 1]}}, {"pkg": "1.1", "n": {"v": [2.1, 1]}},
                      {"pkg": "1.1", "n": {"v": ["2.10", 1]}}, {"pkg": "1.1", "n": {"v": ["2.10", True]}}):
            setattr(Values, name, value)
            assert getattr(Values, name) == value
            assert [type(x) for x in getattr(Values, name)["n"]["v"]] == [type(x) for x in value["n"]["v"]]

    versions = {"paket": ["1.0", 2, None], "nested": {"x": True}}
    Values.upgrade_ignore_versions = versions
    versions["nested"]["x"] = False
    assert Values.upgrade_ignore_versions == {"paket": ["1.0", 2, None], "nested": {"x": True}}

    Values.temp_kessel_model = ("kessel", "kesselB")
    model = Values.temp_kessel_model
    assert model == ["kessel", "kesselB"]
    model.append("x")
    assert Values.temp_kessel_model == ["kessel", "kesselB"]


# ---- zone-flag lists -------------------------------------------------------------

@pytest.mark.parametrize("count,length,warns", [(-1, 4, True), (0, 4, False), (1, 4, True), (2, 4, True),
                                               (3, 3, False), (4, 4, False), (7, 4, False)])
def test_zone_flags_follow_the_zone_count(capfd, count, length, warns):
    Values.heat_zone_count = count
    Values.heat_zone_count_b = count
    capfd.readouterr()
    for flags in (Values.enabled_heat_zones, Values.get_enabled_heat_zones(),
                  Values.enabled_heat_zones_b, Values.get_enabled_heat_zones_b()):
        assert flags == [True] * length and all(type(f) is bool for f in flags)
    lines = log_lines(capfd)
    assert len(lines) == (4 if warns else 0)
    if warns:
        assert lines[0].startswith("[WARN ]")
        assert lines[0].endswith(f"] getEnabledHeatZones() wurde gerufen, obwohl heat_zone_count ({count}) wurde "
                                 "noch nicht gesetzt wurde. Es wird eine Liste mit 4 Werten zurückgegeben.")
        assert lines[2].endswith(f"] getEnabledHeatZonesB() wurde gerufen, obwohl heat_zone_count_b ({count}) "
                                 "wurde noch nicht gesetzt wurde. Es wird eine Liste mit 4 Werten zurückgegeben.")


def test_zone_flags_written_as_lists():
    Values.heat_zone_count = 4
    flags = [True, False, True, True, False]  # the fifth is ignored
    Values.enabled_heat_zones = flags
    flags[0] = False
    assert Values.enabled_heat_zones == [True, False, True, True]
    Values.enabled_heat_zones = (0, 1)  # a shorter sequence touches only its zones
    assert [Values.heatzone_1_enabled, Values.heatzone_2_enabled, Values.heatzone_3_enabled] == [False, True, True]
    Values.enabled_heat_zones_b = [False, False, False]
    assert [Values.heatzone_b1_enabled, Values.heatzone_b2_enabled, Values.heatzone_b3_enabled,
            Values.heatzone_b4_enabled] == [False, False, False, True]
    read = Values.enabled_heat_zones
    read[0] = True
    assert Values.heatzone_1_enabled is False
    Values.enabled_heat_zones = [True] * 4
    Values.enabled_heat_zones_b = [True] * 4


def test_zone_flag_list_refusals(capfd):
    Values.heat_zone_count = 4
    with pytest.raises(TypeError):
        Values.enabled_heat_zones = [False, "nein"]
    with pytest.raises(TypeError):
        Values.enabled_heat_zones = "ab"  # list() of a str gives its characters
    assert Values.enabled_heat_zones == [True] * 4
    capfd.readouterr()
    Values.enabled_heat_zones = 5  # not iterable: reported, nothing changes
    assert Values.enabled_heat_zones == [True] * 4
    assert "py::error_already_set" in capfd.readouterr().err


# ---- duplicate methods -------------------------------------------------------------

def test_methods_are_the_property_accessors():
    Values.heating_setpoint = 66
    Values.heating_b_setpoint = 67
    assert (Values.get_heating_setpoint(), Values.get_heating_b_setpoint()) == (66, 67)
    Values.set_heating_b_active(True)
    assert Values.heating_b_active is True
    Values.set_fu_freq_sp_rw1(33)
    Values.set_fu_freq_sp_pump1(34)
    Values.set_fu_freq_sp_rw2(35)
    Values.set_fu_freq_sp_pump2(99)  # clamps like the property
    assert (Values.fu_freq_sp_rw1, Values.fu_freq_sp_pump1, Values.fu_freq_sp_rw2, Values.fu_freq_sp_pump2) == (
        33, 34, 35, 50)
    with pytest.raises(TypeError):
        Values.set_fu_freq_sp_rw1(33.0)


# ---- the stand-in controller --------------------------------------------------------

@pytest.fixture(scope="module")
def stand_in():
    return load_stand_in_module("values.py")


def test_stand_in_controller_stores_requests(stand_in, capfd):
    E = ValueEnum
    requests = [
        (E.cooking_start_temp, 95.0, "cooking_start_temp", 95), (E.heatzone_b2_enabled, False,
                                                                   "heatzone_b2_enabled", False),
        (E.ticks_per_liter, 211.5, "ticks_per_liter", 211.5), (E.temp_kessel_sensor_key, "kessel",
                                                                "temp_kessel_sensor_key", "kessel"),
        (E.TempZoneB3, 42.0, "temp_zone_b3", 42.0), (E.TempKessel, 40, "temp_kessel", 40.0),
        (E.whirlpool_enabled, False, "whirlpool_enabled", False), (E.fu_freq_sp_pump_lautern, 31.0,
                                                                   "fu_freq_sp_pump_lautern", 31),
        (int(E.heating_setpoint), 70.4, "heating_setpoint", 70),
    ]
    for code, value, name, stored in requests:
        stand_in.store(code, value)
        assert getattr(Values, name) == stored and type(getattr(Values, name)) is type(stored), name
    toggled = not Values.auto_kondensator
    stand_in.store(E.auto_kondensator, None)
    assert Values.auto_kondensator is toggled
    Values.cooking_start_temp = 95
    capfd.readouterr()
    stand_in.store(E.cooking_start_temp, "viel")
    assert Values.cooking_start_temp == 95
    assert "verworfen" in capfd.readouterr().err
