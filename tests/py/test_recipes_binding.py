"""tavell.recipes as the controller sees it: the action enumeration, recipes
made in Python, the group's recipes by reference, names and the fixed arrays."""

import gc
import sys
import weakref

import pytest

import tavell
import tavell.recipes as recipes
from tavell.recipes import RecipeActionEnum, RecipeClass, Recipes

ACTIONS = [
    "NewRecipe", "CopyRecipe", "RenameRecipe", "RemoveRecipe", "SetAuto1Name", "SetAuto2Name",
    "SetCurrentName", "SetCommentWasser", "SetCommentMalz", "SetCommentGeneral", "SetMaischHg",
    "SetMaischTemp", "SetMaischFillTemp", "SetRasteN", "SetRasteTemps", "SetRasteTimes",
    "SetLauternTemp", "SetLauternTime", "SetLauternNgCount", "SetLauternNgLiters", "SetCookingTime",
    "SetCookingEvaporationRate", "SetCookingPowerPercentage", "SetCookingPowerPercentageTmp",
    "SetCookingUsePowerPercentage", "SetHopfenN", "SetHopfenVorderwurze", "SetHopfenWhirlpool",
    "SetHopfenTimers", "SetHopfenComments", "SetStammwurzeDoPfannevollMessung",
    "SetStammwurzeShowPfannevollWarning", "ToggleShowPfannevollWarningForRecipe",
]

# Every read/write field with its initial value and another value of its type.
FIELDS = {
    "name": ("", "Märzen"),
    "comment_wasser": ("", "Calcium 20 mg/l"),
    "comment_malz": ("", "Pilsner 4,5 kg"),
    "comment_general": ("", "Hefe: W-34/70"),
    "file_path": ("", "/rezepte/märzen.json"),
    "maisch_hg": (210, 180),
    "maisch_temp": (59, 57),
    "maisch_fill_temp": (59, 62),
    "raste_n": (2, 4),
    "lautern_temp": (78, 76),
    "lautern_time": (20, 15),
    "lautern_ng_liters": (20, 12),
    "lautern_ng_count": (5, 3),
    "cooking_time": (60, 90),
    "cooking_evaporation_rate": (3, 8),
    "cooking_power_percentage": (33, 75),
    "hopfen_n": (5, 2),
    "meta_version": (1, 2),
    "cooking_use_power_percentage": (False, True),
    "hopfen_vorderwurze": (False, True),
    "hopfen_whirlpool": (False, True),
    "stammwurze_do_pfannevoll_messung": (True, False),
    "stammwurze_show_pfannevoll_warning": (True, False),
    "raste_temps": ([63, 65, 68, 70, 73], [45, 52, 63, 72, 76]),
    "raste_times": ([20, 20, 20, 20, 20], [10, 15, 45, 20, 0]),
    "hopfen_timers": ([40, 30, 20, 10, 5], [70, 60, 15, 5, 0]),
    "hopfen_comments": (["", "", "", "", ""], ["Magnum", "", "Hallertauer", "", "Saaz"]),
}
ARRAYS = ["raste_temps", "raste_times", "hopfen_timers", "hopfen_comments"]


@pytest.fixture(autouse=True)
def fresh_group():
    """The group is process-wide: put back what a test wrote."""
    yield
    fresh = RecipeClass()
    for recipe in (Recipes.a, Recipes.b, Recipes.current):
        recipe.take_other(fresh)
    Recipes.names = []


def values_of(recipe):
    return {field: getattr(recipe, field) for field in FIELDS}


def test_module_members_in_creation_order():
    members = [name for name in vars(recipes) if not name.startswith("__")]
    assert members == ["RecipeActionEnum", "RecipeClass", "_RecipesGroupClass", "Recipes"]
    assert sys.modules["tavell.recipes"] is tavell.recipes
    assert isinstance(Recipes, recipes._RecipesGroupClass)


def test_action_enum_has_every_key_in_order_and_no_count():
    assert list(RecipeActionEnum.__members__) == ACTIONS
    assert len(RecipeActionEnum.__entries) == 33
    assert [int(member) for member in RecipeActionEnum.__members__.values()] == list(range(33))
    assert "EnumCount" not in RecipeActionEnum.__members__
    assert int(RecipeActionEnum.SetLauternNgCount) == 18
    assert int(RecipeActionEnum.SetLauternNgLiters) == 19
    assert RecipeActionEnum(32) == RecipeActionEnum.ToggleShowPfannevollWarningForRecipe


def test_new_recipe_reads_initial_values():
    expected = {field: initial for field, (initial, _) in FIELDS.items()}
    assert values_of(RecipeClass()) == expected
    assert values_of(Recipes.default) == expected
    assert RecipeClass().should_water_be_treated is False


@pytest.mark.parametrize("field", FIELDS)
def test_every_field_round_trips(field):
    initial, other = FIELDS[field]
    for recipe in (RecipeClass(), Recipes.current):
        setattr(recipe, field, other)
        assert getattr(recipe, field) == other
        assert type(getattr(recipe, field)) is type(other)
        setattr(recipe, field, initial)
        assert getattr(recipe, field) == initial


