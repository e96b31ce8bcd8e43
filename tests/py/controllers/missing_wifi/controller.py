from tavell import Logger


def init(gui_mode, simulator):
    Logger.info("missing_wifi: init")


def action_from_cpp(*args):
    Logger.info("missing_wifi: action_from_cpp%r" % (args,))


def actuator_toggle_from_cpp(*args):
    Logger.info("missing_wifi: actuator_toggle_from_cpp%r" % (args,))


def auto_value_from_cpp(*args):
    Logger.info("missing_wifi: auto_value_from_cpp%r" % (args,))


def gui_value_from_cpp(*args):
    Logger.info("missing_wifi: gui_value_from_cpp%r" % (args,))


def recipe_action_from_cpp(*args):
    Logger.info("missing_wifi: recipe_action_from_cpp%r" % (args,))


def sensor_value_from_cpp(*args):
    Logger.info("missing_wifi: sensor_value_from_cpp%r" % (args,))


def set_page_from_cpp(*args):
    Logger.info("missing_wifi: set_page_from_cpp%r" % (args,))


def shell_action_from_cpp(*args):
    Logger.info("missing_wifi: shell_action_from_cpp%r" % (args,))


def simulator_value_from_cpp(*args):
    Logger.info("missing_wifi: simulator_value_from_cpp%r" % (args,))


def value_from_cpp(*args):
    Logger.info("missing_wifi: value_from_cpp%r" % (args,))
