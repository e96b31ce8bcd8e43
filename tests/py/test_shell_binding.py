"""tavell.shell as the controller sees it: Shell, ChangelogEntry and its vector."""

import pytest

import tavell.shell
from tavell.shell import ChangelogEntry, ChangelogEntryVector, Shell, ShellActionEnum, ShellClass

NOT_A_SEQUENCE = "Object of type '{}' is not an instance of 'sequence'"
EMPTY = "Ungültiger Index {}. Der Vector ist leer.\n"
OUT_OF_RANGE = "Ungültiger Index {}. Gültige Indices sind 0...{} (-1...{}).\n"


def entry(name="tavell-brew", date="Mon, 27 Nov 2023", distribution="stable", version="2311300",
          urgency="low", changes=("eins", "zwei")):
    e = ChangelogEntry(Shell)
    e.name, e.date, e.distribution, e.version = name, date, distribution, version
    e.urgency_str = urgency
    e.changes = list(changes)
    return e


def vector(*entries):
    v = ChangelogEntryVector()
    for e in entries:
        v.append(e)
    return v


def three():
    return vector(entry(version="1"), entry(version="2"), entry(version="3"))


@pytest.fixture(autouse=True)
def fresh_shell():
    Shell.testing_repo_enabled = False
    Shell.locked = False
    Shell.installed = []
    Shell.upgradables = []
    Shell.changelogs = ChangelogEntryVector()


# ---- module and Shell ----------------------------------------------------------

def test_shell_action_enum():
    assert {k: int(v) for k, v in ShellActionEnum.__members__.items()} == {
        "Update": 0, "Upgrade": 1, "Changelog": 2, "LocalChangelog": 3, "ClearCache": 4, "TestConsole": 5,
        "ToggleTesting": 6}
    assert len(ShellActionEnum.__entries) == 7
    assert not hasattr(ShellActionEnum, "ShellActionEnumCount")


def test_one_global_shell_without_constructor():
    assert type(Shell) is ShellClass
    assert tavell.shell.Shell is Shell
    with pytest.raises(TypeError):
        ShellClass()
    for name in ("color_urgency_low", "color_urgency_medium", "color_urgency_high", "color_urgency_other",
                 "testing_repo_enabled", "locked", "installed", "changelogs", "upgradables"):
        assert isinstance(getattr(ShellClass, name), property), name


@pytest.mark.parametrize("name", ["color_urgency_low", "color_urgency_medium", "color_urgency_high",
                                  "color_urgency_other"])
def test_colours_read_as_six_hex_digits(name):
    setattr(Shell, name, "red")
    assert getattr(Shell, name) == "#ff0000"
    setattr(Shell, name, "#abc")
    assert getattr(Shell, name) == "#aabbcc"
    setattr(Shell, name, "SteelBlue")
    assert getattr(Shell, name) == "#4682b4"
    # Unknown names and non-texts are an invalid colour, read as black.
    for unknown in ("keine Farbe", 5, None, ""):
        setattr(Shell, name, "red")
        setattr(Shell, name, unknown)
        assert getattr(Shell, name) == "#000000"


def test_flags_are_bools():
    Shell.testing_repo_enabled = True
    Shell.locked = 1
    assert Shell.testing_repo_enabled is True and Shell.locked is True
    for wrong in ("ja", [], {}):
        with pytest.raises(TypeError):
            Shell.locked = wrong
        with pytest.raises(TypeError):
            Shell.testing_repo_enabled = wrong
    assert Shell.locked is True and Shell.testing_repo_enabled is True
    Shell.locked = None
    assert Shell.locked is False


@pytest.mark.parametrize("name", ["installed", "upgradables"])
def test_package_lists_take_sequences_and_are_copied(name):
    rows = [{"name": "tavell-brew", "lastChange": ["eins"], "changelogAvailable": False}]
    setattr(Shell, name, rows)
    rows[0]["name"] = "geändert"
    rows[0]["lastChange"].append("zwei")
    got = getattr(Shell, name)
    assert got == [{"name": "tavell-brew", "lastChange": ["eins"], "changelogAvailable": False}]
    got[0]["name"] = "auch geändert"
    got.clear()
    assert getattr(Shell, name)[0]["name"] == "tavell-brew"
    setattr(Shell, name, ({"name": "a"}, {"name": "b"}))
    assert getattr(Shell, name) == [{"name": "a"}, {"name": "b"}]


