"""tavell.auto and tavell.hopfentimer as the controller sees them."""

import struct

import pytest

import tavell
import tavell.auto as auto_module
import tavell.hopfentimer as hopfentimer_module
from tavell.auto import (FIRST_STEP, SEPARATOR_STEP, Auto, AutoClass, AutoEnum, AutoKeys, RecoveryData,
                         StepsEnum)
from tavell.hopfentimer import HopfenTimer, HopfenTimerClass

STEPS = [("Unknown", -2), ("Inactive", -1), ("Fuellen", 0), ("Einmaischen", 1), ("Rasten", 2),
         ("Abmaischen", 3), ("Lautern", 4), ("Heizen", 5), ("Kochen", 6), ("NotRequired", 7)]

AUTO_CODES = ["Start", "StopA", "StopB", "NextStep", "HandEnabled", "BeginLauterRuhe", "ToggleHg", "ToggleNg",
              "ToggleWaterTreated", "ToggleLautern", "ToggleTrubwurze", "ToggleManualFilling",
              "NgLitersSetpointTmp", "SetHopfengabe", "FinishAckn", "MiscEventA", "MiscEventB",
              "SetStammwurzeHeating", "SetStammwurzeCooking", "FuFreqSpRw1", "FuFreqSpPump1", "FuFreqSpRw2",
              "FuFreqSpPump2"]


def public_names(module):
    return [name for name in vars(module) if not name.startswith("__")]


def properties(cls):
    return {name: value for name, value in vars(cls).items() if isinstance(value, property)}


def single(x):
    return struct.unpack("f", struct.pack("f", x))[0]


@pytest.fixture
def restore():
    """Puts back every writable field of Auto, both snapshots and HopfenTimer."""
    objects = [Auto, Auto.recovery_data_a, Auto.recovery_data_b, HopfenTimer]
    saved = [{name: getattr(obj, name) for name, p in properties(type(obj)).items() if p.fset} for obj in objects]
    yield
    for obj, values in zip(objects, saved):
        for name, value in values.items():
            setattr(obj, name, value)


def test_module_contents_in_creation_order():
    assert public_names(auto_module) == ["RecoveryData", "AutoClass", "Auto", "AutoKeys", "AutoEnum",
                                         "StepsEnum", "FIRST_STEP", "SEPARATOR_STEP"]
    assert public_names(hopfentimer_module) == ["HopfenTimerClass", "HopfenTimer"]
    assert tavell.auto is auto_module


def test_auto_class_members_in_binding_order():
    names = [name for name in vars(AutoClass) if not name.startswith("_")]
    assert names == [
        "active_a", "active_b", "step_a", "step_b", "step_b_offset", "hand_enabled", "hand_enabled_default",
        "use_lauter_pump_freq", "manual_heating_a_enabled", "manual_heating_b_enabled", "wait_for_ackn",
        "skip_rast_enabled", "status_rasten", "status_heating", "ert_filling", "filling_active",
        "abmaischen_active", "trubwurze_active", "lautern_active", "lauterruhe_finished", "hg_active",
        "hg_finished", "ert_heating", "ng_active", "ng_finished", "ng_step", "ng_liters_step", "ng_liters_total",
        "stammwurze_heating", "stammwurze_heating_time", "stammwurze_cooking", "stammwurze_cooking_time",
        "enable_auto_whirlpool_btn", "recovery_count", "recovery_data_a", "recovery_data_b", "recovery_data_x",
        "fu_freq_sp_rw1", "fu_freq_sp_pump1", "fu_freq_sp_pump_lautern", "fu_freq_sp_rw2", "fu_freq_sp_pump2",
        "set_fu_freq_sp_rw1", "set_fu_freq_sp_pump1", "set_fu_freq_sp_pump_lautern", "set_fu_freq_sp_rw2",
        "set_fu_freq_sp_pump2", "auto_1_popup_prepare", "auto_2_popup_prepare"]
    read_only = {name for name, p in properties(AutoClass).items() if p.fset is None}
    assert read_only == {"hand_enabled_default", "recovery_data_a", "recovery_data_b", "recovery_data_x"}
    for hidden in ("step_a_default", "stammwurze_heating_default", "to_py", "to_py_q_var"):
        assert not hasattr(Auto, hidden)


def test_recovery_data_members_in_binding_order():
    names = [name for name in vars(RecoveryData) if not name.startswith("_")]
    assert names == ["recipe_name", "step_str", "step", "water_treated_time", "hauptguss", "nachguss",
                     "rast_start_step", "rast_elapsed", "lauterruhe_elapsed", "trubwurze_active",
                     "lautern_active", "cooking_elapsed", "hopfen_last_checked", "reset"]
    assert all(p.fset is not None for p in properties(RecoveryData).values())


