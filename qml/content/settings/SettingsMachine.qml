import QtQuick 2.15
import QtQuick.Controls 2.15

// Machine tab ("Maschine"); its values come with the value screens.
Page {
    objectName: "tabMachine"
    background: null
}
