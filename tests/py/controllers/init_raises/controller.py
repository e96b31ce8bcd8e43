from tavell import Logger


def init(gui_mode, simulator):
    Logger.info("init_raises: init called")
    raise ValueError("kaputt beim Start")


def action_from_cpp(action):
    Logger.info("init_raises: must never be reached")
