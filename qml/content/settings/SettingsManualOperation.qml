import QtQuick 2.15
import QtQuick.Controls 2.15

// Manual-operation tab ("Handbetrieb"); its outputs come with the plant screens.
Page {
    objectName: "tabManualOperation"
    background: null
}
