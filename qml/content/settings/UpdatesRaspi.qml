import QtQuick 2.15
import QtQuick.Controls 2.15

// Updates tab ("Updates"); its sub-tabs come with the update screens.
Page {
    id: root

    // Selected sub-tab: 0 overview, 1 available, 2 installed, 3 console.
    property int currentIndex: 0

    objectName: "tabUpdates"
    background: null
}