@pytest.mark.parametrize("name", ["installed", "upgradables"])
def test_package_list_write_changing_only_a_type_is_stored(name):
    setattr(Shell, name, [{"name": "a", "version": 2.1}])
    setattr(Shell, name, [{"name": "a", "version": "2.10"}])
    assert getattr(Shell, name) == [{"name": "a", "version": "2.10"}]
    setattr(Shell, name, [{"name": "a", "version": "2.10", "changelogAvailable": 1}])
    setattr(Shell, name, [{"name": "a", "version": "2.10", "changelogAvailable": True}])
    assert getattr(Shell, name)[0]["changelogAvailable"] is True


@pytest.mark.parametrize("name", ["installed", "upgradables"])
def test_package_list_failing_inside_python_gives_empty_list(name, capfd):
    setattr(Shell, name, [{"name": "a"}])
    setattr(Shell, name, 5)
    assert getattr(Shell, name) == []
    assert "py::error_already_set" in capfd.readouterr().err


def test_append_methods_take_any_object_and_return_none(capfd):
    capfd.readouterr()
    assert Shell.append_stdout("Paketlisten werden gelesen") is None
    assert Shell.append_stderr("E: kaputt") is None
    assert Shell.append_stderr(42) is None
    # The console shows the latest lines only: the log keeps every one.
    err = capfd.readouterr().err.splitlines()
    assert err[0].endswith("] [Ausgabekonsole] Paketlisten werden gelesen"), err
    assert err[1].endswith("] [Ausgabekonsole, Fehler] E: kaputt"), err
    assert Shell.append_stdout("a\udc80") is None
    with pytest.raises(TypeError):
        Shell.append_stdout()


# ---- Shell.changelogs ----------------------------------------------------------

def test_changelogs_read_as_a_new_vector_of_copies():
    Shell.changelogs = three()
    got = Shell.changelogs
    assert type(got) is ChangelogEntryVector
    assert [e.version for e in got] == ["1", "2", "3"]
    assert Shell.changelogs is not got
    # Changing what was read reaches neither the stored list nor later reads.
    got[0] = entry(version="x")
    got.append(entry(version="4"))
    got[1].version = "y"
    assert [e.version for e in Shell.changelogs] == ["1", "2", "3"]


def test_changelogs_written_are_copies():
    source = three()
    first = entry(version="1")
    source[0] = first
    Shell.changelogs = source
    source[0] = entry(version="x")
    source.append(entry(version="4"))
    first.version = "y"
    assert [e.version for e in Shell.changelogs] == ["1", "2", "3"]


def test_changelogs_need_a_vector():
    Shell.changelogs = three()
    for wrong in ([entry()], (entry(),), None, entry()):
        with pytest.raises(TypeError):
            Shell.changelogs = wrong
    assert len(Shell.changelogs) == 3


# ---- ChangelogEntryVector ------------------------------------------------------

def test_vector_append_stores_a_copy():
    empty = ChangelogEntryVector()
    assert len(empty) == 0 and empty.size() == 0 and not empty and list(empty) == []
    e = entry(version="1")
    v = vector(e)
    e.version = "2"
    assert len(v) == 1 and v.size() == 1 and bool(v)
    assert v[0].version == "1"
    # Reading gives a copy too.
    v[0].version = "3"
    assert v.at(0).version == "1"


def test_vector_negative_indices_count_from_the_end():
    v = three()
    assert v[-1].version == "3"
    assert v[-3].version == "1"
    assert [e.version for e in v] == ["1", "2", "3"]
    v[-1] = entry(version="c")
    v[0] = entry(version="a")
    assert [e.version for e in v] == ["a", "2", "c"]


def test_vector_index_errors_on_empty_vector():
    v = ChangelogEntryVector()
    for index in (0, -1, 5):
        with pytest.raises(IndexError) as raised:
            v[index]
        assert str(raised.value) == EMPTY.format(index)
    with pytest.raises(IndexError) as raised:
        v.at(0)
    assert str(raised.value) == EMPTY.format(0)
    with pytest.raises(IndexError) as raised:
        v[0] = entry()
    assert str(raised.value) == EMPTY.format(0)
    assert len(v) == 0


@pytest.mark.parametrize("index", [3, -4, 5, 2**40, -2**40])
def test_vector_index_errors_name_the_valid_range(index):
    v = three()
    with pytest.raises(IndexError) as raised:
        v[index]
    assert str(raised.value) == OUT_OF_RANGE.format(index, 2, -3)
    with pytest.raises(IndexError) as raised:
        v[index] = entry(version="x")
    assert str(raised.value) == OUT_OF_RANGE.format(index, 2, -3)
    assert [e.version for e in v] == ["1", "2", "3"]


