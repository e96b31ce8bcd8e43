"""Single instance and the command socket of the running program."""

import os
import random
import signal
import socket
import stat
import subprocess
import time

import pytest

from conftest import CONSTRUCTED, DESTRUCTED, QUIT_WAIT, SOCKET_PATH, offscreen, program_env, scaled, send

GUI_READY = "[Py] controller: action_from_cpp(<ActionEnum.GuiReady: 0>)"
SOCKET_INFO = "] Anscheinend läuft das Programm bereits. Es wird versucht das Fenster nach vorne zu bringen (socket)"
WMCTRL_INFO = "] Anscheinend läuft das Programm bereits. Es wird versucht das Fenster nach vorne zu bringen (wmctrl)"
STALE = 'Die Socketdatei war noch vorhanden und wurde erfolgreich gelöscht: "/tmp/tavell_brew.sock"'

COUNT = "Es müssen genau 2 Parameter übergeben werden - übergeben: ".encode()
FIRST = "Der erste Parameter muss 'app' oder 'fullscreen' sein, nicht ".encode()
APP = "Der einzige gültige app-Parameter ist 'quit', nicht ".encode()
FULLSCREEN = "Ungültiger 'fullscreen'-Parameter. Gültige Parameter sind: true, 1, false, 0".encode()


def start_listening(start, env):
    run = start(env=env)
    assert run.wait_for(CONSTRUCTED, stream="out"), "\n".join(run.err)
    assert run.wait_for(GUI_READY), "\n".join(run.err)
    return run


def quit_cleanly(run):
    assert send(b"app quit", QUIT_WAIT) == b""
    assert run.finish() == 0
    assert DESTRUCTED in run.out
    # The command socket goes before the bridge stops the interpreter.
    assert run.out.index(DESTRUCTED) < len(run.out) - 18
    assert run.out[-18:] == [str(n) for n in range(1, 19)]
    assert not os.path.exists(SOCKET_PATH)


def socket_warnings(run):
    return [line for line in run.err if '] "Socket:" "' in line]


def test_second_start_ends_with_100_and_first_goes_full_screen(start, home, display, tmp_path):
    env = program_env(home, DISPLAY=display, QT_QPA_PLATFORM="xcb")

    def fullscreen():
        state = subprocess.run(["xprop", "-name", "Tavell Brauanlage", "_NET_WM_STATE"], env=env,
                               capture_output=True, text=True)
        assert state.returncode == 0, state.stderr
        return "_NET_WM_STATE_FULLSCREEN" in state.stdout

    def wait_fullscreen(expected, timeout=15):
        deadline = time.monotonic() + scaled(timeout)
        while time.monotonic() < deadline:
            if fullscreen() == expected:
                return True
            time.sleep(0.1)
        return fullscreen() == expected

    first = start_listening(start, env)
    deadline = time.monotonic() + scaled(15)
    while subprocess.run(["xprop", "-name", "Tavell Brauanlage", "WM_NAME"], env=env,
                         capture_output=True).returncode != 0 and time.monotonic() < deadline:
        time.sleep(0.1)
    assert not fullscreen()

    record = tmp_path / "wmctrl.calls"
    second = start(env={**env, "TAVELL_TEST_WMCTRL": "window", "TAVELL_TEST_WMCTRL_RECORD": str(record)})
    assert second.finish() == 100
    info = [line for line in second.err if line.endswith(SOCKET_INFO)]
    assert len(info) == 1 and info[0].startswith("[INFO ][")
    assert any("SOCKET STATE: QLocalSocket::ConnectedState (File: " in line for line in second.err)
    assert any("SOCKET ERROR: QLocalSocket::UnknownSocketError (File: " in line for line in second.err)
    assert not any("SocketInterface" in line for line in second.out)
    assert not record.exists(), "the window tool is only asked when nobody answers"

    assert wait_fullscreen(True), "\n".join(first.err)
    assert first.proc.poll() is None

    assert send(b"fullscreen 0") == b""
    assert wait_fullscreen(False)
    assert send(b"fullscreen true") == b""
    assert wait_fullscreen(True)
    assert send(b"fullscreen false") == b""
    assert wait_fullscreen(False)
    assert send(b"fullscreen 1") == b""
    assert wait_fullscreen(True)
    assert socket_warnings(first) == []
    quit_cleanly(first)


