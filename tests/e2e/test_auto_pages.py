"""The automatic sequence's page under a real X display: resume data that the
stand-in controller offers at start-up show as the warning on line A's page."""

import subprocess
import time

from conftest import end_settled, program_env, scaled

INITIALISED = "Interpreter mit Modul 'controller' initialisiert"

# The warning colour of the light and the dark theme (Material Orange, DeepOrange).
WARNING_COLOURS = {(0xFF, 0x98, 0x00), (0xFF, 0x57, 0x22)}


def warning_pixels(display):
    """How many pixels of the screen show the warning colour."""
    raw = subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    return sum(1 for i in range(0, len(raw) - 2, 3) if tuple(raw[i:i + 3]) in WARNING_COLOURS)


def shown_page(start, home, display, warning_expected, **extra):
    """Starts the program with the stand-in's settings and counts the warning's pixels
    (waiting for the warning when one is expected: a checking build draws slowly)."""
    # The software renderer: the threaded GL render loop on a software GL is
    # too slow in a checking build to draw the page in time.
    env = program_env(home, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_QUICK_BACKEND="software", **extra)
    run = start(env=env)
    try:
        assert run.wait_for(INITIALISED), "\n".join(run.err)
        # The pages' hide timer and the first layout passes.
        time.sleep(2)
        assert run.proc.poll() is None, "\n".join(run.err)
        deadline = time.monotonic() + scaled(30)
        pixels = warning_pixels(display)
        while warning_expected and pixels <= 20000 and time.monotonic() < deadline:
            time.sleep(0.5)
            pixels = warning_pixels(display)
        warnings = [line for line in run.err if ".qml:" in line or "qrc:/qml" in line]
        assert warnings == [], "\n".join(warnings)
        end_settled(run)
        return pixels
    finally:
        run.kill()


def test_offered_resume_data_show_the_warning(start, home, display):
    assert shown_page(start, home, display, False) == 0
    # Line A's run stopped at the rests: a warning box some hundred pixels
    # wide across the step area.
    assert shown_page(start, home, display, True, TAVELL_STANDIN_RECOVERY="2") > 20000
