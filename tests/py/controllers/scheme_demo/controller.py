"""The stand-in controller with a plant caught mid-brew, for screenshots of
the scheme and the manual-operation tab: line A runs its rests with the
sample recipe loaded, hand operation released, some outputs are open, some
blocked, one zone sensor failed and one zone is too hot."""

import importlib.util
import os
import sys

_FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "py", "controller")


def _load_stand_in():
    name = "stand_in_controller"
    spec = importlib.util.spec_from_file_location(
        name, os.path.join(_FOLDER, "__init__.py"), submodule_search_locations=[_FOLDER])
    module = importlib.util.module_from_spec(spec)
    sys.modules[name] = module
    spec.loader.exec_module(module)
    return module


_stand_in = _load_stand_in()

action_from_cpp = _stand_in.action_from_cpp
actuator_toggle_from_cpp = _stand_in.actuator_toggle_from_cpp
auto_value_from_cpp = _stand_in.auto_value_from_cpp
gui_value_from_cpp = _stand_in.gui_value_from_cpp
recipe_action_from_cpp = _stand_in.recipe_action_from_cpp
sensor_value_from_cpp = _stand_in.sensor_value_from_cpp
set_page_from_cpp = _stand_in.set_page_from_cpp
shell_action_from_cpp = _stand_in.shell_action_from_cpp
simulator_value_from_cpp = _stand_in.simulator_value_from_cpp
value_from_cpp = _stand_in.value_from_cpp
wifi_action_from_cpp = _stand_in.wifi_action_from_cpp


def init(gui_mode, simulator):
    # The sample recipes, the first loaded for both lines, as a brewer
    # would have them.
    os.environ["TAVELL_STANDIN_RECIPES"] = "full"
    _stand_in.init(gui_mode, simulator)
    from tavell.actuator import Actuator, ActuatorEnum
    from tavell.auto import Auto, AutoEnum, StepsEnum
    from tavell.sensor import Sensor
    from tavell.values import Values

    Values.heat_zone_temp_max = 350
    Values.temp_kessel = 63.4
    Values.temp_kessel_b = 78.0
    for i, t in enumerate((64.1, 63.8, "Sensorfehler", 62.0), start=1):
        setattr(Values, f"temp_zone_{i}", t)
    for i, t in enumerate((79.0, 412.0, 77.5, 77.9), start=1):
        setattr(Values, f"temp_zone_b{i}", t)
    Values.heatzone_1_enabled = True
    Values.heatzone_2_enabled = True
    Values.heatzone_3_enabled = True
    Values.heatzone_b1_enabled = True
    Values.heatzone_b2_enabled = True
    Values.filled = 42.7
    Values.cpu_temp = 51.2
    Values.fu_rw1_ok = True
    Values.fu_pump1_ok = True
    Values.fu_rw2_ok = True
    Values.fu_pump2_ok = True
    Values.unknown_w1_sensors_values = {"28-00000a1b2c3d": 21.4}
    Actuator.heatzone_1.state = True
    Actuator.heatzone_b1.state = True
    Actuator.mv_water_hot.state = True
    Actuator.sv_sk_out.state = True
    Actuator.sv_kk_cooler.state = True
    Actuator.fu_pump_1.dir = 1
    Actuator.fu_rw_1.dir = 1
    Actuator.add_blocked([ActuatorEnum.SvKanal, ActuatorEnum.MvKanal, ActuatorEnum.SvKkKanal,
                          ActuatorEnum.FuPump1Backward, ActuatorEnum.FuPump2Forward, ActuatorEnum.MvWaterCold])
    Sensor.start.state = True
    Sensor.ls1.state = True
    # Line A started at the rests as the start button asks for it: the
    # line runs, its status and the running step follow from the start.
    _stand_in.auto_value_from_cpp(AutoEnum.Start, [float(StepsEnum.Rasten), 0.0])
    Auto.fu_freq_sp_rw1 = 30
    Auto.fu_freq_sp_pump1 = 35
    Auto.fu_freq_sp_rw2 = 28
    Auto.fu_freq_sp_pump2 = 40
    Auto.hand_enabled = True
