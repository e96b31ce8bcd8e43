import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.action 1.0
import tavell.auto 1.0
import tavell.values 1.0
import "../../base"
import "../../singletons"

// Manual heating of line A or B at one step, with the warning about dry zones.
ColumnLayout {
    id: root

    property int step: Auto_.StepFuellen
    property bool lineB: false
    property string suffix: ""
    readonly property bool heating: lineB ? Values.heatingBActive : Values.heatingActive
    readonly property string name_: !Common.isSpecial ? ""
                                                      : " " + (lineB ? Common.nameKessel2 : Common.nameKessel1)

    spacing: Common.spacing

    MyGreenCheckButton {
        objectName: "heatingButton"
        active: root.heating
        text: `Heizung${root.name_} ${root.heating ? "aktiviert" : "aktivieren"}${root.suffix}`
        enabled: AutoExt.active && (root.lineB ? Auto_.stepB : Auto_.stepA) === root.step
                 && (root.lineB ? Auto_.manualHeatingBEnabled : Auto_.manualHeatingAEnabled)
        Layout.fillWidth: true

        onClicked: Action_.toPy(root.lineB ? Action_.HeatingB : Action_.HeatingA)
    }

    Label {
        objectName: "heatingWarning"
        text: "Heizzonen die nicht unter Wasser stehen unbedingt deaktivieren, um Schäden an der Heizung zu vermeiden!"
        color: Common.colorAlarmText
        font.bold: true
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
}