def test_arrays_accept_any_sequence_of_five_and_hand_out_copies():
    recipe = RecipeClass()
    recipe.raste_temps = (50, 55, 60, 65, 70)
    recipe.hopfen_timers = range(5)
    assert recipe.raste_temps == [50, 55, 60, 65, 70]
    assert recipe.hopfen_timers == [0, 1, 2, 3, 4]

    # Stub generation reads the declared type from the signature.
    assert "-> Annotated[List[int], FixedSize(5)]" in RecipeClass.raste_temps.fget.__doc__
    assert "arg1: Annotated[List[str], FixedSize(5)]" in RecipeClass.hopfen_comments.fset.__doc__

    got = recipe.raste_temps
    got[0] = 99
    got.append(1)
    assert recipe.raste_temps == [50, 55, 60, 65, 70]
    assert recipe.raste_temps is not recipe.raste_temps


@pytest.mark.parametrize("field", ARRAYS)
@pytest.mark.parametrize("length", [0, 4, 6])
def test_array_of_wrong_length_is_refused_and_changes_nothing(field, length):
    recipe = Recipes.current
    before = values_of(recipe)
    element = "x" if field == "hopfen_comments" else 1
    with pytest.raises(TypeError):
        setattr(recipe, field, [element] * length)
    assert values_of(recipe) == before


@pytest.mark.parametrize("field", ARRAYS)
@pytest.mark.parametrize("text", ["Saaz!", b"Saaz!", bytearray(b"Saaz!")],
                         ids=["str", "bytes", "bytearray"])
def test_array_refuses_text(field, text):
    recipe = Recipes.current
    before = values_of(recipe)
    with pytest.raises(TypeError):
        setattr(recipe, field, text)
    assert values_of(recipe) == before


def test_should_water_be_treated_follows_water_comment():
    recipe = RecipeClass()
    assert recipe.should_water_be_treated is False
    recipe.comment_wasser = "Milchsäure"
    assert recipe.should_water_be_treated is True
    recipe.comment_wasser = ""
    assert recipe.should_water_be_treated is False
    with pytest.raises(AttributeError):
        recipe.should_water_be_treated = True


def test_take_other_copies_every_field_and_leaves_the_source_alone():
    source = RecipeClass()
    for field, (_, other) in FIELDS.items():
        setattr(source, field, other)
    target = RecipeClass()
    target.take_other(source)
    assert values_of(target) == values_of(source)

    target.maisch_hg = 1
    target.raste_temps = [1, 2, 3, 4, 5]
    assert source.maisch_hg == 180
    assert source.raste_temps == [45, 52, 63, 72, 76]

    Recipes.current.take_other(source)
    assert values_of(Recipes.current) == values_of(source)
    target.take_other(target)
    assert target.maisch_hg == 1


@pytest.mark.parametrize("other", [None, 5, "Pils", Recipes])
def test_take_other_needs_a_recipe(other):
    recipe = RecipeClass()
    with pytest.raises(TypeError):
        recipe.take_other(other)
    assert recipe.name == ""


def test_python_made_recipes_are_independent():
    first, second = RecipeClass(), RecipeClass()
    first.maisch_hg = 100
    first.hopfen_comments = ["a", "b", "c", "d", "e"]
    assert second.maisch_hg == 210
    assert second.hopfen_comments == [""] * 5
    for member in (Recipes.a, Recipes.b, Recipes.current, Recipes.default):
        assert member is not first
        assert member.maisch_hg == 210


def test_python_made_recipe_outlives_its_maker_and_is_freed_by_python():
    def make():
        recipe = RecipeClass()
        recipe.name = "Bock"
        recipe.raste_temps = [50, 60, 64, 72, 78]
        return recipe

    kept = make()
    gc.collect()
    assert kept.name == "Bock"
    assert kept.raste_temps == [50, 60, 64, 72, 78]

    ref = weakref.ref(kept)
    del kept
    gc.collect()
    assert ref() is None


def test_group_recipes_are_the_same_objects_on_each_access():
    assert Recipes.a is Recipes.a
    assert Recipes.current is Recipes.current
    assert recipes.Recipes is Recipes
    members = [Recipes.a, Recipes.b, Recipes.current, Recipes.default]
    assert len({id(member) for member in members}) == 4

    Recipes.b.cooking_time = 75
    del members
    gc.collect()
    # Dropping Python's references left the objects themselves in place.
    assert Recipes.b.cooking_time == 75
    assert Recipes.a.cooking_time == 60


def test_cooking_line_is_a_on_a_two_vessel_plant():
    assert Recipes.x is Recipes.a


@pytest.mark.parametrize("member", ["a", "b", "current", "x", "default"])
def test_group_members_are_read_only(member):
    before = getattr(Recipes, member)
    with pytest.raises(AttributeError):
        setattr(Recipes, member, RecipeClass())
    assert getattr(Recipes, member) is before


def test_group_cannot_be_created_from_python():
    with pytest.raises(TypeError):
        recipes._RecipesGroupClass()


def test_names_are_copied_both_ways():
    assert Recipes.names == []
    names = ["Pils", "Märzen"]
    Recipes.names = names
    names.append("Bock")
    assert Recipes.names == ["Pils", "Märzen"]

    got = Recipes.names
    got.clear()
    assert Recipes.names == ["Pils", "Märzen"]
    assert Recipes.names is not Recipes.names

    Recipes.names = ("Helles",)
    assert Recipes.names == ["Helles"]


@pytest.mark.parametrize("text", ["Pils", b"Pils"], ids=["str", "bytes"])
def test_names_refuse_a_single_text(text):
    Recipes.names = ["Pils", "Märzen"]
    with pytest.raises(TypeError):
        Recipes.names = text
    assert Recipes.names == ["Pils", "Märzen"]