def test_vector_at_counts_nothing_from_the_end():
    v = three()
    assert v.at(2).version == "3"
    with pytest.raises(IndexError) as raised:
        v.at(-1)
    assert str(raised.value) == OUT_OF_RANGE.format(-1, 2, -3)
    with pytest.raises(IndexError):
        v.at(3)


def test_vector_refuses_wrong_kinds():
    v = three()
    for call in (lambda: v.append(5), lambda: v.append(None), lambda: v.append(Shell),
                 lambda: v["0"], lambda: v[1.0], lambda: v[None], lambda: v.at("0"),
                 lambda: v.__setitem__(0, "x"), lambda: v.__setitem__(0, None)):
        with pytest.raises(TypeError):
            call()
    assert [e.version for e in v] == ["1", "2", "3"]


def test_vector_item_assignment_leaves_the_entry_equal():
    v = three()
    replacement = entry(version="neu", urgency="high", changes=["x"])
    v[1] = replacement
    assert v[1] == replacement
    assert v[1].changes == ["x"]
    replacement.version = "später"
    assert v[1].version == "neu"


# ---- ChangelogEntry ------------------------------------------------------------

def test_entry_constructors():
    e = ChangelogEntry(Shell)
    assert (e.name, e.date, e.distribution, e.version, e.urgency_str, e.changes) == ("", "", "", "", "", [])
    original = entry()
    copy = ChangelogEntry(original)
    assert copy == original and copy is not original
    assert copy.changes == ["eins", "zwei"]
    original.name = "anders"
    assert copy.name == "tavell-brew"
    for wrong in ((), (None,), (5,), (three(),)):
        with pytest.raises(TypeError):
            ChangelogEntry(*wrong)


def test_entry_changes_take_sequences_of_texts_and_are_copied():
    e = ChangelogEntry(Shell)
    changes = ["eins", "zwei"]
    e.changes = changes
    changes.append("drei")
    got = e.changes
    got.append("vier")
    assert e.changes == ["eins", "zwei"]
    e.changes = ("a", 1)
    assert e.changes == ["a", "1"]
    e.changes = "xy"
    assert e.changes == ["x", "y"]


@pytest.mark.parametrize("wrong, type_name", [(5, "int"), (None, "NoneType"), ({"a"}, "set"),
                                              ((x for x in "ab"), "generator")])
def test_entry_changes_refuse_what_is_no_sequence(wrong, type_name):
    e = entry()
    with pytest.raises(TypeError) as raised:
        e.changes = wrong
    assert str(raised.value) == NOT_A_SEQUENCE.format(type_name)
    assert e.changes == ["eins", "zwei"]


def test_entry_text_form_and_repr():
    e = entry(name="a", date="b", distribution="c", version="d", urgency="low", changes=["x", "y"])
    assert str(e) == "name=a, date=b, distribution=c, version=d, urgency=low, changes=[x, y]"
    assert repr(e) == "ChangelogEntry(name=a, date=b, distribution=c, version=d, urgency=low, changes=[x, y])"
    assert str(entry(name="", date="", distribution="", version="", urgency="", changes=[])) == \
        "name=, date=, distribution=, version=, urgency=, changes=[]"


def test_entry_text_form_puts_values_in_once():
    e = entry(name="%2", date="%1 %3", distribution="%5", version="100%", urgency="%%4", changes=["%1"])
    assert str(e) == "name=%2, date=%1 %3, distribution=%5, version=100%, urgency=%%4, changes=[%1]"


@pytest.mark.parametrize("field", ["name", "date", "distribution", "version", "urgency_str"])
def test_entries_differing_in_one_text_are_not_equal(field):
    a, b = entry(), entry()
    assert a == b and not a != b
    setattr(b, field, getattr(b, field) + "x")
    assert a != b and not a == b


def test_entries_differing_only_in_changes_are_equal():
    assert entry(changes=["eins"]) == entry(changes=["zwei", "drei"])


def test_changelogs_with_updated_change_texts_are_stored():
    # Equal entries to Python, but the controller's new texts must reach the screen.
    Shell.changelogs = vector(entry(version="1", changes=["eins"]), entry(version="2"))
    Shell.changelogs = vector(entry(version="1", changes=["eins", "neu"]), entry(version="2"))
    assert Shell.changelogs[0].changes == ["eins", "neu"]


def test_entry_compared_with_other_objects():
    assert entry() != 5
    assert not entry() == "name=tavell-brew"
    assert entry() != None  # noqa: E711
