import itertools
import os
import sys

# The scenario controllers are packages of their own, not test modules.
collect_ignore = ["controllers", "runner"]


def load_stand_in_controller():
    """The stand-in controller package from py/, under a name of its own: the
    runner already is "controller" in this process. Loaded as a package so its
    relative imports work."""
    import importlib.util

    name = "stand_in_controller"
    if name in sys.modules:
        return sys.modules[name]
    folder = os.path.join(os.environ["TAVELL_SOURCE_DIR"], "py", "controller")
    spec = importlib.util.spec_from_file_location(
        name, os.path.join(folder, "__init__.py"), submodule_search_locations=[folder])
    module = importlib.util.module_from_spec(spec)
    sys.modules[name] = module
    spec.loader.exec_module(module)
    return module


_module_loads = itertools.count()


def load_stand_in_module(file_name):
    """A fresh copy of one module file of the stand-in controller (its own
    state, none shared with an earlier copy), under a name of its own."""
    import importlib.util

    path = os.path.join(os.environ["TAVELL_SOURCE_DIR"], "py", "controller", file_name)
    spec = importlib.util.spec_from_file_location(f"stand_in_{file_name[:-3]}_{next(_module_loads)}", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module
