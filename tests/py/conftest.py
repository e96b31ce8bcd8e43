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
