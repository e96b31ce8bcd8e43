"""Float properties written with a Python float beyond the range of a float
(what a faulty controller might compute): a value with bounds takes its
bound, with the clamping log line; one without takes the infinity of its
sign, a defined result rather than a plain cast's undefined one."""

import math

import pytest

from tavell.auto import Auto
from tavell.sensor import Sensor
from tavell.simulator import Simulator
from tavell.values import Values

INF = math.inf


@pytest.mark.parametrize("obj,name,given,stored,logged", [
    (Values, "fillrate", 1e39, INF, None),
    (Values, "filled", -1e300, -INF, None),
    (Values, "filled_hg", 3.5e38, INF, None),
    (Values, "filled_ng", -1e39, -INF, None),
    (Values, "ticks_per_liter", 1e39, 1000.0, "[Values WERT ZU GROß] inf wird zu 1000 geändert."),
    (Values, "ticks_per_liter", -1e39, 0.10000000149011612, "[Values WERT ZU KLEIN] -inf wird zu 0.1 geändert."),
    (Values, "ticks_per_liter_max", 1e39, INF, None),
    (Simulator, "degrees_per_minute", 1e300, 50.0, "[Simulator WERT ZU GROß] inf wird zu 50 geändert."),
    (Simulator, "degrees_per_minute_min", -1e39, -INF, None),
    (Auto, "ng_liters_step", 1e39, INF, None),
    (Auto.recovery_data_a, "hauptguss", -1e39, -INF, None),
    (Sensor, "kessel_druck", 1e39, INF, None),
    # The largest float itself still fits.
    (Values, "fillrate", 3.4028234663852886e38, 3.4028234663852886e38, None),
])
def test_beyond_float_range_gives_the_bound_or_infinity(capfd, obj, name, given, stored, logged):
    before = getattr(obj, name)
    capfd.readouterr()
    try:
        setattr(obj, name, given)
        assert getattr(obj, name) == stored
        lines = capfd.readouterr().err.splitlines()
        if logged is None:
            assert not any("WERT" in line for line in lines), lines
        else:
            assert any(line.endswith(logged) for line in lines), lines
    finally:
        setattr(obj, name, before)
