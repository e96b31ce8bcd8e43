"""A controller whose entry points fail: GuiReady raises, and so does the first
dialog report it is handed. Every call is logged with what Python received,
so the end-to-end tests can follow the error dialogs' reports."""

from tavell import Logger
from tavell.action import ActionEnum
from tavell.gui import GuiEnum

_refused_report = False


def _check_screen(code):
    if code == ActionEnum.GuiReady:
        raise ValueError("Bildschirm nicht bereit: <Prüfung> fehlgeschlagen")


def init(gui_mode, simulator):
    Logger.info(f"entry_raises: init({gui_mode!r}, {simulator!r})")


def action_from_cpp(code):
    Logger.info(f"entry_raises: action_from_cpp({code!r})")
    _check_screen(code)


def gui_value_from_cpp(code, value):
    global _refused_report
    Logger.info(f"entry_raises: gui_value_from_cpp({code!r}, {value!r})")
    # Only once: the error dialog for this failure reports its own set-up here.
    if code == GuiEnum.DialogData and not _refused_report:
        _refused_report = True
        raise RuntimeError()


def __getattr__(name):
    if name.endswith("_from_cpp"):
        return lambda *args: Logger.info(f"entry_raises: {name}{args!r}")
    raise AttributeError(name)
