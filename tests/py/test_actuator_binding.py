"""tavell.actuator: codes, outputs and drives by reference, lookups and blocking."""

import gc

import pytest

import tavell
from tavell import actuator as act
from tavell.actuator import Actuator, ActuatorEnum as E

# Python attribute, code, display name, type: the outputs in all-outputs order.
DOUTS = [
    ("sv_sk_out", 0, "Sv-Sk-Out", "Sv"),
    ("sv_sk_cip", 1, "Sv-Sk-CIP", "Sv"),
    ("sv_sk_in", 2, "Sv-Sk-In", "Sv"),
    ("sv_fk_cip", 3, "Sv-Fk-CIP", "Sv"),
    ("sv_wuerze", 4, "Sv-Würze", "Sv"),
    ("sv_kanal", 5, "Sv-Kanal", "Sv"),
    ("led_gn", 6, "LED-gn", "Led"),
    ("led_rd", 7, "LED-rd", "Led"),
    ("led_view", 8, "LED-Sg", "Led"),
    ("heatzone_1", 9, "Zone-1", "Heating"),
    ("heatzone_2", 10, "Zone-2", "Heating"),
    ("heatzone_3", 11, "Zone-3", "Heating"),
    ("heatzone_4", 12, "Zone-4", "Heating"),
    ("heatzone_b1", 13, "Zone-B1", "Heating"),
    ("heatzone_b2", 14, "Zone-B2", "Heating"),
    ("heatzone_b3", 15, "Zone-B3", "Heating"),
    ("heatzone_b4", 16, "Zone-B4", "Heating"),
    ("mv_water_hot", 17, "W-warm", "Mv"),
    ("mv_water_cold", 18, "W-kalt", "Mv"),
    ("mv_recycle", 19, "Mv-Recycle", "Mv"),
    ("mv_kanal", 20, "Mv-Kanal", "Mv"),
    ("mv_sk_cip", 21, "Mv-Sk-CIP", "Mv"),
    ("mv_hg", 22, "Mv-Hg", "Mv"),
    ("mv_ng", 23, "Mv-Ng", "Mv"),
    ("mv_kond", 24, "Mv-Kond", "Mv"),
    ("spare_1", 33, "Spare-1", "Spare"),
    ("spare_2", 34, "Spare-2", "Spare"),
    ("spare_3", 35, "Spare-3", "Spare"),
    ("spare_4", 36, "Spare-4", "Spare"),
    ("sv_kk_cip", 37, "Sv-Kk-CIP", "Sv"),
    ("sv_kk_cooler", 38, "Sv-Kk-Kühler", "Sv"),
    ("sv_kk_kanal", 39, "Sv-Kk-Kanal", "Sv"),
    ("mv_kk_cip", 40, "Mv-Kk-CIP", "Mv"),
]

# Python attribute, display name, direction code: the drives in Python's order.
FUS = [
    ("fu_pump_1", "Pumpe 1", 25),
    ("fu_pump_2", "Pumpe 2", 41),
    ("fu_rw_1", "Rührwerk 1", 29),
    ("fu_rw_2", "Rührwerk 2", 45),
]

KEYS = [
    "SvSkOut", "SvSkCip", "SvSkIn", "SvFkCip", "SvWuerze", "SvKanal", "LedGn", "LedRd", "LedView",
    "HeatZone1", "HeatZone2", "HeatZone3", "HeatZone4", "HeatZoneB1", "HeatZoneB2", "HeatZoneB3", "HeatZoneB4",
    "MvWaterHot", "MvWaterCold", "MvRecycle", "MvKanal", "MvSkCip", "MvHauptguss", "MvNachguss", "MvKondensator",
    "FuPump1Dir", "FuPump1Forward", "FuPump1Backward", "FuPump1Stop",
    "FuRw1Dir", "FuRw1Forward", "FuRw1Backward", "FuRw1Stop",
    "Spare1", "Spare2", "Spare3", "Spare4", "SvKkCip", "SvKkCooler", "SvKkKanal", "MvKkCip",
    "FuPump2Dir", "FuPump2Forward", "FuPump2Backward", "FuPump2Stop",
    "FuRw2Dir", "FuRw2Forward", "FuRw2Backward", "FuRw2Stop",
]


def fus():
    return [getattr(Actuator, name) for name, _, _ in FUS]


