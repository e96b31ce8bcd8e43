import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import tavell.recipes 1.0
import "../../base"
import "../../singletons"

// One hop timer: its kind, its minutes before the end of boiling and its
// comment. The block decides the choices, the kind shown and the limits.
MyRectColLayout {
    id: root

    property int number: 1
    property var kinds: []
    property string kind
    property alias minutes: minutes_.value
    property alias from: minutes_.from
    property alias to: minutes_.to
    property alias comment: comment_.source
    readonly property alias kindBox: kind_
    readonly property alias minutesBox: minutes_
    readonly property alias commentField: comment_

    signal kindChosen(string kind)
    signal minutesChosen(int val)
    signal commentSent(string text)

    function rebind_() {
        kind_.currentIndex = Qt.binding(function() { return root.kinds.indexOf(root.kind) })
    }

    color: Common.bg2

    RowLayout {
        spacing: Common.spacing
        Layout.fillWidth: true

        Label {
            objectName: "heading"
            text: `Hopfentimer ${root.number}`
            color: Common.fg1
            font.bold: true
        }

        ThemedComboBox {
            id: kind_

            objectName: "kind"
            model: root.kinds
            currentIndex: root.kinds.indexOf(root.kind)
            enabled: root.kinds.length > 1
            Layout.fillWidth: true

            onActivated: {
                root.kindChosen(root.kinds[index])
                root.rebind_()
            }
        }
    }

    MySpinBox {
        id: minutes_

        objectName: "minutes"
        text: "Minuten"
        enabled: root.kind === RecipesExt.kindTime
        showError: root.kind === RecipesExt.kindTime
        Layout.fillWidth: true

        onModified: root.minutesChosen(val)
    }

    CommentField {
        id: comment_

        objectName: "comment"
        placeholderText: `Anmerkungen zu Hopfentimer ${root.number}`
        Layout.fillWidth: true

        onSend: root.commentSent(text)
    }
}
