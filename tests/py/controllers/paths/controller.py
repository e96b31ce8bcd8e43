import sys

from tavell import Logger


def init(gui_mode, simulator):
    Logger.info("paths: sys.path[:2]=%r argv=%r" % (sys.path[:2], sys.argv))
    print("gedruckt", end="")
    print(" ohne Präfix")
    sys.stdout.flush()