def test_hopfentimer_members_in_binding_order():
    names = [name for name in vars(HopfenTimerClass) if not name.startswith("_")]
    assert names == ["str1", "str2", "str3", "str4", "str5", "status", "alarm", "success", "current",
                     "vw_done", "wp_done", "set_str_indexed"]


def test_no_python_constructors():
    for cls in (AutoClass, RecoveryData, HopfenTimerClass):
        with pytest.raises(TypeError):
            cls()


def test_global_objects_are_shared_not_copied(restore):
    assert isinstance(Auto, AutoClass)
    assert tavell.auto.Auto is Auto
    assert isinstance(HopfenTimer, HopfenTimerClass)
    Auto.step_a = 3
    assert auto_module.Auto.step_a == 3


def test_snapshots_by_reference(restore):
    a = Auto.recovery_data_a
    assert isinstance(a, RecoveryData)
    assert a is Auto.recovery_data_a
    assert a is not Auto.recovery_data_b
    a.recipe_name = "Märzen"
    a.step = StepsEnum.Rasten
    assert Auto.recovery_data_a.recipe_name == "Märzen"
    assert Auto.recovery_data_a.step == 2
    assert Auto.recovery_data_b.recipe_name == ""
    # Without the flag of a three-vessel plant line A's snapshot cooks.
    assert Auto.recovery_data_x is Auto.recovery_data_a


def test_reset_restores_every_snapshot_field(restore):
    rd = Auto.recovery_data_b
    fresh = {name: getattr(rd, name) for name in properties(RecoveryData)}
    assert fresh == {"recipe_name": "", "step_str": "", "step": -1, "water_treated_time": -1, "hauptguss": 0.0,
                     "nachguss": 0.0, "rast_start_step": 0, "rast_elapsed": 0, "lauterruhe_elapsed": 0,
                     "trubwurze_active": False, "lautern_active": False, "cooking_elapsed": 0,
                     "hopfen_last_checked": 0}
    for name, value in fresh.items():
        setattr(rd, name, not value if isinstance(value, bool) else value + ("x" if isinstance(value, str) else 3))
    assert all(getattr(rd, name) != value for name, value in fresh.items())
    assert rd.reset() is None
    assert {name: getattr(rd, name) for name in fresh} == fresh


def test_hand_enabled_default_is_constant(restore):
    Auto.hand_enabled = False
    assert Auto.hand_enabled is False
    assert Auto.hand_enabled_default is True
    with pytest.raises(AttributeError):
        Auto.hand_enabled_default = False
    assert Auto.hand_enabled_default is True


def test_auto_keys():
    keys = ["active_a", "active_b", "step_a", "step_b", "step_b_offset", "hand_enabled"]
    assert [name for name in vars(AutoKeys) if not name.startswith("_")] == keys
    instance = AutoKeys()
    for key in keys:
        assert getattr(AutoKeys, key) == key
        assert type(getattr(AutoKeys, key)) is str
        assert getattr(instance, key) == key
        assert hasattr(Auto, getattr(AutoKeys, key))
    with pytest.raises(AttributeError):
        AutoKeys.step_a = "x"
    with pytest.raises(AttributeError):
        instance.step_a = "x"
    with pytest.raises(AttributeError):
        instance.anything = 1
    assert AutoKeys.step_a == "step_a"
    with pytest.raises(TypeError):
        AutoKeys(1)


def test_auto_enum_equals_ints_but_has_no_order():
    assert [name for name in AutoEnum.__members__] == AUTO_CODES
    assert [int(member) for member in AutoEnum.__members__.values()] == list(range(23))
    assert len(AutoEnum.__entries) == 23
    assert not hasattr(AutoEnum, "AutoEnumCount")
    assert AutoEnum.Start == 0
    assert AutoEnum.FuFreqSpPump2 == 22
    assert AutoEnum.StopA != 2
    assert AutoEnum.Start != None  # noqa: E711
    assert AutoEnum.NextStep == AutoEnum.NextStep
    assert {AutoEnum.Start: "x"}[AutoEnum.Start] == "x"
    for compare in (lambda: AutoEnum.Start < 1, lambda: AutoEnum.StopB >= 0,
                    lambda: AutoEnum.Start < AutoEnum.StopA, lambda: 0 < AutoEnum.StopA):
        with pytest.raises(TypeError):
            compare()


