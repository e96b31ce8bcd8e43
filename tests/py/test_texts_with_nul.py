"""A NUL character is text like any other: nothing after it is lost on the
way from the controller into the program's values and its log."""

from tavell import Logger
from tavell.values import Values
from tavell.wifi import Wifi


def test_text_after_a_nul_is_kept(capfd):
    saved = (Wifi.ssid, Wifi.scan_results, Values.status_a)
    try:
        Wifi.ssid = "vor\x00nach"
        Wifi.scan_results = {"Netz\x00B": {"quality": 5, "note": "a\x00b"}}
        Values.status_a = "Schritt\x00"
        assert Wifi.ssid == "vor\x00nach"
        assert Wifi.scan_results == {"Netz\x00B": {"quality": 5, "note": "a\x00b"}}
        assert Values.status_a == "Schritt\x00"
        capfd.readouterr()
        Logger.warning("Zeile\x00Rest")
        assert "[Py] Zeile\x00Rest\n" in capfd.readouterr().err
    finally:
        Wifi.ssid, Wifi.scan_results, Values.status_a = saved
