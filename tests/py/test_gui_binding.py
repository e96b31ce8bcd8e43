"""tavell.gui as the controller sees it: enumerations, the one Gui object,
its properties and the argument checks of its methods."""

import gc
import sys

import pytest

import tavell
import tavell.gui
from tavell.gui import ColorEnum, Gui, GuiClass, GuiEnum, IconEnum, PageEnum, PopupEnum, SchemaEnum


@pytest.fixture
def restore_gui():
    page, scrollable = Gui.page, Gui.indicate_scrollable
    yield
    Gui.page = page
    Gui.indicate_scrollable = scrollable


ENUMS = [
    (PageEnum, ["Auto1", "Auto2", "Report", "Recipes", "Settings", "Updates", "UpdatesShell"]),
    (SchemaEnum, ["Auto1X1", "Auto1X2", "Auto2X1", "Auto2X2"]),
    (IconEnum, ["Saved", "Smiley", "Info"]),
    (ColorEnum, ["Transparent", "Green"]),
    (GuiEnum, ["DeleteWarnings", "FlashPico", "PopupOpened", "DialogData"]),
    (PopupEnum, ["Fullen", "Recovery"]),
]


@pytest.mark.parametrize("enum, names", ENUMS, ids=[e.__name__ for e, _ in ENUMS])
def test_enum_members_in_order_without_sentinel(enum, names):
    assert list(enum.__members__) == names
    assert [int(enum.__members__[n]) for n in names] == list(range(len(names)))
    assert len(enum.__entries) == len(names)
    assert not any(name.endswith("Count") for name in enum.__members__)


def test_module_order_and_names():
    bound = [name for name in vars(tavell.gui) if not name.startswith("__")]
    assert bound == ["PageEnum", "SchemaEnum", "IconEnum", "ColorEnum", "GuiEnum", "PopupEnum", "GuiClass", "Gui"]
    assert sys.modules["tavell.gui"] is tavell.gui


def test_one_gui_object_that_python_cannot_build_or_own():
    first = tavell.gui.Gui
    assert type(first) is GuiClass
    assert tavell.gui.Gui is first
    from tavell.gui import Gui as again
    assert again is first

    with pytest.raises(TypeError):
        GuiClass()

    # Dropping Python's names leaves the program's object alive and bound.
    del first, again
    gc.collect()
    assert isinstance(tavell.gui.Gui.page, PageEnum)


def test_only_the_bound_members_are_visible():
    for hidden in ("title", "fullscreen", "scale_factor", "scaleFactor", "controls_enabled", "controlsEnabled"):
        assert not hasattr(Gui, hidden)


@pytest.mark.usefixtures("restore_gui")
def test_page_round_trips_every_member():
    for page in PageEnum.__members__.values():
        Gui.page = page
        assert Gui.page == page
        assert type(Gui.page) is PageEnum


@pytest.mark.usefixtures("restore_gui")
@pytest.mark.parametrize(
    "statement",
    [
        "Gui.page = 'Auto2'",
        "Gui.page = None",
        "Gui.change_schema(2)",
        "Gui.close_dialog('1', True)",
        "Gui.close_current_dialog('ja')",
        "Gui.toast_notify('x', IconEnum.Info, 1)",
        "Gui.set_warnings_dialog_data(1.5, 't', 'x', 'ja')",
        "Gui.set_pico_return_value('0')",
        "Gui.set_pico_stdout(text='x')",
        "Gui.request_popup(1, 2)",
        "Gui.message('t', 'x')",
        "Gui.show_poweroff_dialog(True)",
    ],
)
def test_wrong_arguments_raise_type_error(statement):
    page = Gui.page
    with pytest.raises(TypeError):
        exec(statement, {**vars(tavell.gui)})
    assert Gui.page == page


def test_keyword_names_and_none_results():
    calls = [
        lambda: Gui.change_schema(schema=SchemaEnum.Auto1X1),
        lambda: Gui.close_current_dialog(accept=True),
        lambda: Gui.toast_notify(text="t", icon_enum=IconEnum.Saved, color_enum=ColorEnum.Green, duration=1),
        lambda: Gui.toast_warn(text="t", duration=1),
        lambda: Gui.set_warnings_dialog_data(count=0, title="t", text="x", yes_txt="ja"),
        lambda: Gui.question(title="t", text="x", options=[1, {"a": None}]),
    ]
    for call in calls:
        assert call() is None
