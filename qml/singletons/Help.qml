pragma Singleton
import QtQuick 2.15

// Help mode and the help texts the screens show in it.
QtObject {
    property bool requested: false
    property int missCount: 0

    onRequestedChanged: if (requested) missCount = 0
}
