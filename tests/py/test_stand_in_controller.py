"""The stand-in controller's network and update answers, against the real tavell."""


import pytest
from conftest import load_stand_in_controller

from tavell.shell import ChangelogEntryVector, Shell, ShellActionEnum
from tavell.wifi import Wifi, WifiActionEnum, WifiStateEnum

PASSWORD = "Hopfen&Malz-7731"


@pytest.fixture(scope="module")
def controller():
    return load_stand_in_controller()


@pytest.fixture(autouse=True)
def fresh_state():
    Wifi.state = WifiStateEnum.Disconnected
    Wifi.ssid = ""
    Wifi.quality_percantage = 0
    Wifi.is_5_ghz = False
    Wifi.ip_map_list = []
    Wifi.scan_results = {}
    Shell.testing_repo_enabled = False
    Shell.locked = False
    Shell.installed = []
    Shell.upgradables = []
    Shell.changelogs = ChangelogEntryVector()


def test_connect_never_shows_the_password(controller, capfd):
    controller.wifi_action_from_cpp(WifiActionEnum.Connect, ["Brauerei", PASSWORD])
    controller.wifi_action_from_cpp(WifiActionEnum.Connect, [PASSWORD])
    controller.wifi_action_from_cpp(WifiActionEnum.Connect, PASSWORD)
    out, err = capfd.readouterr()
    assert PASSWORD not in out and PASSWORD not in err
    records = [line for line in err.splitlines() if "controller: wifi_action_from_cpp(" in line]
    assert len(records) == 3
    assert all(line.endswith("controller: wifi_action_from_cpp(<WifiActionEnum.Connect: 2>, <verborgen>)")
               for line in records)


def test_connect_joins_with_signal_and_address(controller):
    controller.wifi_action_from_cpp(WifiActionEnum.Connect, ["Brauerei-5G", PASSWORD])
    assert Wifi.state == WifiStateEnum.Connected
    assert Wifi.ssid == "Brauerei-5G"
    assert 0 < Wifi.quality_percantage <= 100
    assert Wifi.is_5_ghz is True
    wlan = [i for i in Wifi.ip_map_list if i["name"] == "wlan0"]
    assert len(wlan) == 1 and wlan[0]["ip4"].count(".") == 3


def test_connect_without_ssid_is_refused(controller):
    controller.wifi_action_from_cpp(WifiActionEnum.Connect, None)
    assert Wifi.state == WifiStateEnum.Aborted
    assert Wifi.ssid == ""


def test_disconnect_leaves_the_network(controller):
    controller.wifi_action_from_cpp(WifiActionEnum.Connect, ["Brauerei", PASSWORD])
    controller.wifi_action_from_cpp(WifiActionEnum.Disconnect, None)
    assert Wifi.state == WifiStateEnum.Disconnected
    assert Wifi.ssid == "" and Wifi.quality_percantage == 0
    assert all(i["ip4"] == "" for i in Wifi.ip_map_list if i["name"] == "wlan0")


def test_unreachable_network_stays_connecting_until_given_up(controller):
    controller.wifi_action_from_cpp(WifiActionEnum.Connect, ["Funkloch", PASSWORD])
    assert Wifi.state == WifiStateEnum.Connecting
    assert Wifi.ssid == "Funkloch"
    controller.wifi_action_from_cpp(WifiActionEnum.Disconnect, None)
    assert Wifi.state == WifiStateEnum.Disconnected
    assert Wifi.ssid == ""


def test_scan_finds_networks_one_with_markup(controller, capfd):
    controller.wifi_action_from_cpp(WifiActionEnum.Scan, None)
    found = Wifi.scan_results
    assert len(found) >= 3 and "<b>x</b>" in found
    assert all(set(v) == {"quality", "is5GHz"} for v in found.values())
    assert any(v["is5GHz"] for v in found.values())
    # A second scan with the same result answers as well, and changes nothing.
    controller.wifi_action_from_cpp(WifiActionEnum.Scan, None)
    assert Wifi.scan_results == found
    assert capfd.readouterr().err.count("controller: wifi_action_from_cpp(<WifiActionEnum.Scan: 0>, None)") == 2


def test_update_search_fills_the_package_lists(controller, capfd):
    controller.shell_action_from_cpp(ShellActionEnum.Update, None)
    assert "controller: shell_action_from_cpp(<ShellActionEnum.Update: 0>, None)" in capfd.readouterr().err
    assert Shell.locked is False
    upgradable = Shell.upgradables
    assert upgradable
    keys = {"name", "versionNew", "versionOld", "urgency", "lastChange", "changelogAvailable"}
    assert all(set(row) == keys for row in upgradable)
    assert any(row["changelogAvailable"] for row in upgradable)
    assert Shell.installed and all(
        set(row) == {"name", "version", "arch", "description", "name2"} for row in Shell.installed)


def test_changelog_has_every_urgency_in_its_colour(controller):
    controller.shell_action_from_cpp(ShellActionEnum.Update, None)
    package = next(row["changelogAvailable"] for row in Shell.upgradables if row["changelogAvailable"])
    controller.shell_action_from_cpp(ShellActionEnum.Changelog, package)
    entries = list(Shell.changelogs)
    assert {e.urgency_str for e in entries} >= {"low", "medium", "high"}
    assert any(e.urgency_str not in ("low", "medium", "high") for e in entries)
    assert all(e.name == package and e.changes for e in entries)
    colours = {Shell.color_urgency_low, Shell.color_urgency_medium, Shell.color_urgency_high,
               Shell.color_urgency_other}
    assert len(colours) == 4 and "#000000" not in colours


def test_upgrade_empties_the_upgradables(controller):
    controller.shell_action_from_cpp(ShellActionEnum.Update, None)
    offered = {row["name"]: row["versionNew"] for row in Shell.upgradables}
    controller.shell_action_from_cpp(ShellActionEnum.Upgrade, None)
    assert Shell.upgradables == [] and Shell.locked is False
    installed = {row["name"]: row["version"] for row in Shell.installed}
    assert all(installed[name] == version for name, version in offered.items())


def test_toggle_testing_flips_the_flag(controller):
    controller.shell_action_from_cpp(ShellActionEnum.ToggleTesting, None)
    assert Shell.testing_repo_enabled is True
    controller.shell_action_from_cpp(ShellActionEnum.ToggleTesting, None)
    assert Shell.testing_repo_enabled is False
