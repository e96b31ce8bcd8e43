"""Records every forwarded action with what Python received; a few action
codes make it misbehave the way a real controller might."""

import time

import forwarding_probe
import tavell.simulator
from tavell import Logger
from tavell.action import ActionEnum

_depth = 0


def init(gui_mode, simulator):
    # Slow on purpose: actions sent meanwhile must wait for it.
    time.sleep(0.3)
    Logger.info(f"forwarding: init({gui_mode!r}, {simulator!r})")
    Logger.info(f"forwarding: simulator enum bound={hasattr(tavell.simulator, 'SimuEnum')}")


def action_from_cpp(code):
    global _depth
    _depth += 1
    try:
        bound = isinstance(code, ActionEnum) and not isinstance(code, int)
        Logger.info(f"forwarding: enter action_from_cpp({code!r}) depth={_depth} bound={bound}")
        if code == ActionEnum.InitFuRw1:
            raise ValueError("Aktion abgelehnt")
        if code == ActionEnum.ResetFlows:
            # Emits Action.toPy on this (the worker) thread, inside this call.
            forwarding_probe.emit_action(int(ActionEnum.HeatingA))
    finally:
        Logger.info(f"forwarding: leave action_from_cpp({code!r}) depth={_depth}")
        _depth -= 1


def value_from_cpp(code, value):
    # Slow on purpose: a blocking sender must not return before the answer.
    time.sleep(0.3)
    forwarding_probe.store_answer(f"{code!r} {value!r} {type(value).__name__}")


def __getattr__(name):
    if name.endswith("_from_cpp"):
        return lambda *args: Logger.info(f"forwarding: {name}{args!r}")
    raise AttributeError(name)
