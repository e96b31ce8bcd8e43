"""The stand-in controller's recipe actions against the real tavell.recipes:
what the recipe page will see after each request."""

import pytest

from conftest import load_stand_in_module
from tavell.recipes import RecipeActionEnum as A
from tavell.recipes import RecipeClass, Recipes


@pytest.fixture
def ctl():
    """A fresh copy of the module (an empty store) for each test."""
    module = load_stand_in_module("recipes.py")
    yield module.recipe_action_from_cpp
    fresh = RecipeClass()
    for recipe in (Recipes.a, Recipes.b, Recipes.current):
        recipe.take_other(fresh)
    Recipes.names = []


def ignored(capfd):
    return [line for line in capfd.readouterr().err.splitlines() if "ignored" in line]


def test_new_recipes_are_listed_and_selected(ctl, capfd):
    ctl(A.NewRecipe, "Pils")
    ctl(A.NewRecipe, "Bock")
    assert Recipes.names == ["Bock", "Pils"]
    assert Recipes.current.name == "Bock"
    assert Recipes.current.maisch_hg == 210
    assert ignored(capfd) == []

    ctl(A.NewRecipe, "Pils")
    ctl(A.NewRecipe, "")
    assert Recipes.names == ["Bock", "Pils"]
    assert len(ignored(capfd)) == 2


def test_edits_reach_the_current_recipe_and_its_stored_copy(ctl, capfd):
    ctl(A.NewRecipe, "Pils")
    ctl(A.SetMaischHg, 185.0)
    ctl(A.SetRasteTemps, [2, 66.0])
    ctl(A.SetHopfenComments, [4, "Saaz"])
    ctl(A.SetHopfenWhirlpool, True)
    ctl(A.NewRecipe, "Bock")
    assert Recipes.current.maisch_hg == 210

    ctl(A.SetCurrentName, "Pils")
    current = Recipes.current
    assert (current.name, current.maisch_hg, current.hopfen_whirlpool) == ("Pils", 185, True)
    assert current.raste_temps == [63, 65, 66, 70, 73]
    assert current.hopfen_comments == ["", "", "", "", "Saaz"]
    assert ignored(capfd) == []


@pytest.mark.parametrize("action, value", [
    (A.SetRasteTemps, [5, 70.0]),
    (A.SetRasteTemps, [1.5, 70.0]),
    (A.SetRasteTemps, 70.0),
    (A.SetMaischHg, "viel"),
    (A.SetHopfenComments, [0, 5.0]),
    (A.SetCurrentName, "Unbekannt"),
    (A.CopyRecipe, ["Pils"]),
])
def test_bad_requests_are_ignored_with_a_warning(ctl, capfd, action, value):
    ctl(A.NewRecipe, "Pils")
    capfd.readouterr()
    before = {name: getattr(Recipes.current, name) for name in ("raste_temps", "maisch_hg", "hopfen_comments")}
    ctl(action, value)
    assert len(ignored(capfd)) == 1
    assert Recipes.names == ["Pils"]
    assert {name: getattr(Recipes.current, name) for name in before} == before


def test_copy_rename_and_remove(ctl):
    ctl(A.NewRecipe, "Pils")
    ctl(A.SetCookingTime, 90.0)
    ctl(A.CopyRecipe, ["Pils", "Pils hell"])
    assert Recipes.names == ["Pils", "Pils hell"]
    assert (Recipes.current.name, Recipes.current.cooking_time) == ("Pils hell", 90)

    ctl(A.RenameRecipe, ["Pils hell", "Helles"])
    assert Recipes.names == ["Helles", "Pils"]
    assert Recipes.current.name == "Helles"

    ctl(A.RemoveRecipe, "Helles")
    assert Recipes.names == ["Pils"]
    assert (Recipes.current.name, Recipes.current.cooking_time) == ("Pils", 90)

    ctl(A.RemoveRecipe, "Pils")
    assert Recipes.names == []
    assert (Recipes.current.name, Recipes.current.cooking_time) == ("", 60)


def test_lines_load_a_copy(ctl):
    ctl(A.NewRecipe, "Pils")
    ctl(A.NewRecipe, "Bock")
    ctl(A.SetAuto1Name, "Pils")
    ctl(A.SetAuto2Name, "Bock")
    assert (Recipes.a.name, Recipes.b.name) == ("Pils", "Bock")

    ctl(A.SetMaischHg, 150.0)
    assert Recipes.b.maisch_hg == 210

    # A temporary boiling power changes only the cooking line's recipe.
    ctl(A.SetCookingPowerPercentageTmp, 80.0)
    assert Recipes.x.cooking_power_percentage == 80
    ctl(A.SetAuto1Name, "Pils")
    assert Recipes.a.cooking_power_percentage == 33