def blocked_outputs():
    """Codes of the blocked outputs, plus (drive attribute, direction) pairs."""
    flags = {int(o.enum) for o in Actuator.all_douts if o.blocked}
    for name, _, _ in FUS:
        fu = getattr(Actuator, name)
        if fu.blocked_forward:
            flags.add((name, "forward"))
        if fu.blocked_backward:
            flags.add((name, "backward"))
    return flags


ALL_BLOCKED = {code for _, code, _, _ in DOUTS} | {(n, d) for n, _, _ in FUS for d in ("forward", "backward")}


@pytest.fixture(autouse=True)
def restore_outputs():
    """The outputs are the program's own: every test leaves them as it found them."""
    outs = [(o, o.name, o.state, o.blocked, o.num) for o in Actuator.all_douts]
    drives = [(f, f.name, f.dir, f.blocked_forward, f.blocked_backward) for f in fus()]
    sets = {name: set(getattr(act, name)) for name in dir(act) if name.startswith("ENUMS_FU_")}
    yield
    for o, name, state, blocked, num in outs:
        o.name, o.state, o.blocked, o.num = name, state, blocked, num
    for f, name, direction, forward, backward in drives:
        f.name, f.dir, f.blocked_forward, f.blocked_backward = name, direction, forward, backward
    for name, members in sets.items():
        setattr(act, name, members)


def test_codes_keep_the_gaps_for_the_drives():
    assert len(E.__entries) == 49
    assert [E(value).name for value in range(49)] == KEYS
    assert [int(getattr(E, key)) for key in KEYS] == list(range(49))
    assert not hasattr(E, "ActuatorEnumCount")
    types = act.DOutTypeEnum
    assert [(m.name, int(m)) for m in sorted(types.__members__.values(), key=int)] == [
        ("Mv", 0), ("Sv", 1), ("Led", 2), ("Heating", 3), ("Spare", 4)]
    assert not hasattr(types, "DOutTypeEnumCount")


def test_module_members_in_their_order():
    names = [n for n in vars(act) if not n.startswith("__")]
    assert names == ["ActuatorEnum", "DOutTypeEnum", "DOut", "Fu", "ActuatorClass", "Actuator", "ActuatorKeys",
                     "ENUMS_FU_FORWARD_SET", "ENUMS_FU_BACKWARD_SET", "ENUMS_FU_STOP_SET", "ENUMS_FU_PUMP1_SET",
                     "ENUMS_FU_PUMP2_SET", "ENUMS_FU_RW1_SET", "ENUMS_FU_RW2_SET"]
    assert tavell.actuator is act
    assert type(Actuator) is act.ActuatorClass


def test_outputs_in_table_order():
    outs = Actuator.all_douts
    assert isinstance(outs, list) and len(outs) == 33
    for out, (attr, code, name, type_name) in zip(outs, DOUTS):
        assert getattr(Actuator, attr) is out
        assert Actuator.dout_from_enum(E(code)) is out
        assert Actuator.fu_from_enum(E(code)) is None
        assert type(out) is act.DOut
        assert out.enum == E(code) and type(out.enum) is E
        assert out.name == name
        assert out.type_ == getattr(act.DOutTypeEnum, type_name)


def test_drives_in_python_order():
    for attr, name, dir_code in FUS:
        fu = getattr(Actuator, attr)
        assert type(fu) is act.Fu
        assert fu.name == name
        assert not hasattr(fu, "enum")
        for code in range(dir_code, dir_code + 4):
            assert Actuator.fu_from_enum(E(code)) is fu
            assert Actuator.dout_from_enum(E(code)) is None


@pytest.mark.parametrize("value", [25, 32, 41, 48, 49, 100, -1, 2**31 - 1, -2**31])
def test_lookup_of_codes_naming_no_output(value):
    code = E(value)
    assert Actuator.dout_from_enum(code) is None
    if not (25 <= value <= 32 or 41 <= value <= 48):
        assert Actuator.fu_from_enum(code) is None


def test_lookups_take_codes_only():
    with pytest.raises(TypeError):
        Actuator.dout_from_enum(5)
    with pytest.raises(TypeError):
        Actuator.fu_from_enum(None)


def test_a_write_is_seen_everywhere():
    Actuator.sv_kanal.state = True
    Actuator.sv_kanal.num = 12
    assert Actuator.all_douts[5].state is True
    assert Actuator.dout_from_enum(E.SvKanal).num == 12
    Actuator.sv_kanal.state = False
    assert Actuator.all_douts[5].state is False


