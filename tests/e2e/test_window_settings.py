"""Window placement is restored at start and stored when the program ends."""

import configparser
import os
import time

import pytest

from conftest import CONSTRUCTED, QUIT_WAIT, program_env, send
from test_command_socket import GUI_READY


def settings_file(home):
    return os.path.join(home, "config", "TavellGmbH", "Zentorix.ini")


def write_window(home, **values):
    path = settings_file(home)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write("[window]\n" + "".join(f"{k}={v}\n" for k, v in values.items()))


def read_window(home):
    parser = configparser.ConfigParser()
    assert parser.read(settings_file(home), encoding="utf-8"), "no settings file written"
    return dict(parser["window"])


def run_and_quit(start, home, *args, before_quit=None):
    env = program_env(home, QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software")
    run = start(*args, env=env)
    assert run.wait_for(CONSTRUCTED, stream="out"), "\n".join(run.err)
    assert run.wait_for(GUI_READY), "\n".join(run.err)
    time.sleep(0.5)
    if before_quit:
        before_quit()
    assert send(b"app quit", QUIT_WAIT) == b""
    assert run.finish() == 0, "\n".join(run.err)
    return run


def test_first_start_stores_default_placement(start, home):
    run_and_quit(start, home)
    stored = read_window(home)
    assert {k: stored[k] for k in ("maximized", "width", "height")} == {
        "maximized": "false", "width": "700", "height": "500"}
    # The offscreen platform keeps a window's frame margin inside the screen.
    assert stored["x"] in ("0", "1") and stored["y"] in ("0", "1")
    # The theme in use is stored from the first start on.
    assert stored["theme"] in ("0", "1")


@pytest.mark.parametrize("how", ["socket", "option"])
def test_full_screen_stores_last_windowed_geometry(start, home, how):
    write_window(home, theme=1, maximized="false", x=10, y=20, width=600, height=400)

    def go_full_screen():
        assert send(b"fullscreen true") == b""
        time.sleep(0.5)

    if how == "socket":
        run_and_quit(start, home, before_quit=go_full_screen)
    else:
        run_and_quit(start, home, "-f")
    stored = read_window(home)
    assert {k: stored[k] for k in ("maximized", "x", "y", "width", "height", "theme")} == {
        "maximized": "false", "x": "10", "y": "20", "width": "600", "height": "400", "theme": "1"}