def test_steps_enum_is_arithmetic_without_prefix():
    assert [(name, int(member)) for name, member in StepsEnum.__members__.items()] == STEPS
    assert len(StepsEnum.__entries) == 10
    assert not any(name.startswith("Step") for name in StepsEnum.__members__)
    assert StepsEnum.Kochen > 5
    assert StepsEnum.Inactive < 0
    assert StepsEnum.Unknown < StepsEnum.Inactive
    assert StepsEnum.Lautern >= FIRST_STEP
    assert StepsEnum.Fuellen <= 0
    assert StepsEnum.Heizen == 5
    assert StepsEnum.Rasten | 1 == 3
    assert StepsEnum.Kochen & StepsEnum.Heizen == 4
    assert StepsEnum.Lautern ^ 4 == 0


def test_first_and_separator_step_are_members():
    assert FIRST_STEP is StepsEnum.Fuellen
    assert SEPARATOR_STEP is StepsEnum.Lautern
    assert type(FIRST_STEP) is StepsEnum and type(SEPARATOR_STEP) is StepsEnum
    assert int(FIRST_STEP) == 0 and int(SEPARATOR_STEP) == 4


def test_integer_properties(restore):
    Auto.step_a = StepsEnum.Kochen
    assert Auto.step_a == 6 and type(Auto.step_a) is int
    Auto.step_b = 99
    assert Auto.step_b == 99
    Auto.fu_freq_sp_pump2 = -5
    assert Auto.fu_freq_sp_pump2 == -5
    Auto.ng_step = 2**31 - 1
    assert Auto.ng_step == 2**31 - 1
    for wrong in ("4", 4.0, 2**31, None):
        with pytest.raises(TypeError):
            Auto.step_a = wrong
    assert Auto.step_a == 6


def test_float_properties_store_single_precision(restore):
    Auto.ng_liters_step = 0.1
    assert Auto.ng_liters_step == single(0.1)
    Auto.ng_liters_total = 12
    assert Auto.ng_liters_total == 12.0 and type(Auto.ng_liters_total) is float
    Auto.recovery_data_a.hauptguss = 33.3
    assert Auto.recovery_data_a.hauptguss == single(33.3)
    with pytest.raises(TypeError):
        Auto.ng_liters_step = "1.5"
    assert Auto.ng_liters_step == single(0.1)


def test_bool_properties_take_numbers_and_none(restore):
    Auto.active_a = 1
    assert Auto.active_a is True
    Auto.active_a = None
    assert Auto.active_a is False
    Auto.skip_rast_enabled = 0.5
    assert Auto.skip_rast_enabled is True
    Auto.recovery_data_b.lautern_active = True
    assert Auto.recovery_data_b.lautern_active is True
    with pytest.raises(TypeError):
        Auto.active_a = "ja"
    assert Auto.active_a is False


def test_frequency_setter_methods(restore):
    for name in ("rw1", "pump1", "pump_lautern", "rw2", "pump2"):
        assert getattr(Auto, "set_fu_freq_sp_" + name)(41) is None
        assert getattr(Auto, "fu_freq_sp_" + name) == 41
    with pytest.raises(TypeError):
        Auto.set_fu_freq_sp_rw1(40.5)


def test_hopfentimer_starts_empty():
    assert [getattr(HopfenTimer, "str%d" % i) for i in range(1, 6)] == [""] * 5
    assert HopfenTimer.current == 0
    assert HopfenTimer.alarm is False and HopfenTimer.success is False
    assert HopfenTimer.vw_done is False and HopfenTimer.wp_done is False


def test_hopfentimer_status_reads_back_what_was_written(restore):
    assert HopfenTimer.status == "Automatik noch nicht gestartet"
    HopfenTimer.status = "Nächste Hopfengabe in 4:59"
    assert HopfenTimer.status == "Nächste Hopfengabe in 4:59"


def test_set_str_indexed(restore, capfd):
    capfd.readouterr()
    for index in range(5):
        HopfenTimer.set_str_indexed(index, "t%d" % index)
    assert [getattr(HopfenTimer, "str%d" % i) for i in range(1, 6)] == ["t0", "t1", "t2", "t3", "t4"]
    assert capfd.readouterr().err == ""
    for index, text in ((5, "abc"), (-1, 'Würze "1"'), (100, "")):
        HopfenTimer.set_str_indexed(index, text)
        err = capfd.readouterr().err.splitlines()
        assert len(err) == 1
        assert err[0].startswith("[CRIT ]")
        assert err[0].endswith('] Ungültigen Index erhalten: %d ( "%s" )' % (index, text))
    assert [getattr(HopfenTimer, "str%d" % i) for i in range(1, 6)] == ["t0", "t1", "t2", "t3", "t4"]
    with pytest.raises(TypeError):
        HopfenTimer.set_str_indexed("1", "x")
