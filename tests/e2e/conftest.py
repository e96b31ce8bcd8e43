"""Starts the real program with the stand-in controller and reads its output."""

import contextlib
import fcntl
import os
import shutil
import signal
import socket
import stat
import subprocess
import tempfile
import threading
import time

import pytest

SOURCE = os.environ.get("TAVELL_SOURCE_DIR", os.getcwd())
APP = os.environ.get("TAVELL_APP", os.path.join(SOURCE, "build", "tavell-brew"))
STAND_INS = os.path.join(SOURCE, "tests", "bin")

# The program's command socket path is fixed for the whole machine. CTest's
# resource lock keeps the tests of one run apart; this file lock, which the Qt
# tests of the socket take too (tests/support/command_socket.h), keeps test
# runs of other work trees on the same machine apart.
SOCKET_PATH = "/tmp/tavell_brew.sock"
LOCK_PATH = "/tmp/tavell_brew.test.lock"

# Every process a test starts dies with the test process. When CTest stops a
# test at its time limit it kills only the test process; a program left
# behind would hold the fixed socket and fail every later test of the run.
# (setpriv executes the program in its place: the pid stays the program's.
# Found now, as some tests start the program with a narrowed PATH.)
DIES_WITH_TEST = [shutil.which("setpriv") or "/usr/bin/setpriv", "--pdeathsig", "KILL"]

CONSTRUCTED = "SocketInterface CONSTRUCTED; sock exists: 1"
DESTRUCTED = "SocketInterface DESTRUCTED"

# The checking builds run the program several times slower (CMake passes the
# factor it applies to CTest's own limits). Every time limit below only stops
# a test that would otherwise hang, or bounds how long the program may take
# for something; it is multiplied by the factor, so a busy machine running a
# checking build does not fail a test that waits for the right thing.
TIMEOUT_SCALE = int(os.environ.get("TAVELL_TIMEOUT_SCALE", "1"))


def scaled(seconds):
    return seconds * TIMEOUT_SCALE


class Running:
    """A started program whose standard output and error are collected."""

    def __init__(self, args, env, cwd):
        # A group of its own, so that kill() also ends a child the program
        # forked and that has not yet executed anything.
        self.proc = subprocess.Popen([*DIES_WITH_TEST, APP, *args], env=env, cwd=cwd, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE, stdin=subprocess.DEVNULL, start_new_session=True)
        self._out, self._err = [], []
        self._lock = threading.Lock()
        self._threads = [threading.Thread(target=self._pump, args=(s, b), daemon=True)
                         for s, b in ((self.proc.stdout, self._out), (self.proc.stderr, self._err))]
        for t in self._threads:
            t.start()

    def _pump(self, stream, into):
        for raw in iter(stream.readline, b""):
            with self._lock:
                into.append(raw.decode("utf-8", "replace").rstrip("\n"))

    @property
    def out(self):
        with self._lock:
            return list(self._out)

    @property
    def err(self):
        with self._lock:
            return list(self._err)

    def wait_for(self, text, timeout=20, stream="err"):
        deadline = time.monotonic() + scaled(timeout)
        while time.monotonic() < deadline:
            if any(text in line for line in getattr(self, stream)):
                return True
            if self.proc.poll() is not None:
                break
            time.sleep(0.05)
        return any(text in line for line in getattr(self, stream))

    def finish(self, timeout=30):
        code = self.proc.wait(timeout=scaled(timeout))
        for t in self._threads:
            t.join(timeout=5)
        return code

    def kill(self):
        with contextlib.suppress(ProcessLookupError):
            os.killpg(self.proc.pid, signal.SIGKILL)
        self.proc.wait()


def socket_answers():
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
        probe.settimeout(1)
        try:
            probe.connect(SOCKET_PATH)
            return True
        except OSError:
            return False


# "app quit" is answered by the connection closing as the program ends, after
# its screens and the interpreter are taken down: on a busy machine that took
# longer than the 10 s of an ordinary answer. The wait stops only a hang.
QUIT_WAIT = 60.0


def send(data, timeout=10.0):
    """One connection: sends the bytes, returns what comes back until the program closes it."""
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as client:
        client.settimeout(scaled(timeout))
        client.connect(SOCKET_PATH)
        client.sendall(data)
        reply = b""
        while True:
            chunk = client.recv(65536)
            if not chunk:
                return reply
            reply += chunk


