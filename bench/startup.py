"""Start-up and memory of the program against the bare floor (bench_floor).

Run by scripts/bench. Times are milliseconds from process spawn; each figure
is the median over RUNS starts.
"""

import atexit
import contextlib
import fcntl
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

BUILD, SOURCE = sys.argv[1], sys.argv[2]
RUNS = int(sys.argv[3]) if len(sys.argv) > 3 else 5
INITIALISED = "Interpreter mit Modul 'controller' initialisiert"
# Qt's software render loop logs this after each frame it has drawn and
# handed out (category qt.scenegraph.time.renderloop, switched on below through
# QT_LOGGING_RULES). The program's message handler passes the text on without
# the category name, so the text is what is matched. The program has one
# window, so the first such line is the main window's first frame.
FRAME_RENDERED = "Frame rendered with 'software' renderloop"


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return -1


@contextlib.contextmanager
def app_lock():
    """The program's command socket path is fixed for the whole machine: hold the
    lock the end-to-end tests take, so no test run of another work tree starts
    the program meanwhile."""
    with open("/tmp/tavell_brew.test.lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        yield


# An installed controller package comes with its compiled bytecode, as the
# interpreter's standard library does. The stand-in's is kept out of the
# source tree, in a folder of this run that the first (uncounted) start fills;
# a machine that forbids writing bytecode would otherwise compile the stand-in
# at every start.
PYCACHE = tempfile.mkdtemp(prefix="tavell-bench-pycache-")
atexit.register(shutil.rmtree, PYCACHE, ignore_errors=True)


def program_once():
    home = tempfile.mkdtemp()
    os.makedirs(f"{home}/config")
    os.makedirs(f"{home}/runtime", mode=0o700)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software",
               PYTHONPATH=f"{SOURCE}/py", XDG_CONFIG_HOME=f"{home}/config",
               XDG_RUNTIME_DIR=f"{home}/runtime", PATH=f"{SOURCE}/tests/bin:" + os.environ["PATH"],
               QT_LOGGING_RULES="qt.scenegraph.time.renderloop=true", PYTHONPYCACHEPREFIX=PYCACHE)
    env.pop("PYTHONDONTWRITEBYTECODE", None)
    t0 = time.monotonic()
    proc = subprocess.Popen([f"{BUILD}/tavell-brew"], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    seen = {}
    done = threading.Event()

    def pump():
        for line in proc.stderr:
            now = (time.monotonic() - t0) * 1000
            if INITIALISED in line and "init" not in seen:
                seen["init"] = now
            if FRAME_RENDERED in line and "frame" not in seen:
                seen["frame"] = now
            if len(seen) == 2:
                done.set()

    threading.Thread(target=pump, daemon=True).start()
    done.wait(60)
    time.sleep(1.0)  # as the floor: let start-up settle before reading the size
    seen["rss"] = rss_kib(proc.pid)
    proc.terminate()
    proc.wait(10)
    return seen


def floor_once():
    t0 = time.monotonic()
    proc = subprocess.Popen([f"{BUILD}/bench/bench_floor"], stdout=subprocess.PIPE, text=True,
                            # The program sets QT_SCALE_FACTOR=2 itself: the same pixels here.
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software",
                                     QT_SCALE_FACTOR="2"))
    seen = {}
    for line in proc.stdout:
        key = line.split()[0]
        if key == "interpreter_ms":
            seen["init"] = (time.monotonic() - t0) * 1000
        elif key == "first_frame_ms":
            seen["frame"] = (time.monotonic() - t0) * 1000
        elif key == "rss_kib":
            seen["rss"] = int(line.split()[1])
    proc.wait(10)
    return seen


def median(runs, key):
    values = [r[key] for r in runs if key in r]
    return statistics.median(values) if values else float("nan")


floor = [floor_once() for _ in range(RUNS)]
with app_lock():
    program_once()  # fills the bytecode cache
    program = [program_once() for _ in range(RUNS)]
print(f"start-up ({RUNS} starts each, median):")
for key, text in (("init", "interpreter with controller ready"), ("frame", "first frame")):
    f, p = median(floor, key), median(program, key)
    print(f"  {text}: program {p:.0f} ms, floor {f:.0f} ms (x{p / f:.2f})")
f, p = median(floor, "rss"), median(program, "rss")
print(f"memory after start-up: program {p / 1024:.1f} MiB, floor {f / 1024:.1f} MiB (x{p / f:.2f})")
