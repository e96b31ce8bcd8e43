"""Stand-in for the plant's process controller.

It is not a brewing controller: it records what the program hands it in the
log (through tavell.Logger) so the screens can be tried and the end-to-end
tests can follow each call. The network and update requests are answered
with made-up data written into the state objects, as the real controller
would answer them. The real controller package replaces it on the plant
through the interpreter's search path.
"""

import os
import sys

from tavell import Logger
from tavell.gui import Gui, GuiEnum, IconEnum
from tavell.shell import ChangelogEntry, ChangelogEntryVector, Shell, ShellActionEnum
from tavell.wifi import WifiActionEnum


class _Hidden:
    """Stands in the log for a value that must not be written anywhere."""

    def __repr__(self):
        return "<verborgen>"

from . import values as _values

from . import simulator as _simulator

from . import recipes as _recipes

from . import plant

from . import network as _network


def _record(name, *args):
    Logger.info(f"controller: {name}({', '.join(repr(a) for a in args)})")


def _plant_layout():
    """The heating-zone counts of lines A and B from TAVELL_STANDIN_ZONES
    ("A,B", default "4,0": one line; "4,4" is a three-vessel plant)."""
    text = os.environ.get("TAVELL_STANDIN_ZONES", "4,0")
    try:
        count_a, count_b = (int(part) for part in text.split(","))
    except ValueError:
        Logger.warning(f"controller: TAVELL_STANDIN_ZONES={text!r} ist kein Paar 'A,B', nehme 4,0")
        count_a, count_b = 4, 0
    from tavell.values import Values

    Values.heat_zone_count = count_a
    Values.heat_zone_count_b = count_b


def init(gui_mode, simulator):
    _record("init", gui_mode, simulator)
    Logger.debug(f"controller: argv={sys.argv!r}")
    _plant_layout()
    # Scroll containers show fade bands where more content lies beyond.
    Gui.indicate_scrollable = True
    _simulator.init(simulator)
    _recipes.init()
    _values.init()
    from . import auto

    auto.init()


def action_from_cpp(action):
    _record("action_from_cpp", action)
    plant.action(action)
    from . import auto

    auto.action_from_cpp(action)


def actuator_toggle_from_cpp(code):
    _record("actuator_toggle_from_cpp", code)
    plant.toggle_output(code)


def auto_value_from_cpp(code, value):
    _record("auto_value_from_cpp", code, value)
    from . import auto  # on first use, so this file also loads on its own

    auto.auto_value_from_cpp(code, value)


def gui_value_from_cpp(code, value):
    _record("gui_value_from_cpp", code, value)
    # The screen waits for this call to return: only queue a toast, never wait.
    if code == GuiEnum.DialogData:
        Gui.toast_notify(f"Dialogdaten erhalten: {value!r}", IconEnum.Info)
        from . import auto

        auto.dialog_data(value)
    elif code == GuiEnum.FlashPico:
        _flash(value)


def _flash(value):
    """A flashing run as the extension board's flasher reports it: a few
    lines of output, one on standard error, and its return value."""
    try:
        frequency, url = value
        path = url.removeprefix("file://")
    except (TypeError, ValueError, AttributeError):
        Gui.set_pico_stderr(f"Unbrauchbarer Auftrag: {value!r}")
        Gui.set_pico_return_value(2)
        return
    Gui.set_pico_stdout(f"Lese {path} ...")
    Gui.set_pico_stdout(f"Verbinde mit der Erweiterung ({frequency:g} kHz) ...")
    Gui.set_pico_stderr("Warnung: Erweiterung antwortete erst beim zweiten Versuch")
    Gui.set_pico_stdout("Schreibe 184320 Bytes ... Prüfe ... in Ordnung")
    Gui.set_pico_return_value(0)


def recipe_action_from_cpp(code, value):
    _record("recipe_action_from_cpp", code, value)
    _recipes.recipe_action_from_cpp(code, value)


def sensor_value_from_cpp(code, value):
    _record("sensor_value_from_cpp", code, value)
    plant.store_input(code, value)


def set_page_from_cpp(page):
    _record("set_page_from_cpp", page)
    Gui.page = page


def simulator_value_from_cpp(code, value):
    _record("simulator_value_from_cpp", code, value)
    _simulator.value_from_cpp(code, value)


def value_from_cpp(code, value):
    _record("value_from_cpp", code, value)
    _values.store(code, value)


# ---- network ----------------------------------------------------------------

def wifi_action_from_cpp(code, value):
    _record("wifi_action_from_cpp", code, _Hidden() if code == WifiActionEnum.Connect else value)
    _network.wifi_action(code, value)


