import QtQuick 2.15

// Step screen of the automatic sequence; its controls are still to come.
Item {
}
