"""Dialogs of the running program: the error dialog for a failing controller
and the warning about unknown options, seen through the log, through the
reports the dialogs send to the controller and, for the texts they show,
through scripts/screen-probe."""

import contextlib
import json
import os
import re
import subprocess
import time

from conftest import CONSTRUCTED, DESTRUCTED, DIES_WITH_TEST, QUIT_WAIT, SOURCE, offscreen, scaled, send

ON_EXCEPTION = "onException: "
SCENARIO = os.path.join(SOURCE, "tests", "py", "controllers", "entry_raises")


def exception_records(run):
    records = []
    for line in run.err:
        if ON_EXCEPTION in line:
            text = line.split(ON_EXCEPTION, 1)[1]
            # A source suffix may follow the JSON; the decoder stops at its end.
            records.append(json.JSONDecoder().raw_decode(text)[0])
    return records


def qml_warnings(run):
    return [line for line in run.err if (".qml:" in line or "qrc:/qml" in line) and ON_EXCEPTION not in line]


def lines_with(run, text):
    return [line for line in run.err if text in line]


def dialog_reports(run, who):
    """The values of the DialogData reports the controller logged, in order."""
    pattern = re.compile(re.escape(who) + r": gui_value_from_cpp\(<GuiEnum\.DialogData: \d+>, (.*)\)$")
    return [m.group(1) for m in map(pattern.search, run.err) if m]


