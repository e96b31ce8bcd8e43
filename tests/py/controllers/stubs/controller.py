import os

from tavell import Logger

Logger.info("stubs: TAVELL_MAKE_PY_STUBS=%s" % os.environ.get("TAVELL_MAKE_PY_STUBS"))


def init(gui_mode, simulator):
    Logger.info("stubs: init must not be called")
