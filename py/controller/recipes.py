"""Recipe actions of the stand-in controller.

Keeps the recipes made on the recipe page in memory (they are gone when the
program ends; there are no recipe files) and answers the page's requests by
writing tavell.recipes, so the recipe screens can be tried without the
plant's controller. Runs on the interpreter's thread like every entry point.
"""

import math
import os

from tavell import Logger
from tavell.recipes import RecipeActionEnum, RecipeClass, Recipes

# name -> RecipeClass; these recipes belong to this module, not to the group.
_store = {}


def _ignore(action, value, why):
    Logger.warning(f"controller: {action.name}({value!r}) ignored: {why}")


def _publish_names():
    Recipes.names = sorted(_store, key=str.casefold)


def _text(value):
    if not isinstance(value, str) or not value:
        raise ValueError("a name is needed")
    return value


def _pair(value):
    old, new = value
    return _text(old), _text(new)


def _stored(name):
    try:
        return _store[name]
    except KeyError:
        raise ValueError(f"no recipe named {name!r}") from None


def _add(source, name):
    """Stores a copy of source under a new name and loads it as the current recipe."""
    if name in _store:
        raise ValueError(f"{name!r} exists already")
    recipe = RecipeClass()
    recipe.take_other(source)
    recipe.name = name
    recipe.file_path = ""
    _store[name] = recipe
    _publish_names()
    Recipes.current.take_other(recipe)


def _new(value):
    _add(Recipes.default, _text(value))


def _copy(value):
    old, new = _pair(value)
    _add(_stored(old), new)


def _rename(value):
    old, new = _pair(value)
    recipe = _stored(old)
    if new in _store:
        raise ValueError(f"{new!r} exists already")
    del _store[old]
    recipe.name = new
    _store[new] = recipe
    _publish_names()
    for loaded in (Recipes.current, Recipes.a, Recipes.b):
        if loaded.name == old:
            loaded.name = new


def _remove(value):
    name = _text(value)
    _stored(name)
    del _store[name]
    _publish_names()
    if Recipes.current.name == name:
        names = Recipes.names
        Recipes.current.take_other(_store[names[0]] if names else Recipes.default)


def _load(member):
    # Loads a stored recipe into the group's recipe of that member.
    return lambda value: getattr(Recipes, member).take_other(_stored(_text(value)))


def _temporary_power(value):
    # Only the running boil changes; the stored recipe keeps its power.
    Recipes.x.cooking_power_percentage = _like(Recipes.x.cooking_power_percentage, value)


def _toggle_warning(value):
    name = _text(value)
    candidates = (_store.get(name), Recipes.current, Recipes.a, Recipes.b)
    holders = [recipe for recipe in candidates if recipe is not None and recipe.name == name]
    if not holders:
        raise ValueError(f"no recipe named {name!r}")
    show = not holders[0].stammwurze_show_pfannevoll_warning
    for recipe in holders:
        recipe.stammwurze_show_pfannevoll_warning = show


def _like(old, value):
    """value in the type of old; numbers from the screens arrive as floats."""
    if isinstance(old, bool):
        if not isinstance(value, (bool, int, float)):
            raise ValueError("a truth value is needed")
        return bool(value)
    if isinstance(old, int):
        if isinstance(value, bool) or not isinstance(value, (int, float)) or not math.isfinite(value):
            raise ValueError("a number is needed")
        return int(round(value))
    if not isinstance(value, str):
        raise ValueError("a text is needed")
    return value


def _field(attribute):
    def set_field(value):
        current = Recipes.current
        old = getattr(current, attribute)
        if isinstance(old, list):
            index, item = value
            if isinstance(index, bool) or not isinstance(index, (int, float)) or index != int(index):
                raise ValueError("an index 0..4 is needed")
            index = int(index)
            if not 0 <= index < len(old):
                raise ValueError("an index 0..4 is needed")
            new = list(old)
            new[index] = _like(old[index], item)
        else:
            new = _like(old, value)
        setattr(current, attribute, new)
        if current.name in _store:
            _store[current.name].take_other(current)

    return set_field


def _snake(key):
    # "rasteTemps" -> "raste_temps"
    return "".join("_" + c.lower() if c.isupper() and i > 0 else c.lower() for i, c in enumerate(key))


_SPECIAL = {
    RecipeActionEnum.NewRecipe: _new,
    RecipeActionEnum.CopyRecipe: _copy,
    RecipeActionEnum.RenameRecipe: _rename,
    RecipeActionEnum.RemoveRecipe: _remove,
    RecipeActionEnum.SetCurrentName: _load("current"),
    RecipeActionEnum.SetAuto1Name: _load("a"),
    RecipeActionEnum.SetAuto2Name: _load("b"),
    RecipeActionEnum.SetCookingPowerPercentageTmp: _temporary_power,
    RecipeActionEnum.ToggleShowPfannevollWarningForRecipe: _toggle_warning,
}

# Every other action sets the current recipe's field of the same name
# (SetMaischHg -> maisch_hg).
_HANDLERS = {
    action: _SPECIAL.get(action) or _field(_snake(name[len("Set"):]))
    for name, action in RecipeActionEnum.__members__.items()
}


def _sample_recipes():
    """A full recipe (five rests, five hop timers, every comment) and a
    plain one, to try the recipe page with."""
    full = RecipeClass()
    full.name = "Festbier"
    full.comment_wasser = "Mit Milchsäure auf pH 5,4 einstellen\n2 g Calciumchlorid je 10 Liter"
    full.comment_malz = "4,5 kg Pilsner Malz\n0,8 kg Münchner Malz\n0,2 kg Karamellmalz hell"
    full.comment_general = "Untergärige Hefe, Gärung bei 10 °C; nach 7 Tagen Spindelprobe"
    full.maisch_hg = 180
    full.maisch_fill_temp = 55
    full.maisch_temp = 57
    full.raste_n = 5
    full.raste_temps = [62, 66, 68, 72, 75]
    full.raste_times = [15, 35, 20, 15, 5]
    full.lautern_temp = 78
    full.lautern_time = 15
    full.lautern_ng_count = 4
    full.lautern_ng_liters = 25
    full.cooking_time = 75
    full.cooking_use_power_percentage = True
    full.cooking_power_percentage = 45
    full.hopfen_n = 5
    full.hopfen_vorderwurze = True
    full.hopfen_whirlpool = True
    full.hopfen_timers = [75, 60, 30, 10, 0]
    full.hopfen_comments = ["Magnum 20 g", "Tettnanger 30 g", "Hallertauer Tradition 25 g",
                            "Saazer 20 g", "Hallertauer Mittelfrüh 40 g"]
    plain = RecipeClass()
    plain.take_other(Recipes.default)
    plain.name = "Pils"
    return [full, plain]


def init():
    """With TAVELL_STANDIN_RECIPES=full the store starts with sample recipes
    and the first of them is current and loaded for both lines, as the
    plant's controller loads the recipes last brewed; otherwise it starts
    empty."""
    if os.environ.get("TAVELL_STANDIN_RECIPES", "") != "full":
        return
    for recipe in _sample_recipes():
        _store[recipe.name] = recipe
    _publish_names()
    first = _store[Recipes.names[0]]
    for loaded in (Recipes.current, Recipes.a, Recipes.b):
        loaded.take_other(first)


def recipe_action_from_cpp(code, value):
    action = RecipeActionEnum(int(code))
    handler = _HANDLERS.get(action)
    if handler is None:
        _ignore(action, value, "unknown action")
        return
    try:
        handler(value)
    except (TypeError, ValueError, OverflowError) as error:
        _ignore(action, value, error)
