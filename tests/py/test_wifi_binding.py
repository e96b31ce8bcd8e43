"""tavell.wifi as the controller sees it: names, accepted kinds, copies."""

import pytest

import tavell.wifi
from tavell.wifi import Wifi, WifiActionEnum, WifiClass, WifiStateEnum

NOT_A_SEQUENCE = "Object of type '{}' is not an instance of 'sequence'"


@pytest.fixture(autouse=True)
def fresh_wifi():
    Wifi.state = WifiStateEnum.Disconnected
    Wifi.ssid = ""
    Wifi.quality_percantage = 0
    Wifi.is_5_ghz = False
    Wifi.ip_map_list = []
    Wifi.scan_results = {}


def test_enums_have_their_keys_and_no_count_member():
    assert {k: int(v) for k, v in WifiStateEnum.__members__.items()} == {
        "Connected": 0, "Connecting": 1, "Disconnected": 2, "Aborted": 3}
    assert {k: int(v) for k, v in WifiActionEnum.__members__.items()} == {
        "Scan": 0, "IPData": 1, "Connect": 2, "Disconnect": 3, "Login": 4, "RestartWireguard": 5}
    assert len(WifiStateEnum.__entries) == 4
    assert len(WifiActionEnum.__entries) == 6
    assert not hasattr(WifiStateEnum, "WifiStateEnumCount")
    assert not hasattr(WifiActionEnum, "WifiActionEnumCount")


def test_one_global_object_without_constructor():
    assert type(Wifi) is WifiClass
    assert tavell.wifi.Wifi is Wifi
    with pytest.raises(TypeError):
        WifiClass()


def test_members_under_their_names_and_no_quality_level():
    for name in ("state", "ssid", "quality_percantage", "is_5_ghz", "ip_map_list", "scan_results"):
        assert isinstance(getattr(WifiClass, name), property), name
    assert callable(Wifi.set_login_data) and callable(Wifi.abort_wifi_scan)
    for name in ("quality_level", "qualityLevel", "quality_percentage"):
        assert not hasattr(Wifi, name)


def test_state_needs_a_member_of_its_enum():
    Wifi.state = WifiStateEnum.Connecting
    assert isinstance(Wifi.state, WifiStateEnum)
    for wrong in (0, 1, "Connected", None, WifiActionEnum.Scan):
        with pytest.raises(TypeError):
            Wifi.state = wrong
    assert Wifi.state == WifiStateEnum.Connecting


def test_ssid_takes_any_object_as_its_text():
    class Name(str):
        pass

    Wifi.ssid = 5
    assert Wifi.ssid == "5"
    Wifi.ssid = None
    assert Wifi.ssid == "None"
    Wifi.ssid = Name("Brauerei")
    assert Wifi.ssid == "Brauerei" and type(Wifi.ssid) is str
    Wifi.ssid = "Bräu <b>x</b>"
    assert Wifi.ssid == "Bräu <b>x</b>"


def test_quality_percantage_needs_a_32_bit_int():
    Wifi.quality_percantage = -5
    assert Wifi.quality_percantage == -5
    Wifi.quality_percantage = 2**31 - 1
    assert Wifi.quality_percantage == 2**31 - 1
    Wifi.quality_percantage = 57
    for wrong in (57.0, 1.5, "57", None, 2**31, -2**31 - 1, [57]):
        with pytest.raises(TypeError):
            Wifi.quality_percantage = wrong
    assert Wifi.quality_percantage == 57


@pytest.mark.parametrize("value, stored", [
    (True, True), (False, False), (None, False), (2, True), (0, False), (0.5, True), (0.0, False),
])
def test_is_5_ghz_takes_bools_none_and_numbers(value, stored):
    Wifi.is_5_ghz = not stored
    Wifi.is_5_ghz = value
    assert Wifi.is_5_ghz is stored


def test_is_5_ghz_refuses_other_objects():
    Wifi.is_5_ghz = True
    for wrong in ("ja", "", [], [1], {}):
        with pytest.raises(TypeError):
            Wifi.is_5_ghz = wrong
    assert Wifi.is_5_ghz is True


