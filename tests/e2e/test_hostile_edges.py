"""The running program against a controller or clients that misbehave: it
stays responsive, bounded and able to end cleanly."""

import contextlib
import http.server
import importlib.machinery
import importlib.util
import os
import resource
import signal
import socket
import subprocess
import sys
import threading
import time

from conftest import CONSTRUCTED, DESTRUCTED, QUIT_WAIT, SOCKET_PATH, SOURCE, offscreen, program_env, scaled, send, start_xvfb

HOSTILE = os.path.join(SOURCE, "tests", "py", "controllers", "hostile")
READY = "hostile: bereit"
TAKE_DOWN = [str(n) for n in range(1, 19)]


# A checking build keeps freed memory in quarantine, so its resident size says
# nothing about what the program holds.
CHECKING_BUILD = "ASAN_OPTIONS" in os.environ


def asan_check():
    """scripts/asan-check, whose rules judge the sanitizer reports."""
    sys.dont_write_bytecode = True
    loader = importlib.machinery.SourceFileLoader("asan_check", os.path.join(SOURCE, "scripts", "asan-check"))
    module = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name, loader))
    loader.exec_module(module)
    return module


def hostile(start, home, mode, **extra):
    if mode in ("thread", "poweroff") and CHECKING_BUILD:
        # The interpreter is finalised without the thread that never ends:
        # what that thread still holds is never freed, by design.
        extra["ASAN_OPTIONS"] = os.environ["ASAN_OPTIONS"] + ":detect_leaks=0"
    run = start(env=offscreen(home, PYTHONPATH=HOSTILE, TAVELL_HOSTILE=mode, **extra))
    assert run.wait_for(CONSTRUCTED, stream="out"), "\n".join(run.err)
    assert run.wait_for(READY), "\n".join(run.err)
    return run


def quit_within(run, seconds):
    begun = time.monotonic()
    assert send(b"app quit", QUIT_WAIT) == b""
    assert run.finish(timeout=seconds) == 0, "\n".join(run.err)
    assert run.out[-18:] == TAKE_DOWN
    return time.monotonic() - begun


