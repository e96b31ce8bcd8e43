"""Simulator mode: the simulator window comes up beside the main window and
keeps the place the operator moved it to across a restart."""

import configparser
import os
import re
import shutil
import subprocess
import time

import pytest

from conftest import QUIT_WAIT, program_env, scaled, send, start_xvfb
from test_command_socket import GUI_READY


@pytest.fixture
def bare_display():
    """An X server without a window manager: windows stay where they are put."""
    if not shutil.which("Xvfb") or not shutil.which("xdotool"):
        pytest.fail("Xvfb and xdotool are needed (scripts/setup installs them)")
    xvfb, name = start_xvfb()
    yield name
    xvfb.kill()
    xvfb.wait()


def xdotool(display, *args):
    return subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": display},
                          capture_output=True, text=True).stdout


def find_window(display, title, timeout=20):
    """The window's id and its logical place (the program runs at scale 2)."""
    deadline = time.monotonic() + scaled(timeout)
    while time.monotonic() < deadline:
        ids = xdotool(display, "search", "--onlyvisible", "--name", f"^{title}$").split()
        if ids:
            geometry = xdotool(display, "getwindowgeometry", ids[0])
            x, y = re.search(r"Position: (-?\d+),(-?\d+)", geometry).groups()
            return ids[0], (int(x) // 2, int(y) // 2)
        time.sleep(0.2)
    raise AssertionError(f"no visible window {title!r}")


def settings_file(home):
    return os.path.join(home, "config", "TavellGmbH", "Zentorix.ini")


def run_once(start, home, display, before_quit=None):
    run = start(env=program_env(home, DISPLAY=display, QT_QPA_PLATFORM="xcb"))
    assert run.wait_for(GUI_READY), "\n".join(run.err)
    window, place = find_window(display, "Simulator")
    if before_quit:
        before_quit(window)
    assert send(b"app quit", QUIT_WAIT) == b""
    assert run.finish() == 0, "\n".join(run.err)
    assert not [line for line in run.err if "simulatorWindow Problem" in line or ".qml:" in line]
    return place


def test_simulator_window_keeps_its_place(start, home, bare_display):
    path = settings_file(home)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write("[python]\nsimulator=1\n")

    def move(window):
        xdotool(bare_display, "windowmove", window, "1200", "400")
        deadline = time.monotonic() + scaled(10)
        while find_window(bare_display, "Simulator")[1] != (600, 200) and time.monotonic() < deadline:
            time.sleep(0.1)

    run_once(start, home, bare_display, before_quit=move)
    parser = configparser.ConfigParser()
    parser.read(path, encoding="utf-8")
    assert (parser["simulator"]["x"], parser["simulator"]["y"]) == ("600", "200")

    # Restarted, the window comes up where it was left.
    assert run_once(start, home, bare_display) == (600, 200)
