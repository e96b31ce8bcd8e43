import QtQuick 2.15

// One view of the plant scheme: its form scaled to fit and centred; the form
// keeps its own size.
Item {
    id: root

    property alias formName: form_.form
    readonly property alias form: form_

    SchemeForm {
        id: form_

        scale: implicitWidth > 0 && implicitHeight > 0
               ? Math.min(root.width / implicitWidth, root.height / implicitHeight) : 1
        width: implicitWidth
        height: implicitHeight
        transformOrigin: Item.TopLeft
        x: (root.width - width * scale) / 2
        y: (root.height - height * scale) / 2
    }
}
