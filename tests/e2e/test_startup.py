"""The program as a whole: start-up, the controller's first calls, exit codes."""

import os
import subprocess
import time

from conftest import end_settled, offscreen, program_env, scaled

INITIALISED = "Interpreter mit Modul 'controller' initialisiert"
GUI_READY = "[Py] controller: action_from_cpp(<ActionEnum.GuiReady: 0>)"


def test_help_exits_zero_before_the_bridge(start, home):
    run = start("--help", env=program_env(home, LANG="C", LC_ALL="C"))
    assert run.finish() == 0
    text = "\n".join(run.out)
    assert "Tavell Brauanlage" in text
    assert "Startet die Anwendung im Fullscreen-Modus" in text
    assert "Erstelle die Python Stub-Files (*.pyi)" in text
    # Qt's own lines read German on a machine without a German locale.
    assert "Zeigt Hilfe zu den Kommandozeilenoptionen an." in text
    assert not any("TAVELL_PY_DIR" in line for line in run.err)


def test_version_exits_zero(start):
    run = start("--version")
    assert run.finish() == 0
    assert "Zentorix 2311221" in run.out
    assert not any("TAVELL_PY_DIR" in line for line in run.err)


def test_make_stubs_ends_after_the_worker(start):
    run = start("--make-stubs")
    assert run.finish() == 0
    # The worker's numbered shutdown lines all came out before the exit.
    assert run.out[-18:] == [str(n) for n in range(1, 19)]
    assert not any("controller: init(" in line for line in run.err)
    assert not any(INITIALISED in line for line in run.err)


def test_log_lines_and_version(start):
    run = start("--make-stubs")
    assert run.finish() == 0
    first = run.err[[i for i, l in enumerate(run.err) if "TAVELL_VERSION" in l][0]]
    assert first.startswith("[INFO ][")
    assert first.endswith('] TAVELL_VERSION: "2311221"')


def test_config_dir_reaches_the_controller(start, home, tmp_path):
    # The stand-in records its init; a controller of our own reads the variable.
    pkg = tmp_path / "controller"
    pkg.mkdir()
    (pkg / "__init__.py").write_text(
        "import os\nfrom tavell import Logger\n"
        "def init(a, b):\n    Logger.info('cfg=' + os.environ['TAVELL_CONFIG_DIR'])\n"
        "    print('gedruckt ohne Präfix')\n")
    env = program_env(home, PYTHONPATH=str(tmp_path))
    run = start("--make-stubs", env=env)
    assert run.finish() == 0
    # Stubs mode does not call init; start normally offscreen instead.
    env.update(QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software")
    run = start(env=env)
    try:
        assert run.wait_for(INITIALISED)
        assert any(line.endswith("[Py] cfg=" + os.path.join(home, "config", "TavellGmbH")) for line in run.err)
        assert run.wait_for("gedruckt ohne Präfix", stream="out")
        assert "gedruckt ohne Präfix" in run.out
        end_settled(run)
    finally:
        run.kill()


def test_environment_file_is_not_required(start, home):
    # /etc/environment may lack TAVELL lines or be missing: the start goes on.
    run = start("--version")
    assert run.finish() == 0


def test_start_gui_ready_and_clean_close(start, home, display):
    env = program_env(home, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    run = start("-", "eins", "zwei", env=env)
    assert run.wait_for(INITIALISED), "\n".join(run.err)
    assert run.wait_for(GUI_READY)
    init = [i for i, line in enumerate(run.err) if "controller: init(True, False)" in line]
    ready = [i for i, line in enumerate(run.err) if GUI_READY in line]
    assert init and ready and init[0] < ready[0]
    assert any(line.endswith("[Py] controller: argv=['/opt/tavell/brew/py/venv/bin/python3.9', 'eins', 'zwei']")
               for line in run.err)

    # Close the window as an operator would; the program ends cleanly.
    deadline = time.monotonic() + scaled(15)
    while time.monotonic() < deadline:
        titles = subprocess.run(["/usr/bin/wmctrl", "-l"], env={**os.environ, "DISPLAY": display},
                                capture_output=True, text=True).stdout
        if "Tavell Brauanlage" in titles:
            break
        time.sleep(0.2)
    assert "Tavell Brauanlage" in titles
    subprocess.run(["/usr/bin/wmctrl", "-c", "Tavell Brauanlage"], env={**os.environ, "DISPLAY": display}, check=True)
    assert run.finish(timeout=30) == 0
    assert run.out[-18:] == [str(n) for n in range(1, 19)]


def test_unknown_option_does_not_stop_the_start(start, home):
    env = offscreen(home)
    run = start("--unbekannt", env=env)
    try:
        assert run.wait_for(GUI_READY), "\n".join(run.err)
        assert run.proc.poll() is None
        end_settled(run)
    finally:
        run.kill()