def test_ip_map_list_takes_any_sequence_of_dicts():
    wlan = {"name": "wlan0", "ip4": "10.0.0.2", "type_": "wifi", "is_wg": False}
    Wifi.ip_map_list = [wlan]
    assert Wifi.ip_map_list == [wlan]
    Wifi.ip_map_list = ({"name": "wg0", "is_wg": True},)
    assert Wifi.ip_map_list == [{"name": "wg0", "is_wg": True}]
    # Elements that are no dict go through dict().
    Wifi.ip_map_list = [[("name", "eth0")]]
    assert Wifi.ip_map_list == [{"name": "eth0"}]


@pytest.mark.parametrize("wrong, type_name", [
    (5, "int"), ({1, 2}, "set"), (None, "NoneType"), ((x for x in []), "generator"), ({"name": "x"}, "dict"),
])
def test_ip_map_list_refuses_what_is_no_sequence(wrong, type_name):
    Wifi.ip_map_list = [{"name": "wlan0"}]
    with pytest.raises(TypeError) as raised:
        Wifi.ip_map_list = wrong
    assert str(raised.value) == NOT_A_SEQUENCE.format(type_name)
    assert Wifi.ip_map_list == [{"name": "wlan0"}]


def test_ip_map_list_element_failing_inside_python_gives_empty_list(capfd):
    Wifi.ip_map_list = [{"name": "wlan0"}]
    Wifi.ip_map_list = [{"name": "eth0"}, 5]
    assert Wifi.ip_map_list == []
    assert "py::error_already_set" in capfd.readouterr().err


def test_scan_results_takes_what_dict_accepts():
    results = {"Brauerei": {"quality": 78, "is5GHz": False}, "<b>x</b>": {"quality": 0, "is5GHz": True}}
    Wifi.scan_results = results
    assert Wifi.scan_results == results
    Wifi.scan_results = [("Nachbar", {"quality": 21})]
    assert Wifi.scan_results == {"Nachbar": {"quality": 21}}


def test_scan_results_failing_inside_python_gives_empty_dict(capfd):
    Wifi.scan_results = {"Brauerei": {}}
    Wifi.scan_results = 5
    assert Wifi.scan_results == {}
    assert "py::error_already_set" in capfd.readouterr().err


def test_values_read_are_copies():
    Wifi.ip_map_list = [{"name": "wlan0", "extra": [1, 2]}]
    Wifi.scan_results = {"Brauerei": {"quality": 78}}
    ifaces = Wifi.ip_map_list
    ifaces[0]["name"] = "geändert"
    ifaces[0]["extra"].append(3)
    ifaces.append({"name": "eth0"})
    scan = Wifi.scan_results
    scan["Brauerei"]["quality"] = 1
    scan["Neu"] = {}
    assert Wifi.ip_map_list == [{"name": "wlan0", "extra": [1, 2]}]
    assert Wifi.scan_results == {"Brauerei": {"quality": 78}}
    assert Wifi.ip_map_list is not Wifi.ip_map_list


def test_values_written_are_copies():
    ifaces = [{"name": "wlan0"}]
    scan = {"Brauerei": {"quality": 78}}
    Wifi.ip_map_list = ifaces
    Wifi.scan_results = scan
    ifaces[0]["name"] = "geändert"
    ifaces.clear()
    scan["Brauerei"]["quality"] = 1
    assert Wifi.ip_map_list == [{"name": "wlan0"}]
    assert Wifi.scan_results == {"Brauerei": {"quality": 78}}


def test_set_login_data_and_abort_return_none_and_store_nothing():
    Wifi.ssid = "Brauerei"
    assert Wifi.set_login_data("Nachbar", "geheim") is None
    assert Wifi.set_login_data(ssid=5, psk=None) is None
    assert Wifi.set_login_data("a\udc80", "b") is None
    assert Wifi.abort_wifi_scan() is None
    assert Wifi.ssid == "Brauerei"
    with pytest.raises(TypeError):
        Wifi.set_login_data("nur eins")


def test_write_changing_only_a_type_is_stored():
    Wifi.scan_results = {"netz": {"quality": 50, "secured": 1}}
    Wifi.scan_results = {"netz": {"quality": "50", "secured": 1}}
    Wifi.scan_results = {"netz": {"quality": "50", "secured": True}}
    assert Wifi.scan_results == {"netz": {"quality": "50", "secured": True}}
    assert Wifi.scan_results["netz"]["secured"] is True
    Wifi.ip_map_list = [{"wlan0": 1.1}]
    Wifi.ip_map_list = [{"wlan0": "1.1"}]
    assert Wifi.ip_map_list == [{"wlan0": "1.1"}]