def remove_stale_socket():
    """Removes a socket file a killed program left behind; never a live one."""
    try:
        if stat.S_ISSOCK(os.lstat(SOCKET_PATH).st_mode) and not socket_answers():
            os.unlink(SOCKET_PATH)
    except FileNotFoundError:
        pass


@contextlib.contextmanager
def app_lock(timeout=240):
    with open(LOCK_PATH, "a") as lock:
        deadline = time.monotonic() + timeout
        while True:
            try:
                fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
                break
            except BlockingIOError:
                if time.monotonic() > deadline:
                    pytest.fail(f"{LOCK_PATH} stayed locked by another test run")
                time.sleep(0.1)
        try:
            yield
        finally:
            fcntl.flock(lock, fcntl.LOCK_UN)


def end_settled(run):
    """Ends a program whose end the test does not examine, at a defined point:
    once its event loop has answered the command socket (the screens are
    loaded, the controller has been told), with the quit command. What it
    does on the way out, the sanitizer runtimes' leak check at exit included,
    no longer depends on how far its start-up had got when the test was done
    with it, as it would after a signal sent at any moment."""
    assert send(b"fullscreen 0") == b"", "\n".join(run.err)
    assert send(b"app quit", QUIT_WAIT) == b""
    assert run.finish() == 0, "\n".join(run.err)


@pytest.fixture
def home():
    with tempfile.TemporaryDirectory() as d:
        runtime = os.path.join(d, "runtime")
        os.makedirs(runtime, mode=0o700)
        yield d


def program_env(home, **extra):
    env = dict(os.environ)
    env.update({
        "XDG_CONFIG_HOME": os.path.join(home, "config"),
        "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
        "PYTHONPATH": os.path.join(SOURCE, "py"),
        "PYTHONDONTWRITEBYTECODE": "1",
        "PATH": STAND_INS + os.pathsep + os.environ.get("PATH", ""),
        # No session bus. Without an address, Qt's platform theme under X11
        # has libdbus fork a child to launch one; in the ASan build such a
        # child could hang before it executed anything (an allocator lock
        # that another thread held at the fork), keeping the program's
        # command socket open after the program was killed.
        "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent/tavell-test-bus",
    })
    env.update(extra)
    return env


def offscreen(home, **extra):
    """The program's environment without a display, drawn by the software renderer."""
    return program_env(home, QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software", **extra)


@pytest.fixture
def start(home):
    """Starts the program; the test holds the command socket for itself."""
    started = []

    def _start(*args, env=None, cwd=SOURCE):
        run = Running(list(args), env or program_env(home), cwd)
        started.append(run)
        return run

    with app_lock():
        if socket_answers():
            pytest.fail(f"A program answers on {SOCKET_PATH}; end it before running these tests")
        remove_stale_socket()
        try:
            yield _start
        finally:
            for run in started:
                run.kill()
            remove_stale_socket()


def start_xvfb():
    """An X server of the program's screen size; returns the process and its display name."""
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen([*DIES_WITH_TEST, "Xvfb", "-displayfd", str(write_fd), "-screen", "0", "2048x1200x24", "-nolisten", "tcp"],
                            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    with os.fdopen(read_fd, "rb") as r:
        number = r.readline().decode().strip()
    return xvfb, ":" + number


@pytest.fixture
def display():
    """An X server with a window manager, so windows can be closed as an operator would."""
    if not shutil.which("Xvfb") or not shutil.which("matchbox-window-manager"):
        pytest.fail("Xvfb and matchbox-window-manager are needed (scripts/setup installs them)")
    xvfb, name = start_xvfb()
    env = {**os.environ, "DISPLAY": name}
    wm = subprocess.Popen([*DIES_WITH_TEST, "matchbox-window-manager", "-use_titlebar", "no"], env=env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # The tests ask the window manager (through wmctrl) to close windows or
    # show them full screen: it must be in charge before a test begins. It is
    # once it announces itself on the root window, which `wmctrl -m` reads.
    try:
        deadline = time.monotonic() + scaled(10)
        while subprocess.run(["/usr/bin/wmctrl", "-m"], env=env, capture_output=True).returncode != 0:
            if wm.poll() is not None or time.monotonic() > deadline:
                pytest.fail(f"the window manager did not take the screen {name} (exit status {wm.poll()})")
            time.sleep(0.05)
        yield name
    finally:
        wm.kill()
        xvfb.kill()
        wm.wait()
        xvfb.wait()