@contextlib.contextmanager
def screen_probe(directory):
    """scripts/screen-probe, waiting for the program to connect: yields the
    program's argument that connects it and a function that evaluates a QML
    expression in the running program (see scripts/screen-probe)."""
    probe = os.path.join(SOURCE, "scripts", "screen-probe")
    debug, control = os.path.join(directory, "debug"), os.path.join(directory, "probe")
    server = subprocess.Popen([*DIES_WITH_TEST, probe, "serve", debug, control],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = time.monotonic() + scaled(10)
        while not os.path.exists(control):
            assert server.poll() is None and time.monotonic() < deadline, "screen-probe did not start"
            time.sleep(0.05)

        def ask(expression):
            answer = subprocess.run([probe, "ask", control, expression], capture_output=True, text=True,
                                    timeout=scaled(30))
            return answer.stdout.rstrip("\n")

        yield f"-qmljsdebugger=file:{debug},services:QmlDebugger", ask
    finally:
        server.kill()
        server.wait()


def quit_cleanly(run):
    assert send(b"app quit", QUIT_WAIT) == b""
    assert run.finish() == 0, "\n".join(run.err)
    assert DESTRUCTED in run.out
    assert run.out[-18:] == [str(n) for n in range(1, 19)]


def test_failing_entry_points_open_error_dialogs(start, home):
    run = start(env=offscreen(home, PYTHONPATH=SCENARIO))
    try:
        assert run.wait_for(CONSTRUCTED, stream="out"), "\n".join(run.err)
        # GuiReady raises; its error dialog reports its set-up, which raises in
        # turn; that second error dialog reports as well, and nothing raises more.
        assert run.wait_for("'current': [-2.0, None]"), "\n".join(run.err)

        records = exception_records(run)
        assert len(records) == 2, "\n".join(run.err)
        first, second = records

        assert first["type"] == "ValueError"
        assert first["text"].startswith("Bildschirm nicht bereit: <Prüfung> fehlgeschlagen\nZeile ")
        assert first["root"] == SOURCE
        assert first["withTraceback"] is True
        frames = first["trace"]
        # Outermost call first: the entry point, then the helper that raised.
        assert [f["func"] for f in frames] == ["action_from_cpp", "_check_screen"]
        assert all(f["file"] == "controller.py" for f in frames)
        assert frames[-1]["pathRel"] == "tests/py/controllers/entry_raises/controller.py"
        assert frames[-1]["pathAbs"] == os.path.join(SCENARIO, "controller.py")
        assert frames[-1]["lineStr"].startswith("raise ValueError(")
        assert frames[0]["lineStr"] == "_check_screen(code)"

        # An exception without arguments: the text is empty apart from the place it was caught.
        assert second["type"] == "RuntimeError"
        assert second["text"].startswith("\nZeile ")
        assert [f["func"] for f in second["trace"]] == ["gui_value_from_cpp"]
        assert lines_with(run, "Konnte den Fehlertext nicht aus args[0] bekommen")

        assert dialog_reports(run, "entry_raises") == ["{'current': [-1.0, None]}", "{'current': [-2.0, None]}"]
        # The handler printed each error's text itself.
        assert "Bildschirm nicht bereit: <Prüfung> fehlgeschlagen" in run.out
        # The error dialog opened only after GuiReady had failed.
        ready = run.err.index(lines_with(run, "entry_raises: action_from_cpp(<ActionEnum.GuiReady: 0>)")[0])
        assert ready < run.err.index(lines_with(run, "'current': [-1.0, None]")[0])
        assert not lines_with(run, "Dialog ist bereits offen")

        # Two stacked error dialogs draw without a QML warning.
        assert qml_warnings(run) == [], "\n".join(qml_warnings(run))

        # The worker still takes actions, and the program answers its socket.
        assert run.proc.poll() is None
        assert send(b"fullscreen 1") == b""
        assert run.proc.poll() is None
        quit_cleanly(run)
        # Closing destroyed the open dialogs without a further report raising,
        # and without a QML warning from dialogs torn down with the engine.
        assert len(exception_records(run)) == 2
        assert dialog_reports(run, "entry_raises") == ["{'current': [-1.0, None]}", "{'current': [-2.0, None]}"]
        assert qml_warnings(run) == [], "\n".join(qml_warnings(run))
    finally:
        run.kill()


def test_unknown_option_shows_the_warning_dialog(start, home):
    # A machine without a German locale: the parser's error, Qt's own text,
    # still reads German inside the warning.
    run = None
    try:
        with screen_probe(home) as (debugger, ask):
            run = start("--gibtsnicht", debugger, env=offscreen(home, LANG="C", LC_ALL="C"))
            assert run.wait_for("controller: gui_value_from_cpp(<GuiEnum.DialogData"), "\n".join(run.err)
            # One dialog, set up once, after the controller heard GuiReady.
            assert dialog_reports(run, "controller") == ["{'current': [-1.0, None]}"]
            ready = run.err.index(lines_with(run, "controller: action_from_cpp(<ActionEnum.GuiReady: 0>)")[0])
            assert ready < run.err.index(lines_with(run, "controller: gui_value_from_cpp(<GuiEnum.DialogData")[0])
            assert exception_records(run) == []

            shown = ask("p.openDialogs().map(function(d) { return d.title + '|' + d.text }).join('\\n')")
            title, _, text = shown.partition("|")
            assert title == "Ungültige(r) Parameter", shown
            assert text.startswith("Beim Programmstart wurden ungültige Parameter übergeben:<br>"
                                   "Unbekannte Option 'gibtsnicht'.<br>"), shown
            assert not lines_with(run, "Qt-Übersetzung nicht geladen")
        # The probe has gone: at its end the program's debugging thread
        # would otherwise wait for the probe to read what it still sends.
        assert run.proc.poll() is None
        quit_cleanly(run)
    finally:
        if run:
            run.kill()


def test_known_options_show_no_dialog(start, home):
    run = start("--pointing-hand-cursor", env=offscreen(home))
    try:
        assert run.wait_for("controller: action_from_cpp(<ActionEnum.GuiReady: 0>)"), "\n".join(run.err)
        # A dialog made at start-up reports before the event loop reads the
        # socket, so once the socket has answered its report would be logged.
        assert send(b"fullscreen 0") == b""
        assert dialog_reports(run, "controller") == []
        quit_cleanly(run)
    finally:
        run.kill()
