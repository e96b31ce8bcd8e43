"""Logger, the output redirection and the frame of the tavell module."""

import sys

import pytest

import _std_redirects
import tavell
from tavell import Logger


def test_logger_levels_carry_tag_and_py_marker(capfd):
    Logger.debug("d-text")
    Logger.info("i-text")
    Logger.warning("w-text")
    Logger.critical("c-text")
    err = capfd.readouterr().err.splitlines()
    assert [line[:7] for line in err] == ["[DEBUG]", "[INFO ]", "[WARN ]", "[CRIT ]"]
    for line, text in zip(err, ["d-text", "i-text", "w-text", "c-text"]):
        assert line.endswith("[Py] " + text)


def test_logger_ignores_w_trace(capfd):
    Logger.info("gleich", True)
    Logger.info("gleich", w_trace=False)
    err = capfd.readouterr().err.splitlines()
    assert len(err) == 2
    assert err[0].split("]", 3)[-1] == err[1].split("]", 3)[-1]


def test_logger_refuses_non_str_and_logs_nothing(capfd):
    with pytest.raises(TypeError):
        Logger.info(5)
    assert capfd.readouterr().err == ""


def test_logger_refuses_bytes(capfd):
    with pytest.raises(TypeError):
        Logger.warning(b"bytes")
    assert capfd.readouterr().err == ""


def test_logger_text_with_lone_surrogate(capfd):
    Logger.info("a\udc80b")
    err = capfd.readouterr().err.splitlines()
    assert len(err) == 1
    assert err[0].startswith("[INFO ]")
    assert err[0].endswith("[Py] <KONVERTIERUNGSFEHLER_PY->QT>")


def test_logger_keeps_percent_and_markers(capfd):
    Logger.info("100% %s %1")
    assert capfd.readouterr().err.rstrip("\n").endswith("[Py] 100% %s %1")


def test_logger_has_no_constructor():
    with pytest.raises(TypeError):
        Logger()


def test_stdout_redirect_writes_unchanged(capfd):
    _std_redirects.stdout_redirect("a")
    _std_redirects.stdout_redirect("b\n")
    _std_redirects.stderr_redirect("ä")
    out, err = capfd.readouterr()
    assert out == "ab\n"
    assert err == "ä"


def test_redirect_refuses_non_str():
    with pytest.raises(TypeError):
        _std_redirects.stdout_redirect(1)
    with pytest.raises(TypeError):
        _std_redirects.stderr_redirect(b"x")


def test_redirect_writes_every_byte(capfd):
    _std_redirects.stdout_redirect("a\0b")
    _std_redirects.stderr_redirect("x\udc80y")
    out, err = capfd.readouterr()
    assert out == "a\0b"
    assert err == "<KONVERTIERUNGSFEHLER_PY->QT>"


def test_print_goes_to_process_stdout_without_prefix(capfd):
    # pytest swaps sys.stdout while a test runs; the program's catcher is kept
    # in sys.__stdout__'s place of the snippet: find it through the module.
    catcher = sys.modules["__main__"]._StdxxxCatcher(_std_redirects.stdout_redirect)
    print("hallo", "welt", file=catcher)
    catcher.flush()
    assert capfd.readouterr().out == "hallo welt\n"


def test_submodules_exist_in_order_and_under_dotted_names():
    import tavell.values

    names = ["action", "actuator", "auto", "gui", "hopfentimer", "recipes",
             "sensor", "shell", "simulator", "values", "wifi"]
    for name in names:
        assert getattr(tavell, name) is sys.modules["tavell." + name]
    assert tavell.values is sys.modules["tavell.values"]


def test_action_enum():
    from tavell.action import ActionEnum

    assert len(ActionEnum.__entries) == 11
    assert int(ActionEnum.GuiReady) == 0
    assert int(ActionEnum.HeatingB) == 10
    assert ActionEnum.ResetValves.name == "ResetValves"
    assert not hasattr(ActionEnum, "EnumCount")


def test_forward_exception_outside_except_only_warns(capfd):
    tavell.forward_exception()
    out, err = capfd.readouterr()
    assert out == "forward_exception ...\n"
    assert err.rstrip("\n").endswith(
        "] handle_py_exception() wurde gerufen, obwohl keine Exception geworfen wurde")
    assert err.startswith("[WARN ]")


def test_forward_exception_inside_except_returns_none(capfd):
    try:
        raise KeyError("weg")
    except KeyError:
        assert tavell.forward_exception() is None
    out, err = capfd.readouterr()
    assert out == "forward_exception ..."+ "\n"
    assert "handle_py_exception() wurde gerufen" not in err
