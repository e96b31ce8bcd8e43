"""Value requests of the stand-in controller.

The real controller checks a request against the plant and writes the
result back; the stand-in stores what the screen asked for, so that the
settings screens show their change. Numbers from the screens arrive as
floats; each value is made the type of the property it goes to.
"""

from tavell import Logger
from tavell.values import ValueEnum, Values

# Members 24 to 33 keep the Qt key names; the others are named like the
# property they concern.
_PROPERTY_OF = {
    ValueEnum.TempZone1: "temp_zone_1",
    ValueEnum.TempZone2: "temp_zone_2",
    ValueEnum.TempZone3: "temp_zone_3",
    ValueEnum.TempZone4: "temp_zone_4",
    ValueEnum.TempZoneB1: "temp_zone_b1",
    ValueEnum.TempZoneB2: "temp_zone_b2",
    ValueEnum.TempZoneB3: "temp_zone_b3",
    ValueEnum.TempZoneB4: "temp_zone_b4",
    ValueEnum.TempKessel: "temp_kessel",
    ValueEnum.TempKesselB: "temp_kessel_b",
}

_TEMPERATURES = set(_PROPERTY_OF.values())

# What a plant's 1-Wire bus might show: the kettle keys the operator can
# choose from, and two sensors the controller could not assign (one of them
# with a name that holds markup, which the screens must show as text).
_KESSEL_SENSOR_KEYS = ["kessel", "28-0316a279e4ff", "28-0417b2c51aff"]
_KESSEL_B_SENSOR_KEYS = ["kesselB", "28-0316a279e4ff", "28-0417b2c51aff"]
_UNKNOWN_SENSORS = {"28-0517c1d2e3ff": 21.5, "28-<i>06</i>": "keine Antwort"}


def init():
    """Offers the sensor keys and unassigned sensors, and reports the drives
    ready, so the settings screens can be tried."""
    Values.temp_kessel_model = _KESSEL_SENSOR_KEYS
    Values.temp_kessel_sensor_key = "kessel"
    Values.temp_kessel_b_model = _KESSEL_B_SENSOR_KEYS
    Values.temp_kessel_b_sensor_key = "kesselB"
    Values.unknown_w1_sensors_values = _UNKNOWN_SENSORS
    Values.fu_rw1_ok = True
    Values.fu_pump1_ok = True
    Values.fu_rw2_ok = True
    Values.fu_pump2_ok = True


def _as_type_of(current, value, temperature):
    if temperature:
        if isinstance(value, (int, float)) and not isinstance(value, bool):
            return float(value)
        return str(value)
    if isinstance(current, bool):
        return bool(value)
    if isinstance(current, int):
        return int(round(value))
    if isinstance(current, float):
        return float(value)
    return str(value)


def store(code, value):
    """Stores the request of value_from_cpp in Values; a request that does
    not fit its property is logged and dropped."""
    try:
        code = ValueEnum(int(code))
        name = _PROPERTY_OF.get(code, code.name)
        current = getattr(Values, name)
        if code == ValueEnum.auto_kondensator and value is None:
            value = not current  # the screens' toggle request
        setattr(Values, name, _as_type_of(current, value, name in _TEMPERATURES))
    except (AttributeError, TypeError, ValueError, OverflowError) as error:
        Logger.warning(f"controller: value_from_cpp({code!r}, {value!r}) verworfen: {error}")
