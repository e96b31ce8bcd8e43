"""Echo of the plant's outputs and inputs for the stand-in controller.

An operator's toggle switches the output unless it is blocked; a drive runs
forward or backward unless that direction is blocked, and stops on its stop
code. A requested digital input is stored as asked. No hardware is touched.
"""

from tavell.actuator import Actuator, ENUMS_FU_BACKWARD_SET, ENUMS_FU_FORWARD_SET, ENUMS_FU_STOP_SET
from tavell.sensor import Sensor

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
            fu.dir = 1
    elif code in _BACKWARD:
        if not fu.blocked_backward:
            fu.dir = -1
    elif code in _STOP:
        fu.dir = 0


def store_input(code, value):
    din = Sensor.din_from_enum(code)
    if din is not None:
        din.state = bool(value)
