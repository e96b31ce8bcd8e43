"""Echo of the plant's outputs and inputs for the stand-in controller.

An operator's toggle switches the output unless it is blocked; a drive's
forward or backward request starts it in that direction unless the direction
is blocked, and stops it when it already runs that way; the stop code stops
it. A requested digital input is stored as asked. Of the plant commands, the
flow reset empties the water counters and the heating commands switch the
heating automation of their line. No hardware is touched.
"""

from tavell.action import ActionEnum
from tavell.actuator import Actuator, ENUMS_FU_BACKWARD_SET, ENUMS_FU_FORWARD_SET, ENUMS_FU_STOP_SET
from tavell.sensor import Sensor
from tavell.values import Values

# Taken now, so a controller that edits the module's sets changes nothing here.
_FORWARD = frozenset(ENUMS_FU_FORWARD_SET)
_BACKWARD = frozenset(ENUMS_FU_BACKWARD_SET)
_STOP = frozenset(ENUMS_FU_STOP_SET)


def toggle_output(code):
    out = Actuator.dout_from_enum(code)
    if out is not None:
        if not out.blocked:
            out.state = not out.state
        return
    fu = Actuator.fu_from_enum(code)
    if fu is None:
        return
    if code in _FORWARD:
        if not fu.blocked_forward:
            fu.dir = 0 if fu.dir > 0 else 1
    elif code in _BACKWARD:
        if not fu.blocked_backward:
            fu.dir = 0 if fu.dir < 0 else -1
    elif code in _STOP:
        fu.dir = 0


def store_input(code, value):
    din = Sensor.din_from_enum(code)
    if din is not None:
        din.state = bool(value)


def action(code):
    if code == ActionEnum.ResetFlows:
        Values.filled = 0.0
        Values.filled_hg = 0.0
        Values.filled_ng = 0.0
    elif code == ActionEnum.HeatingA:
        Values.heating_active = not Values.heating_active
    elif code == ActionEnum.HeatingB:
        Values.heating_b_active = not Values.heating_b_active