def test_fields_read_and_write():
    out = Actuator.sv_kk_cooler
    out.name = "Kühler Ä"
    assert Actuator.dout_from_enum(E.SvKkCooler).name == "Kühler Ä"
    out.name = 5  # the text caster takes str() of anything
    assert out.name == "5"
    out.blocked = True
    assert out.blocked is True
    fu = Actuator.fu_rw_2
    fu.dir = -3
    fu.blocked_backward = True
    assert Actuator.fu_from_enum(E.FuRw2Stop).dir == -3
    assert Actuator.fu_from_enum(E.FuRw2Dir).blocked_backward is True
    assert fu.blocked_forward is False


def test_fields_refuse_values_of_the_wrong_kind():
    out = Actuator.led_gn
    for field, value in [("state", "an"), ("num", 1.5), ("num", 2**40), ("blocked", "ja")]:
        with pytest.raises(TypeError):
            setattr(out, field, value)
    with pytest.raises(TypeError):
        Actuator.fu_pump_1.dir = "vor"
    with pytest.raises(AttributeError):
        out.enum = E.LedRd
    with pytest.raises(AttributeError):
        out.type_ = act.DOutTypeEnum.Mv
    with pytest.raises(AttributeError):
        Actuator.sv_kanal = Actuator.led_gn
    assert out.state is False and out.num == -1 and out.enum == E.LedGn


def test_python_cannot_create_outputs_or_the_group():
    for cls in (act.DOut, act.Fu, act.ActuatorClass):
        with pytest.raises(TypeError):
            cls()


def test_dropping_every_reference_leaves_the_outputs():
    outs = Actuator.all_douts
    outs[0].num = 77
    drives = fus()
    del outs, drives
    gc.collect()
    assert Actuator.sv_sk_out.num == 77
    assert Actuator.sv_sk_out.name == "Sv-Sk-Out"
    assert Actuator.fu_pump_1.name == "Pumpe 1"
    assert len(Actuator.all_douts) == 33


def test_block_all_except_of_empty_set_blocks_everything():
    Actuator.sv_kanal.state = True
    Actuator.fu_pump_2.dir = 1
    Actuator.block_all_except_of(set())
    assert blocked_outputs() == ALL_BLOCKED
    Actuator.unblock_all_except_of(frozenset())
    assert blocked_outputs() == set()
    assert Actuator.sv_kanal.state is True and Actuator.fu_pump_2.dir == 1


@pytest.mark.parametrize("listed, free", [
    ({E.FuPump1Forward}, {("fu_pump_1", "forward")}),
    ({E.FuPump1Backward}, {("fu_pump_1", "backward")}),
    ({E.FuPump1Stop}, set()),
    ({E.FuPump1Dir, E.FuRw2Dir, E.FuRw2Stop}, set()),
    ({E.SvKanal, E.Spare1, E.MvKkCip, E.FuRw2Backward}, {5, 33, 40, ("fu_rw_2", "backward")}),
    ({E(100), E(-1), E.LedView}, {8}),
])
def test_block_and_unblock_all_except_of(listed, free):
    Actuator.block_all_except_of(listed)
    assert blocked_outputs() == ALL_BLOCKED - free
    Actuator.block_all_except_of(frozenset(listed))
    assert blocked_outputs() == ALL_BLOCKED - free
    Actuator.unblock_all_except_of(listed)
    assert blocked_outputs() == free


@pytest.mark.parametrize("argument", [
    [E.SvKanal],
    (E.SvKanal,),
    {E.SvKanal: 1},
    {E.LedGn, 5},
    {E.SvKanal, None},
    {5},
    "SvKanal",
    None,
])
def test_set_operations_refuse_anything_but_a_set_of_codes(argument):
    Actuator.add_blocked([E.LedRd])
    for operation in (Actuator.block_all_except_of, Actuator.unblock_all_except_of):
        with pytest.raises(TypeError):
            operation(argument)
        assert blocked_outputs() == {7}