def test_toggle_warning_flips_every_copy_of_that_recipe(ctl):
    ctl(A.NewRecipe, "Pils")
    ctl(A.SetAuto1Name, "Pils")
    ctl(A.ToggleShowPfannevollWarningForRecipe, "Pils")
    assert Recipes.a.stammwurze_show_pfannevoll_warning is False
    assert Recipes.current.stammwurze_show_pfannevoll_warning is False
    ctl(A.NewRecipe, "Bock")
    ctl(A.SetCurrentName, "Pils")
    assert Recipes.current.stammwurze_show_pfannevoll_warning is False
    ctl(A.ToggleShowPfannevollWarningForRecipe, "Pils")
    assert Recipes.a.stammwurze_show_pfannevoll_warning is True


FIELD_ACTIONS = [
    (A.SetCommentWasser, "Milchsäure", "comment_wasser", "Milchsäure"),
    (A.SetCommentMalz, "Pilsner", "comment_malz", "Pilsner"),
    (A.SetCommentGeneral, "W-34/70", "comment_general", "W-34/70"),
    (A.SetMaischHg, 190.0, "maisch_hg", 190),
    (A.SetMaischTemp, 57.0, "maisch_temp", 57),
    (A.SetMaischFillTemp, 61.0, "maisch_fill_temp", 61),
    (A.SetRasteN, 3.0, "raste_n", 3),
    (A.SetRasteTemps, [0.0, 50.0], "raste_temps", [50, 65, 68, 70, 73]),
    (A.SetRasteTimes, [4.0, 5.0], "raste_times", [20, 20, 20, 20, 5]),
    (A.SetLauternTemp, 76.0, "lautern_temp", 76),
    (A.SetLauternTime, 15.0, "lautern_time", 15),
    (A.SetLauternNgCount, 4.0, "lautern_ng_count", 4),
    (A.SetLauternNgLiters, 12.0, "lautern_ng_liters", 12),
    (A.SetCookingTime, 75.0, "cooking_time", 75),
    (A.SetCookingEvaporationRate, 6.0, "cooking_evaporation_rate", 6),
    (A.SetCookingPowerPercentage, 66.0, "cooking_power_percentage", 66),
    (A.SetCookingUsePowerPercentage, True, "cooking_use_power_percentage", True),
    (A.SetHopfenN, 2.0, "hopfen_n", 2),
    (A.SetHopfenVorderwurze, True, "hopfen_vorderwurze", True),
    (A.SetHopfenWhirlpool, True, "hopfen_whirlpool", True),
    (A.SetHopfenTimers, [1.0, 25.0], "hopfen_timers", [40, 25, 20, 10, 5]),
    (A.SetHopfenComments, [0.0, "Magnum"], "hopfen_comments", ["Magnum", "", "", "", ""]),
    (A.SetStammwurzeDoPfannevollMessung, False, "stammwurze_do_pfannevoll_messung", False),
    (A.SetStammwurzeShowPfannevollWarning, False, "stammwurze_show_pfannevoll_warning", False),
]


@pytest.mark.parametrize("action, value, field, expected", FIELD_ACTIONS, ids=lambda p: getattr(p, "name", None))
def test_each_field_action_sets_its_field(ctl, capfd, action, value, field, expected):
    ctl(A.NewRecipe, "Pils")
    ctl(action, value)
    assert getattr(Recipes.current, field) == expected
    assert ignored(capfd) == []



def test_sample_recipes_only_when_asked_for(monkeypatch):
    module = load_stand_in_module("recipes.py")
    try:
        monkeypatch.delenv("TAVELL_STANDIN_RECIPES", raising=False)
        module.init()
        assert Recipes.names == []

        monkeypatch.setenv("TAVELL_STANDIN_RECIPES", "full")
        module.init()
        assert Recipes.names == ["Festbier", "Pils"]
        full = Recipes.current
        assert (full.name, full.raste_n, full.hopfen_n) == ("Festbier", 5, 5)
        # Both lines brew it from the start: the automatic pages show its name
        # and its steps.
        for line in (Recipes.a, Recipes.b):
            assert (line.name, line.hopfen_timers, line.comment_wasser) == (
                "Festbier", full.hopfen_timers, full.comment_wasser)
        assert all(full.hopfen_comments) and full.comment_wasser and full.comment_malz and full.comment_general
        # The sample is a recipe the page shows without range warnings.
        temps = [full.maisch_temp] + full.raste_temps + [full.lautern_temp]
        assert temps == sorted(set(temps))
        # Edits reach the stored sample like any other recipe.
        module.recipe_action_from_cpp(A.SetCookingTime, 80.0)
        module.recipe_action_from_cpp(A.SetCurrentName, "Pils")
        module.recipe_action_from_cpp(A.SetCurrentName, "Festbier")
        assert Recipes.current.cooking_time == 80
    finally:
        for recipe in (Recipes.current, Recipes.a, Recipes.b):
            recipe.take_other(RecipeClass())
        Recipes.names = []
