"""The main window comes up under a real X display without QML warnings."""

import time

from conftest import end_settled, program_env

INITIALISED = "Interpreter mit Modul 'controller' initialisiert"


def test_window_shows_without_qml_warnings(start, home, display):
    env = program_env(home, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    run = start(env=env)
    try:
        assert run.wait_for(INITIALISED), "\n".join(run.err)
        # Let the pages' hide timer and the first layout passes run.
        time.sleep(2)
        assert run.proc.poll() is None
        warnings = [line for line in run.err if ".qml:" in line or "qrc:/qml" in line]
        assert warnings == [], "\n".join(warnings)
        end_settled(run)
    finally:
        run.kill()
