import QtQuick 2.15
import QtQuick.Controls 2.15

// Network tab ("Netzwerk"); its rows come with the network screens.
Page {
    id: root

    // True only while this tab is selected and the settings page is current.
    property bool enableWorker: false

    // Drops the rows of found networks; there are none to drop yet.
    function removeWifiLines() { }

    objectName: "tabNetwork"
    background: null
}
