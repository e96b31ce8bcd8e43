"""The main window comes up under a real X display without warnings, on a
plant with one line and on one with a second line (whose scheme views replace
the first plant's while these still load)."""

import time

import pytest

from conftest import end_settled, program_env

INITIALISED = "Interpreter mit Modul 'controller' initialisiert"


@pytest.mark.parametrize("zones", ["4,0", "4,4"])
def test_window_shows_without_qml_warnings(start, home, display, zones):
    env = program_env(home, DISPLAY=display, QT_QPA_PLATFORM="xcb", TAVELL_STANDIN_ZONES=zones)
    run = start(env=env)
    try:
        assert run.wait_for(INITIALISED), "\n".join(run.err)
        # Let the pages' hide timer and the first layout passes run.
        time.sleep(2)
        assert run.proc.poll() is None
        # Qt's own QML warnings name no file ("Cannot create a component in
        # an invalid context"): every warning line counts.
        warnings = [line for line in run.err if ".qml:" in line or "qrc:/qml" in line or line.startswith("[WARN ]")]
        assert warnings == [], "\n".join(warnings)
        end_settled(run)
    finally:
        run.kill()