def test_errors_are_answered_and_logged(start, home):
    run = start_listening(start, offscreen(home))
    cases = [
        (b"app quit\n", APP + b"quit\n"),
        (b"app Quit", APP + b"Quit"),
        (b"fullscreen ja", FULLSCREEN),
        (b"fullscreen 1\n", FULLSCREEN),
        (b"Fullscreen 1", FIRST + b"Fullscreen"),
        ("grüße welt".encode(), FIRST + "grüße".encode()),
        (b"fullscreen 1 0", COUNT + b"3"),
        (b"app  quit", COUNT + b"3"),
        (b"app", COUNT + b"1"),
        (b"fullscreen 0", b""),
        (b"fullscreen 1", b""),
    ]
    for sent, reply in cases:
        assert send(sent) == reply, sent
        assert run.proc.poll() is None, sent

    # The log lines come through a pipe of their own; give them time.
    expected = len([c for c in cases if c[1]])
    deadline = time.monotonic() + scaled(10)
    while len(socket_warnings(run)) < expected and time.monotonic() < deadline:
        time.sleep(0.05)
    warnings = socket_warnings(run)
    assert len(warnings) == expected
    assert all(line.startswith("[WARN ][") and "(File: " in line for line in warnings)
    for logged in ('"Socket:" "Der einzige gültige app-Parameter ist \'quit\', nicht quit\\n"',
                   '"Socket:" "Es müssen genau 2 Parameter übergeben werden - übergeben: 3"',
                   '"Socket:" "Es müssen genau 2 Parameter übergeben werden - übergeben: 1"'):
        assert any(logged in line for line in warnings), logged
    quit_cleanly(run)


def test_client_without_data(start, home):
    run = start_listening(start, offscreen(home))
    for _ in range(3):
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as client:
            client.connect(SOCKET_PATH)
    time.sleep(0.5)
    assert run.proc.poll() is None
    assert socket_warnings(run) == []
    assert not any("keine Daten" in line for line in run.err)
    assert send(b"fullscreen 1") == b""
    quit_cleanly(run)


def test_stale_socket_file_of_a_killed_run(start, home):
    killed = start_listening(start, offscreen(home))
    killed.proc.send_signal(signal.SIGKILL)
    killed.finish()
    assert stat.S_ISSOCK(os.lstat(SOCKET_PATH).st_mode)

    run = start_listening(start, offscreen(home))
    found = [line for line in run.err if STALE in line]
    assert len(found) == 1 and found[0].startswith("[DEBUG][") and "(File: " in found[0]
    assert not any(SOCKET_INFO in line for line in run.err)
    quit_cleanly(run)


def test_window_tool_missing(start, home, tmp_path):
    empty = tmp_path / "empty"
    empty.mkdir()
    run = start_listening(start, offscreen(home, PATH=str(empty)))
    text = "Das Programm 'wmctrl' ist anscheinend nicht installiert."
    info = [line for line in run.err if text in line]
    assert len(info) == 1
    assert info[0].startswith("[INFO ][") and info[0].endswith("] " + text)
    quit_cleanly(run)


def test_window_tool_finds_running_window(start, home, tmp_path):
    record = tmp_path / "wmctrl.calls"
    run = start(env=offscreen(home, TAVELL_TEST_WMCTRL="window", TAVELL_TEST_WMCTRL_RECORD=str(record)))
    assert run.finish() == 100
    assert [line for line in run.err if line.endswith(WMCTRL_INFO)]
    assert record.read_text().splitlines() == ["-l|", "-a|Tavell Brauanlage|"]
    assert not any("SocketInterface" in line for line in run.out)
    assert not os.path.exists(SOCKET_PATH)


def expected_reply(data):
    """The answer to a command, for bytes that are valid UTF-8."""
    words = data.split(b" ")
    if len(words) != 2:
        return COUNT + str(len(words)).encode()
    first, second = words
    if first == b"app":
        return b"" if second == b"quit" else APP + second
    if first == b"fullscreen":
        return b"" if second in (b"true", b"1", b"false", b"0") else FULLSCREEN
    return FIRST + first


def fuzz_inputs(rng, count):
    tokens = [b"app", b"quit", b"fullscreen", b"1", b"0", b"true", b"false", b"", b"\n", b"\x00", b"\xff",
              b"\xc3", "ü".encode(), b"\xef\xbb\xbf", b"\r"]
    inputs = []
    while len(inputs) < count:
        if rng.random() < 0.5:
            data = bytes(rng.randrange(256) for _ in range(rng.randint(1, 24)))
        else:
            data = rng.choice([b" ", b"  ", b""]).join(rng.choice(tokens) for _ in range(rng.randint(1, 4)))
        if data and data != b"app quit":
            inputs.append(data)
    return inputs


def test_random_commands_keep_the_program_running(start, home):
    run = start_listening(start, offscreen(home))
    seed = int(os.environ.get("TAVELL_FUZZ_SEED", time.time_ns() % 1_000_000))
    inputs = fuzz_inputs(random.Random(seed), 3000)
    deadline = time.monotonic() + 120
    sent = 0
    for data in inputs:
        if time.monotonic() > deadline:
            break
        reply = send(data)
        try:
            data.decode("utf-8")
            assert reply == expected_reply(data), (seed, data, reply)
        except UnicodeDecodeError:
            # An invalid sequence in the word named in the answer comes back replaced.
            expected = expected_reply(data)
            prefix = next((p for p in (FIRST, APP) if expected.startswith(p)), None)
            if prefix:
                assert reply.startswith(prefix), (seed, data, reply)
            else:
                assert reply == expected, (seed, data, reply)
        sent += 1
    assert sent >= 500, f"only {sent} commands in the time"
    assert run.proc.poll() is None, f"seed {seed}"
    quit_cleanly(run)
