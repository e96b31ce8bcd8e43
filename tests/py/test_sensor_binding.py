"""tavell.sensor: input codes, inputs by reference, lookups and the kettle pressure."""

import gc

import pytest

import tavell
from tavell import sensor as sen
from tavell.sensor import Sensor, SensorEnum as E

# Python attribute and display name of the digital inputs, in code order.
DINS = [("start", "start"), ("stop", "stop"), ("flow", "flow"), ("p_threshold", "pThreshold"),
        ("ls1", "ls1"), ("ls2", "ls2")]


@pytest.fixture(autouse=True)
def restore_inputs():
    """The inputs are the program's own: every test leaves them as it found them."""
    ins = [(i, i.name, i.state, i.num) for i in Sensor.all_dins]
    analogue = [(a, a.name, a.value, a.num) for a in (Sensor.ain1, Sensor.ain2)]
    pressure = Sensor.has_kessel_druck, Sensor.kessel_druck
    yield
    for i, name, state, num in ins:
        i.name, i.state, i.num = name, state, num
    for a, name, value, num in analogue:
        a.name, a.value, a.num = name, value, num
    Sensor.has_kessel_druck, Sensor.kessel_druck = pressure


def test_codes_and_module_order():
    assert len(E.__entries) == 8
    assert [(E(v).name, int(E(v))) for v in range(8)] == [
        ("Start", 0), ("Stop", 1), ("Flow", 2), ("PThreshold", 3), ("Ls1", 4), ("Ls2", 5), ("AIn1", 6), ("AIn2", 7)]
    assert not hasattr(E, "SensorEnumCount")
    assert [n for n in vars(sen) if not n.startswith("__")] == ["SensorEnum", "DIn", "AIn", "SensorClass", "Sensor"]
    assert tavell.sensor is sen
    assert type(Sensor) is sen.SensorClass


def test_digital_inputs_in_code_order():
    ins = Sensor.all_dins
    assert isinstance(ins, list) and len(ins) == 6
    for code, (inp, (attr, name)) in enumerate(zip(ins, DINS)):
        assert getattr(Sensor, attr) is inp
        assert Sensor.din_from_enum(E(code)) is inp
        assert Sensor.ain_from_enum(E(code)) is None
        assert type(inp) is sen.DIn
        assert inp.name == name
        assert inp.enum == E(code) and type(inp.enum) is E


def test_analogue_inputs():
    first, second = Sensor.ain1, Sensor.ain2
    assert type(first) is sen.AIn
    assert (first.name, first.num, first.enum) == ("A-In-1", 0, E.AIn1)
    assert (second.name, second.num, second.enum) == ("A-In-2", 1, E.AIn2)
    assert Sensor.ain_from_enum(E.AIn1) is first
    assert Sensor.ain_from_enum(E.AIn2) is second
    assert Sensor.din_from_enum(E.AIn1) is None


@pytest.mark.parametrize("value", [8, 9, 100, -1, 2**31 - 1, -2**31])
def test_lookup_of_codes_naming_no_input(value):
    assert Sensor.din_from_enum(E(value)) is None
    assert Sensor.ain_from_enum(E(value)) is None


def test_lookups_take_codes_only():
    with pytest.raises(TypeError):
        Sensor.din_from_enum(2)
    with pytest.raises(TypeError):
        Sensor.ain_from_enum("AIn1")


def test_a_write_is_seen_everywhere():
    Sensor.flow.state = True
    Sensor.flow.num = 3
    assert Sensor.all_dins[2].state is True
    assert Sensor.din_from_enum(E.Flow).num == 3
    assert [i.state for i in Sensor.all_dins] == [False, False, True, False, False, False]
    Sensor.ain_from_enum(E.AIn2).value = 4.25
    assert Sensor.ain2.value == 4.25
    Sensor.ain1.value = 3  # an int is taken as a float
    assert Sensor.ain1.value == 3.0 and type(Sensor.ain1.value) is float
    Sensor.ls2.name = "LS2 - Rest ü"
    assert Sensor.din_from_enum(E.Ls2).name == "LS2 - Rest ü"


def test_kettle_pressure():
    assert type(Sensor.has_kessel_druck) is bool
    Sensor.has_kessel_druck = True
    Sensor.kessel_druck = 1.5
    assert Sensor.has_kessel_druck is True
    assert Sensor.kessel_druck == 1.5
    Sensor.kessel_druck = 0.1  # kept as a float in the program
    assert Sensor.kessel_druck == pytest.approx(0.1, abs=1e-7)


def test_fields_refuse_values_of_the_wrong_kind():
    for obj, field, value in [(Sensor.start, "state", "an"), (Sensor.start, "num", 1.5),
                              (Sensor.ain1, "value", "1.0"), (Sensor.ain1, "num", 2**40),
                              (Sensor, "kessel_druck", "2 bar"), (Sensor, "has_kessel_druck", "ja")]:
        with pytest.raises(TypeError):
            setattr(obj, field, value)
    with pytest.raises(AttributeError):
        Sensor.start.enum = E.Stop
    with pytest.raises(AttributeError):
        Sensor.start = Sensor.stop
    assert Sensor.start.state is False and Sensor.start.enum == E.Start


def test_python_cannot_create_inputs_or_the_group():
    for cls in (sen.DIn, sen.AIn, sen.SensorClass):
        with pytest.raises(TypeError):
            cls()


def test_dropping_every_reference_leaves_the_inputs():
    ins = Sensor.all_dins
    ins[3].num = 9
    first = Sensor.ain1
    del ins, first
    gc.collect()
    assert Sensor.p_threshold.num == 9
    assert Sensor.p_threshold.name == "pThreshold"
    assert Sensor.ain1.name == "A-In-1"
