"""Network answers of the stand-in controller.

Scans find made-up networks, joining one is immediate (except for the one out
of reach, whose attempt runs until the operator gives up), and the interfaces
are a fixed set whose Wi-Fi address follows the connection. Passwords are
neither kept nor shown.
"""

from tavell import Logger
from tavell.wifi import Wifi, WifiActionEnum, WifiStateEnum

# What a scan finds; one name holds markup, which the screens must show as text.
NETWORKS = {
    "Brauerei": {"quality": 78, "is5GHz": False},
    "Brauerei-5G": {"quality": 52, "is5GHz": True},
    "<b>x</b>": {"quality": 0, "is5GHz": False},
    "Funkloch": {"quality": 4, "is5GHz": False},
    "Nachbar": {"quality": 21, "is5GHz": False},
}

# Too far away: a connection attempt never completes.
UNREACHABLE = "Funkloch"

_WLAN_IP = "192.168.178.42"


def _interfaces():
    wlan_ip = _WLAN_IP if Wifi.state == WifiStateEnum.Connected else ""
    return [
        {"name": "eth0", "ip4": "192.168.10.20", "type_": "ethernet", "is_wg": False},
        {"name": "wlan0", "ip4": wlan_ip, "type_": "wifi", "is_wg": False},
        {"name": "wg0", "ip4": "10.8.0.3", "type_": "wireguard", "is_wg": True},
    ]


def _connect(value):
    # value is [ssid, password]
    try:
        ssid, _ = value
    except (TypeError, ValueError):
        ssid = None
    if not isinstance(ssid, str) or not ssid:
        Logger.warning("controller: Connect ohne SSID")
        Wifi.state = WifiStateEnum.Aborted
        return
    network = NETWORKS.get(ssid, {"quality": 60, "is5GHz": False})
    Wifi.state = WifiStateEnum.Connecting
    Wifi.ssid = ssid
    if ssid == UNREACHABLE:
        return
    Wifi.state = WifiStateEnum.Connected
    # The level follows the percentage, so the state is set first.
    Wifi.quality_percantage = network["quality"] or 60
    Wifi.is_5_ghz = network["is5GHz"]
    Wifi.ip_map_list = _interfaces()


def _disconnect():
    Wifi.state = WifiStateEnum.Disconnected
    Wifi.ssid = ""
    Wifi.quality_percantage = 0
    Wifi.is_5_ghz = False
    Wifi.ip_map_list = _interfaces()


def wifi_action(code, value):
    if code == WifiActionEnum.Scan:
        if Wifi.scan_results == NETWORKS:
            # Nothing new: no change signal would end the screen's scan.
            Wifi.abort_wifi_scan()
        else:
            Wifi.scan_results = NETWORKS
    elif code == WifiActionEnum.IPData:
        Wifi.ip_map_list = _interfaces()
    elif code == WifiActionEnum.Login:
        Wifi.set_login_data(value, "")
    elif code == WifiActionEnum.Connect:
        _connect(value)
    elif code == WifiActionEnum.Disconnect:
        _disconnect()