def test_add_blocked_blocks_outputs_and_directions_only():
    Actuator.fu_rw_2.dir = 1
    Actuator.add_blocked([E.SvKanal, E.FuRw2Backward, E.FuRw2Stop])
    assert blocked_outputs() == {5, ("fu_rw_2", "backward")}
    Actuator.add_blocked((E.FuRw2Dir, E.FuPump1Stop, E(100), E(-1), E(49)))
    assert blocked_outputs() == {5, ("fu_rw_2", "backward")}
    Actuator.add_blocked(c for c in [E.FuPump2Forward, E.Spare4])
    Actuator.add_blocked({E.HeatZoneB4: "x"})
    assert blocked_outputs() == {5, 36, 16, ("fu_rw_2", "backward"), ("fu_pump_2", "forward")}
    assert Actuator.fu_rw_2.dir == 1

    Actuator.remove_blocked([E.FuRw2Stop, E.FuRw2Dir, E.FuRw2Forward, E.SvKanal])
    assert blocked_outputs() == {36, 16, ("fu_rw_2", "backward"), ("fu_pump_2", "forward")}
    Actuator.remove_blocked({E.FuRw2Backward, E.FuPump2Forward, E.Spare4, E.HeatZoneB4})
    assert blocked_outputs() == set()
    Actuator.remove_blocked([])
    assert blocked_outputs() == set()


def test_add_blocked_stops_at_a_bad_element():
    with pytest.raises(TypeError, match="ist kein ActuatorEnum"):
        Actuator.add_blocked([E.SvKanal, 5, E.LedGn])
    assert blocked_outputs() == {5}
    Actuator.add_blocked([E.LedGn, E.LedRd])
    with pytest.raises(TypeError):
        Actuator.remove_blocked([E.LedGn, "LedRd", E.LedRd])
    assert blocked_outputs() == {5, 7}

    def failing():
        yield E.MvKanal
        raise KeyError("mitten drin")

    with pytest.raises(KeyError):
        Actuator.add_blocked(failing())
    assert blocked_outputs() == {5, 7, 20}


@pytest.mark.parametrize("argument", [5, None, E.SvKanal])
def test_add_and_remove_blocked_refuse_a_non_iterable(argument):
    for operation in (Actuator.add_blocked, Actuator.remove_blocked):
        with pytest.raises(TypeError):
            operation(argument)
    assert blocked_outputs() == set()


def test_drive_code_sets():
    assert act.ENUMS_FU_FORWARD_SET == {E.FuPump1Forward, E.FuPump2Forward, E.FuRw1Forward, E.FuRw2Forward}
    assert act.ENUMS_FU_BACKWARD_SET == {E.FuPump1Backward, E.FuPump2Backward, E.FuRw1Backward, E.FuRw2Backward}
    assert act.ENUMS_FU_STOP_SET == {E.FuPump1Stop, E.FuPump2Stop, E.FuRw1Stop, E.FuRw2Stop}
    assert act.ENUMS_FU_PUMP1_SET == {E.FuPump1Stop, E.FuPump1Forward, E.FuPump1Backward}
    assert act.ENUMS_FU_PUMP2_SET == {E.FuPump2Stop, E.FuPump2Forward, E.FuPump2Backward}
    assert act.ENUMS_FU_RW1_SET == {E.FuRw1Stop, E.FuRw1Forward, E.FuRw1Backward}
    assert act.ENUMS_FU_RW2_SET == {E.FuRw2Stop, E.FuRw2Forward, E.FuRw2Backward}
    for name in dir(act):
        if name.startswith("ENUMS_FU_"):
            members = getattr(act, name)
            assert type(members) is set
            assert all(type(m) is E for m in members)


def test_changing_the_python_sets_changes_nothing_inside():
    act.ENUMS_FU_FORWARD_SET.clear()
    act.ENUMS_FU_BACKWARD_SET.add(E.FuPump1Forward)
    Actuator.add_blocked([E.FuPump1Forward])
    assert blocked_outputs() == {("fu_pump_1", "forward")}


def test_actuator_keys():
    keys = act.ActuatorKeys
    expected = [name for name, _, _, _ in DOUTS] + [name for name, _, _ in FUS] + [
        "fu_pump_1_dir", "fu_pump_2_dir", "fu_rw_1_dir", "fu_rw_2_dir", "dout_from_enum", "fu_from_enum"]
    assert len(expected) == 43
    names = [n for n in vars(keys) if not n.startswith("_")]
    assert names == expected
    for name in expected:
        assert getattr(keys, name) == name
    assert keys.fu_rw_1_dir == "fu_rw_1_dir"
    instance = keys()
    assert instance.mv_hg == "mv_hg"
    with pytest.raises(AttributeError):
        keys.mv_hg = "x"
    assert keys.mv_hg == "mv_hg"
    for name in expected[:37]:
        assert hasattr(Actuator, name)
    assert not hasattr(Actuator, "fu_rw_1_dir")