# ---- updates ----------------------------------------------------------------

_UPGRADABLES = [
    {"name": "tavell-brew", "versionNew": "2311300", "versionOld": "2311221", "urgency": "high",
     "lastChange": ["Hopfengabe: Zeitanzeige korrigiert", "Rezepte: Import von Gruppen"],
     "changelogAvailable": "tavell-brew"},
    {"name": "tavell-pico-firmware", "versionNew": "1.4.2", "versionOld": "1.4.1", "urgency": "low",
     "lastChange": ["Entprellung der Eingänge"], "changelogAvailable": False},
]

_INSTALLED = [
    {"name": "tavell-brew", "version": "2311221", "arch": "arm64",
     "description": "Bedienprogramm der Brauanlage", "name2": "tavell-brew"},
    {"name": "tavell-pico-firmware", "version": "1.4.1", "arch": "all",
     "description": "Firmware der Pico-Platine", "name2": ""},
    {"name": "tavell-webserver", "version": "0.9.3", "arch": "all",
     "description": "Web-Oberfläche", "name2": "tavell-webserver"},
]

# One entry of each urgency, the last one with a word the screens do not know.
_CHANGELOG = [
    ("2311300", "high", "Mon, 27 Nov 2023 09:12:00 +0100", ["Hopfengabe: Zeitanzeige korrigiert"]),
    ("2311250", "medium", "Sat, 25 Nov 2023 17:40:00 +0100", ["Rezepte: Import von Gruppen", "Kleinere Korrekturen"]),
    ("2311221", "low", "Wed, 22 Nov 2023 08:05:00 +0100", ["Texte überarbeitet"]),
    ("2311200", "emergency", "Mon, 20 Nov 2023 11:30:00 +0100", ["Sicherheitskorrektur"]),
]


def _colours():
    # Entries take their colour when they are built, so these come first.
    Shell.color_urgency_low = "#43a047"
    Shell.color_urgency_medium = "#ef6c00"
    Shell.color_urgency_high = "#f44336"
    # Any other word: violet, apart from the three and readable on both themes.
    Shell.color_urgency_other = "#ba68c8"


def _changelog(package):
    entries = ChangelogEntryVector()
    for version, urgency, date, changes in _CHANGELOG:
        entry = ChangelogEntry(Shell)
        entry.name = str(package)
        entry.version = version
        entry.distribution = "testing" if Shell.testing_repo_enabled else "stable"
        entry.urgency_str = urgency
        entry.date = date
        entry.changes = changes
        entries.append(entry)
    Shell.changelogs = entries


def _update():
    Shell.locked = True
    for line in ("Suche nach Aktualisierungen ...", "OK:1 https://deb.tavell.example stable InRelease\n"
                 "OK:2 https://deb.tavell.example stable/main <arm64> Packages", "Paketlisten werden gelesen ... Fertig",
                 f"{len(_UPGRADABLES)} Pakete können aktualisiert werden."):
        Shell.append_stdout(line)
    Shell.installed = _INSTALLED
    Shell.upgradables = _UPGRADABLES
    Shell.locked = False


def _upgrade():
    Shell.locked = True
    for row in Shell.upgradables:
        Shell.append_stdout(f"Entpacken von {row['name']} ({row['versionNew']}) ...")
        Shell.append_stdout(f"{row['name']} ({row['versionNew']}) wird eingerichtet ...")
    Shell.append_stderr("W: Neustart des Programms erforderlich")
    new = {row["name"]: row["versionNew"] for row in Shell.upgradables}
    Shell.installed = [dict(row, version=new.get(row["name"], row["version"])) for row in Shell.installed]
    Shell.upgradables = []
    Shell.locked = False


def shell_action_from_cpp(code, value):
    _record("shell_action_from_cpp", code, value)
    _colours()
    if code == ShellActionEnum.Update:
        _update()
    elif code == ShellActionEnum.Upgrade:
        _upgrade()
    elif code in (ShellActionEnum.Changelog, ShellActionEnum.LocalChangelog):
        if value:
            _changelog(value)
    elif code == ShellActionEnum.ClearCache:
        Shell.append_stdout("Temporäre Dateien gelöscht")
    elif code == ShellActionEnum.TestConsole:
        Shell.append_stdout("Test der Konsole: Standardausgabe")
        Shell.append_stderr("Test der Konsole: Fehlerausgabe")
    elif code == ShellActionEnum.ToggleTesting:
        Shell.testing_repo_enabled = not Shell.testing_repo_enabled
