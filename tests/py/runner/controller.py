"""Controller that runs the Python-side test suite inside the program's
embedded interpreter, against the real tavell module, and reports the result."""

import os
import sys

import pytest
from tavell import Logger


def init(gui_mode, simulator):
    args = os.environ.get("TAVELL_PYTEST_ARGS", "").split()
    # pytest's reporter wants real terminal streams; the program's catchers
    # are put back afterwards.
    catchers = sys.stdout, sys.stderr
    sys.stdout = os.fdopen(os.dup(1), "w", buffering=1)
    sys.stderr = os.fdopen(os.dup(2), "w", buffering=1)
    try:
        code = pytest.main(["-p", "no:cacheprovider", "-q", *args])
    finally:
        sys.stdout.close()
        sys.stderr.close()
        sys.stdout, sys.stderr = catchers
    Logger.info(f"pytest-exit: {int(code)}")


def __getattr__(name):
    # Every other entry point accepts anything and does nothing.
    if name.endswith("_from_cpp"):
        return lambda *args: None
    raise AttributeError(name)
