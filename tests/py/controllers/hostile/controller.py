"""A controller that misbehaves in the way TAVELL_HOSTILE names, once the
screen is ready: "storm" fails every report of a dialog after showing a
message; "thread" leaves a thread running that never ends ("poweroff" as well, then
has the power-off question accepted); "deep" hands over
values nested far too deep; "markup" sends texts pointing at the address in
TAVELL_HOSTILE_URL; "huge" shows a message of a megabyte; "networks" reports
a thousand found networks once the file TAVELL_HOSTILE_GO appears; "console"
shows the updates console and writes five batches of 5,000 lines to it, batch
n once the file TAVELL_HOSTILE_GO with n appended appears."""

import os
import threading
import time

from tavell import Logger
from tavell.gui import Gui, GuiEnum, IconEnum, PageEnum
from tavell.shell import Shell
from tavell.wifi import Wifi

MODE = os.environ.get("TAVELL_HOSTILE", "")
URL = os.environ.get("TAVELL_HOSTILE_URL", "")
GO = os.environ.get("TAVELL_HOSTILE_GO", "")


def _poll_forever():
    while True:
        time.sleep(0.05)


def _nested(depth):
    value = []
    for _ in range(depth):
        value = [value]
    return value


def _networks_when_told():
    while not os.path.exists(GO):
        time.sleep(0.05)
    Wifi.scan_results = {f"Netz {i}": {"quality": i % 100, "is5GHz": i % 2 == 0} for i in range(1000)}
    Logger.info("hostile: 1000 Netze gemeldet")


def _console_batches():
    padding = "x" * 80
    for batch in range(1, 6):
        while not os.path.exists(f"{GO}{batch}"):
            time.sleep(0.05)
        for line in range(5000):
            Shell.append_stdout(f"Stapel {batch} Zeile {line:4d} {padding}")
        Logger.info(f"hostile: Stapel {batch} geschrieben")


def _ready():
    if MODE == "storm":
        Gui.message("Hinweis", "Gleich geht es los", "info")
    elif MODE in ("thread", "poweroff"):
        threading.Thread(target=_poll_forever, name="abfrage").start()
        Logger.info("hostile: Thread gestartet")
        if MODE == "poweroff":
            Gui.show_poweroff_dialog()
            Gui.close_current_dialog(True)
    elif MODE == "deep":
        for name, assign in (("scan_results", lambda v: setattr(Wifi, "scan_results", {"x": v})),
                             ("question", lambda v: Gui.question("Frage", "Text", {"options": v}))):
            try:
                assign(_nested(60000))
                Logger.info(f"hostile: {name} angenommen")
            except TypeError as error:
                Logger.info(f"hostile: {name} abgelehnt: {error}")
        Logger.info(f"hostile: scan_results = {Wifi.scan_results!r}")
    elif MODE == "markup":
        img = f'<img src="{URL}">'
        Gui.toast_notify(img, IconEnum.Info)
        Gui.toast_warn(img, 5000)
        Gui.set_warnings_dialog_data(1, img, "Warnung", img)
        Gui.question("Frage", "Text", {"yes": img, "no": img})
        Wifi.set_login_data(img, "")
        # A message is rich text and may format, but fetches nothing.
        Gui.message("Bild", img, "info")
    elif MODE == "huge":
        Gui.message("Groß", "x" * (1 << 20), "info")
    elif MODE == "networks":
        Gui.page = PageEnum.Settings
        threading.Thread(target=_networks_when_told, name="netze", daemon=True).start()
    elif MODE == "console":
        Gui.page = PageEnum.UpdatesShell
        threading.Thread(target=_console_batches, name="konsole", daemon=True).start()
    Logger.info("hostile: bereit")


def init(gui_mode, simulator):
    Logger.info(f"hostile: init {MODE}")


def action_from_cpp(code):
    if int(code) == 0:  # GuiReady
        _ready()


def gui_value_from_cpp(code, value):
    Logger.info(f"hostile: gui_value_from_cpp({code!r}, {value!r})")
    if MODE == "storm" and code == GuiEnum.DialogData:
        raise RuntimeError("Bericht abgelehnt")


def wifi_action_from_cpp(code, value):
    Logger.info(f"hostile: wifi_action_from_cpp({code!r})")


def __getattr__(name):
    if name.endswith("_from_cpp"):
        return lambda *args: None
    raise AttributeError(name)
