"""Simulator parameters and, in simulator mode, the simulated plant inputs.

The simulator window asks for a new parameter through simulator_value_from_cpp;
the stand-in stores it into tavell.simulator.Simulator, whose setters hold it
to its bounds. In simulator mode the parameters then drive the plant's inputs
in Sensor and Values, so the scheme follows the window.
"""

import time

import tavell
from tavell import Logger
from tavell.simulator import Simulator, SimuEnum

# The member of Simulator each request code writes, and whether it is a whole
# number (sliders may send whole numbers as floats).
_TARGETS = {
    SimuEnum.AutoFlow: ("auto_flow", False),
    SimuEnum.TicksPerMinute: ("ticks_per_minute", True),
    SimuEnum.AutoHeating: ("auto_heating", False),
    SimuEnum.DegreesPerMinute: ("degrees_per_minute", False),
    SimuEnum.ScaleFactor: ("scale_factor", False),
    SimuEnum.AIn0: ("a_in_0", True),
    SimuEnum.AIn1: ("a_in_1", True),
}

# Water in an open kettle gets no hotter.
BOILING = 100.0


class SimulatedPlant:
    """The inputs a plant would produce under the simulation parameters,
    advanced by the time since the previous step."""

    def __init__(self, clock=time.monotonic):
        self._clock = clock
        self._last = clock()
        self._ticks = 0.0  # flow-meter ticks not counted yet

    def step(self, simulator, sensor, values):
        now = self._clock()
        minutes = max(0.0, now - self._last) / 60.0
        self._last = now

        # The analogue inputs numbered 0 and 1.
        sensor.ain1.value = float(simulator.a_in_0)
        sensor.ain2.value = float(simulator.a_in_1)

        if simulator.auto_flow:
            self._ticks += simulator.ticks_per_minute * minutes
            whole = int(self._ticks)
            self._ticks -= whole
            values.ticks += whole
            values.filled = values.ticks / values.ticks_per_liter
            values.fillrate = simulator.ticks_per_minute / values.ticks_per_liter
        else:
            values.fillrate = 0.0

        kessel = values.temp_kessel
        # A text is the sensor's error; the simulation leaves it alone.
        if simulator.auto_heating and values.heating_active and isinstance(kessel, float):
            values.temp_kessel = min(BOILING, kessel + simulator.degrees_per_minute * minutes)


_simulator_mode = False
_plant = None


def init(simulator_mode):
    global _simulator_mode, _plant
    _simulator_mode = bool(simulator_mode)
    _plant = SimulatedPlant() if _simulator_mode else None


def _feed_back():
    _plant.step(Simulator, tavell.sensor.Sensor, tavell.values.Values)


def value_from_cpp(code, value):
    """Stores a request of the simulator window; a value the parameter cannot
    take is logged and dropped."""
    name, whole = _TARGETS[code]
    try:
        if whole and isinstance(value, float):
            value = round(value)
        setattr(Simulator, name, value)
    except (TypeError, ValueError, OverflowError) as error:
        Logger.warning(f"controller: simulator {name} = {value!r} refused ({type(error).__name__})")
        return
    if _simulator_mode:
        _feed_back()
