"""Stand-in for the plant's process controller.

It is not a brewing controller: it records what the program hands it in the
log (through tavell.Logger) so the screens can be tried and the end-to-end
tests can follow each call. The real controller package replaces it on the
plant through the interpreter's search path.
"""

import sys

from tavell import Logger

from . import plant


def _record(name, *args):
    Logger.info(f"controller: {name}({', '.join(repr(a) for a in args)})")


def init(gui_mode, simulator):
    _record("init", gui_mode, simulator)
    Logger.debug(f"controller: argv={sys.argv!r}")


def action_from_cpp(action):
    _record("action_from_cpp", action)


def actuator_toggle_from_cpp(code):
    _record("actuator_toggle_from_cpp", code)
    plant.toggle_output(code)


def auto_value_from_cpp(code, value):
    _record("auto_value_from_cpp", code, value)


def gui_value_from_cpp(code, value):
    _record("gui_value_from_cpp", code, value)


def recipe_action_from_cpp(code, value):
    _record("recipe_action_from_cpp", code, value)


def sensor_value_from_cpp(code, value):
    _record("sensor_value_from_cpp", code, value)
    plant.store_input(code, value)


def set_page_from_cpp(page):
    _record("set_page_from_cpp", page)


def shell_action_from_cpp(code, value):
    _record("shell_action_from_cpp", code, value)


def simulator_value_from_cpp(code, value):
    _record("simulator_value_from_cpp", code, value)


def value_from_cpp(code, value):
    _record("value_from_cpp", code, value)


def wifi_action_from_cpp(code, value):
    _record("wifi_action_from_cpp", code, value)
