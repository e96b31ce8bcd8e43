import QtQuick 2.15
import QtQuick.Controls 2.15
import tavell.gui 1.0
import "../../singletons"

// Common base of the screens' popups: registers with Dialogs while open.
Popup {
    id: root

    property int id_: 0
    property bool finished_: false

    signal accepted()
    signal rejected()

    function accept(value) {
        finished_ = true
        Dialogs.removePopupById(id_, true, value)
        close()
        accepted()
    }

    function reject() {
        finished_ = true
        Dialogs.removePopupById(id_, false)
        close()
        rejected()
    }

    modal: true
    Overlay.modal: ModalDim { }
    anchors.centerIn: parent
    width: Math.min(450, Common.w1 > 0 ? Common.w1 : 450)

    // Registered before the enter transition: an answer given while the
    // popup still fades in must already find its id.
    onAboutToShow: {
        finished_ = false
        id_ = Dialogs.setupPopup(root, id_)
    }
    onOpened: if (contentItem) contentItem.forceActiveFocus()
    onClosed: {
        Gui.toPy(Gui.PopupOpened, false)
        if (!finished_)
            Dialogs.removePopupById(id_, false)
        id_ = 0
    }

    Shortcut {
        enabled: root.opened
        sequences: ["Return", "Enter"]
        onActivated: typeof root.customAccept === "function" ? root.customAccept() : root.accept()
    }
    Shortcut {
        enabled: root.opened
        sequence: "Escape"
        onActivated: root.reject()
    }
}