def resident_kib(run):
    with open(f"/proc/{run.proc.pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def test_a_failing_report_does_not_open_dialogs_without_end(start, home):
    run = hostile(start, home, "storm")

    def records():
        return [line for line in run.err if "onException: " in line]

    def reports():
        return [line for line in run.err if "hostile: gui_value_from_cpp(<GuiEnum.DialogData" in line]

    try:
        # The message reports, that fails; its error dialog reports, that fails
        # the same way: counted on the open dialog, no third dialog.
        deadline = time.monotonic() + scaled(20)
        while (len(records()) < 2 or len(reports()) < 2) and time.monotonic() < deadline:
            time.sleep(0.05)
        first = resident_kib(run)
        # Time for a storm to show: the screen has taken everything queued so far.
        assert send(b"fullscreen 0") == b""
        time.sleep(4)
        assert len(records()) == 2, "\n".join(run.err)
        assert len(reports()) == 2, "\n".join(run.err)
        if not CHECKING_BUILD:
            assert resident_kib(run) < first + 50_000
        quit_within(run, 30)
    finally:
        run.kill()


def test_a_controller_thread_that_never_ends_does_not_stop_the_take_down(start, home):
    run = hostile(start, home, "thread")
    try:
        assert run.wait_for("hostile: Thread gestartet")
        assert quit_within(run, 20) < scaled(10)
        assert [line for line in run.err if "Python-Threads laufen beim Beenden" in line and "abfrage" in line]
    finally:
        run.kill()


def test_power_off_is_reached_with_a_thread_that_never_ends(start, home, tmp_path):
    record = tmp_path / "power"
    run = hostile(start, home, "poweroff", TAVELL_TEST_POWER_RECORD=str(record), TAVELL_TEST_POWER_RC="0")
    try:
        # The controller asks the operator, and the question is accepted.
        assert run.finish(timeout=20) == 0, "\n".join(run.err)
        assert record.read_text() == "poweroff \n"
        assert [line for line in run.err if "Python-Threads laufen beim Beenden" in line]
    finally:
        run.kill()


def test_values_nested_too_deep_are_refused(start, home):
    run = hostile(start, home, "deep")
    try:
        refused = [line for line in run.err if "abgelehnt: " in line and "verschachtelt" in line]
        assert len(refused) == 2, "\n".join(run.err)
        assert [line for line in run.err if "hostile: scan_results = {}" in line]
        assert send(b"fullscreen 0") == b""
        quit_within(run, 30)
    finally:
        run.kill()


class _Recorder(http.server.BaseHTTPRequestHandler):
    requests = []

    def do_GET(self):
        _Recorder.requests.append(self.path)
        self.send_response(404)
        self.end_headers()

    def log_message(self, *args):
        pass


def test_texts_from_outside_never_fetch_what_their_markup_names(start, home):
    server = http.server.HTTPServer(("127.0.0.1", 0), _Recorder)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    _Recorder.requests = []
    try:
        url = f"http://127.0.0.1:{server.server_port}/x.png"
        run = hostile(start, home, "markup", TAVELL_HOSTILE_URL=url)
        try:
            # The screen has taken the texts once it answers; then time to fetch.
            assert send(b"fullscreen 0") == b""
            time.sleep(3)
            assert _Recorder.requests == []
            # The message's rich text asked for the picture, and was refused.
            assert [line for line in run.err if "Netzwerkzugriff abgelehnt: " + url in line], "\n".join(run.err)
            quit_within(run, 30)
        finally:
            run.kill()
    finally:
        server.shutdown()
        server.server_close()


def test_a_huge_message_leaves_the_program_responsive(start, home):
    run = hostile(start, home, "huge")
    try:
        # The message's dialog is up, then the program answers at once. After
        # the line the program still makes and shows the dialog: 0.1 to 0.4 s
        # with twice as many jobs running as the machine has cores; the
        # checking build, which unwinds the stack at every allocation, took
        # 4.4 s on a busy machine. A dialog that lays out the whole megabyte
        # does not answer within 5 s even in the normal build.
        assert run.wait_for("Gekürzt angezeigter Text (1048576 Zeichen)"), "\n".join(run.err)
        begun = time.monotonic()
        assert send(b"fullscreen 0", timeout=5) == b""
        assert time.monotonic() - begun < scaled(2.0)
        quit_within(run, 30)
    finally:
        run.kill()


def settled_file_count(pid, quiet=1.0, timeout=15.0):
    """The number of files the process holds once it stayed the same for `quiet` seconds."""
    deadline = time.monotonic() + scaled(timeout)
    count, since = -1, time.monotonic()
    while time.monotonic() < deadline:
        now = len(os.listdir(f"/proc/{pid}/fd"))
        if now != count:
            count, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            break
        time.sleep(0.05)
    return count


def test_idle_clients_beyond_the_file_limit_cannot_take_the_socket(start, home):
    extra = {}
    if CHECKING_BUILD:
        # Without a file left the sanitizer's vptr check reports sound objects:
        # it goes on after a report, and every report but that one fails below
        # (reason at scripts/asan-check, unexcused_reports).
        extra["UBSAN_OPTIONS"] = os.environ.get("UBSAN_OPTIONS", "") + ":halt_on_error=0"
    run = start(env=offscreen(home, **extra))
    clients = []
    try:
        assert run.wait_for(CONSTRUCTED, stream="out"), "\n".join(run.err)
        assert run.wait_for("controller: action_from_cpp(<ActionEnum.GuiReady: 0>)"), "\n".join(run.err)
        # A few files more than the program holds once its start-up has
        # settled (the keyboard and the scheme picture come after the first
        # frame; a thread started without a file left would abort in GLib).
        limit = settled_file_count(run.proc.pid) + 40
        resource.prlimit(run.proc.pid, resource.RLIMIT_NOFILE, (limit, limit))
        # More idle connections than the program may hold files: it accepts
        # until none is left, then its server fails to accept.
        lost = "Der Befehls-Socket hört nicht mehr zu"
        deadline = time.monotonic() + scaled(20)
        while not [line for line in run.err if lost in line]:
            assert time.monotonic() < deadline and run.proc.poll() is None, "\n".join(run.err)
            client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            client.settimeout(0.5)
            try:
                client.connect(SOCKET_PATH)
                clients.append(client)
            except OSError:
                client.close()
        # The idle ones are closed after a short time and the server listens again.
        deadline = time.monotonic() + scaled(20)
        while True:
            try:
                assert send(b"fullscreen 0", timeout=2) == b""
                break
            except OSError:
                assert time.monotonic() < deadline, "\n".join(run.err)
                time.sleep(0.5)
        for client in clients:
            client.close()
        clients = []
        quit_within(run, 30)
        if CHECKING_BUILD:
            assert asan_check().unexcused_reports(run.err) == [], "\n".join(run.err)
    finally:
        for client in clients:
            client.close()
        run.kill()


def test_sigterm_and_sighup_end_the_program_as_app_quit_does(start, home):
    for sig in (signal.SIGTERM, signal.SIGHUP):
        run = start(env=offscreen(home))
        try:
            assert run.wait_for(CONSTRUCTED, stream="out"), "\n".join(run.err)
            assert run.wait_for("controller: action_from_cpp(<ActionEnum.GuiReady: 0>)"), "\n".join(run.err)
            settings = os.path.join(home, "config", "TavellGmbH", "Zentorix.ini")
            if os.path.exists(settings):
                os.unlink(settings)
            run.proc.send_signal(sig)
            assert run.finish(timeout=30) == 0, "\n".join(run.err)
            assert DESTRUCTED in run.out
            assert run.out[-18:] == TAKE_DOWN
            assert not os.path.exists(SOCKET_PATH)
            # The window placement was stored on the way out.
            with open(settings, encoding="utf-8") as f:
                assert "width=" in f.read()
        finally:
            run.kill()


class _Answers:
    """Asks the command socket again and again from a thread; keeps every wait (begun, ended)."""

    def __init__(self):
        self.waits = []
        self._stop = threading.Event()
        self._thread = threading.Thread(target=self._ask, daemon=True)
        self._thread.start()

    def _ask(self):
        while not self._stop.is_set():
            begun = time.monotonic()
            try:
                send(b"fullscreen 0", timeout=60)
            except OSError:
                # No answer within the minute still counts as the wait it was.
                pass
            self.waits.append((begun, time.monotonic()))
            time.sleep(0.05)

    def longest(self, since=0.0, until=float("inf")):
        """The longest wait that overlapped the time from `since` to `until`."""
        return max((end - begun for begun, end in self.waits if end >= since and begun <= until), default=0.0)

    def stop(self):
        self._stop.set()
        self._thread.join(timeout=70)
        return self.longest()


@contextlib.contextmanager
def hostile_on_x(start, home, mode, **extra):
    """The hostile controller's program drawn under X at the program's scale
    by the software renderer, as on the plant: what the screen draws is what
    it costs."""
    xvfb, display = start_xvfb()
    try:
        settings = os.path.join(home, "config", "TavellGmbH")
        os.makedirs(settings, exist_ok=True)
        with open(os.path.join(settings, "Zentorix.ini"), "w") as f:
            f.write("[window]\ntheme=0\nmaximized=false\nx=0\ny=0\nwidth=1024\nheight=600\n")
        run = start(env=program_env(home, PYTHONPATH=HOSTILE, TAVELL_HOSTILE=mode, DISPLAY=display,
                                    QT_QPA_PLATFORM="xcb", QT_QUICK_BACKEND="software", **extra))
        try:
            assert run.wait_for(CONSTRUCTED, stream="out"), "\n".join(run.err)
            assert run.wait_for(READY), "\n".join(run.err)
            yield run, display
        finally:
            run.kill()
    finally:
        xvfb.kill()
        xvfb.wait()


def test_a_thousand_found_networks_cost_kilobytes_each(start, home, tmp_path):
    go = tmp_path / "go"
    with hostile_on_x(start, home, "networks", TAVELL_HOSTILE_GO=str(go)) as (run, display):
        # The settings page is shown; choose its "Netzwerk" tab (the
        # window's logical pixels, twice as many on the screen). The tab
        # asks for the interfaces only while it is shown; a busy machine
        # may not have drawn the window yet, so the clicks are repeated
        # until the tab asks.
        deadline = time.monotonic() + scaled(60)
        shown = False
        while not shown and time.monotonic() < deadline:
            for x, y in ((500, 25), (200, 84)):
                subprocess.run(["xdotool", "mousemove", str(2 * x), str(2 * y), "sleep", "0.3", "click", "1"],
                               env={**os.environ, "DISPLAY": display}, check=True)
            shown = run.wait_for("hostile: wifi_action_from_cpp(<WifiActionEnum.IPData", timeout=3)
        assert shown, "\n".join(run.err)
        time.sleep(1)
        before = resident_kib(run)
        answers = _Answers()
        try:
            go.touch()
            assert run.wait_for("hostile: 1000 Netze gemeldet", timeout=60), "\n".join(run.err)
            time.sleep(3)
        finally:
            longest = answers.stop()
        grown = resident_kib(run) - before
        print("networks:", round(longest, 2), "s,", grown, "KiB")
        assert longest < scaled(1.0)
        if not CHECKING_BUILD:
            assert grown < 50_000
        quit_within(run, 30)


def gui_thread_seconds(run):
    """Processor time the program's main (screen) thread has used so far."""
    with open(f"/proc/{run.proc.pid}/task/{run.proc.pid}/schedstat") as f:
        return int(f.read().split()[0]) / 1e9


def gui_settled(run, quiet=1.0, timeout=120.0):
    """Waits until the screen thread has been (nearly) idle for `quiet` seconds."""
    deadline = time.monotonic() + scaled(timeout)
    last, since = gui_thread_seconds(run), time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.1)
        now = gui_thread_seconds(run)
        # A blinking cursor or a clock costs well below this.
        if now - last > 0.004 + 0.03 * (time.monotonic() - since):
            last, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return now
    raise AssertionError("the screen thread did not come to rest")


