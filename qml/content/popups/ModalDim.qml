import QtQuick 2.15
import "../../singletons"

// The layer behind a modal popup or dialog: it darkens the page in both
// themes (the style's own lightens it in the dark theme).
Rectangle {
    objectName: "modalDim"
    color: Common.colorDim
}