def console_batches(start, home, go):
    """Screen-thread processor seconds of each batch of 5,000 lines written
    to the shown updates console, and the longest command-socket wait."""
    with hostile_on_x(start, home, "console", TAVELL_HOSTILE_GO=go) as (run, _display):
        gui_settled(run)
        costs, answers = [], _Answers()
        try:
            for batch in range(1, 6):
                before, begun = gui_settled(run), time.monotonic()
                open(f"{go}{batch}", "w").close()
                assert run.wait_for(f"hostile: Stapel {batch} geschrieben", timeout=120), "\n".join(run.err)
                costs.append(gui_settled(run) - before)
            longest = answers.stop()
        finally:
            answers.stop()
        # The whole output went to the log all the same.
        assert len([line for line in run.err if "Stapel 5 Zeile" in line]) == 5000
        quit_within(run, 60)
    return costs, longest


def test_a_full_updates_console_costs_what_an_empty_one_does(start, home, tmp_path):
    # Batch 1 fills the console to its 5,000 lines; from then on every line
    # that comes pushes one out. Pushing out must not make a line dearer:
    # the screen's processor time per batch stays near the first batch's, and
    # the screen answers throughout. The least of three runs per batch, as
    # other programs on a busy machine only ever add to a run's time.
    runs = 1 if CHECKING_BUILD else 3
    results = []
    for n in range(runs):
        results.append(console_batches(start, home, str(tmp_path / f"go-{n}-")))
    costs = [min(run[n] for run, _ in results) for n in range(5)]
    longest = max(waits for _, waits in results)
    print("console:", [round(c, 3) for c in costs], "s per batch, longest wait", round(longest, 2), "s")
    # The checking build runs the same lines for its own reports: text layout
    # there costs fifteen to thirty times what it does in the program (3 to
    # 9 s a batch), beyond its time factor, so what the screen costs is judged
    # in the program's own build.
    if not CHECKING_BUILD:
        assert longest < 1.5
        assert max(costs[1:]) <= 1.5 * costs[0], costs
