import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import Qt.labs.settings 1.1
import tavell.bridge 1.0
import "../../singletons"
import "../../base"

// Appearance tab ("Erscheinungsbild"): theme, window buttons and, in debug
// builds, the backend mode the bridge reads at the next start.
MyGradientFlickContainer {
    id: root

    readonly property int currentMode: Bridge.simulator ? 1 : 0
    readonly property var modeNames: ["Production", "Simulator"]

    // The selection is bound to the theme, so only an operator's choice
    // differs from it.
    function applyTheme(index) {
        if (index > 1) {
            console.log(`Für comboTheme wird nur Index 0...1 unterstützt (${comboTheme.currentIndex})`)
            return
        }
        if (index >= 0 && index !== Common.theme && Common.window)
            Common.window.setTheme(index)
    }

    // Only a change takes effect, and only after a restart. Going back to the
    // running mode takes back a change chosen before, without a message.
    function chooseMode(index) {
        if (index === currentMode) {
            if (Number(pythonSettings_.value("simulator", currentMode)) !== currentMode) {
                pythonSettings_.setValue("simulator", index)
                pythonSettings_.sync()
            }
            return
        }
        pythonSettings_.setValue("simulator", index)
        pythonSettings_.sync()
        Dialogs.message("Backend-Modus geändert", "Diese Änderung wird erst nach Neustart des Programms angewandt")
    }

    objectName: "tabAppearance"

    Settings {
        id: pythonSettings_
        category: "python"
    }

    MySelectionList {
        id: comboTheme

        objectName: "comboTheme"
        text: "Theme"
        model: ["Hell", "Dunkel"]
        currentIndex: Common.theme
        comboBox.implicitWidth: 200
        Layout.fillWidth: true

        onCurrentIndexChanged: root.applyTheme(currentIndex)
    }

    RowLayout {
        spacing: Common.spacing
        Layout.fillWidth: true

        Button {
            objectName: "minimizeButton"
            text: "minimieren"
            Layout.fillWidth: true
            onClicked: if (Common.window) Common.window.showMinimized()
        }

        Button {
            objectName: "fullscreenButton"
            text: "Fullscreen"
            Layout.fillWidth: true
            onClicked: {
                if (!Common.window)
                    return
                if (Common.window.visibility === Window.FullScreen)
                    Common.window.showNormal()
                else
                    Common.window.showFullScreen()
            }
        }

        Button {
            objectName: "closeButton"
            text: "schließen"
            Layout.fillWidth: true
            onClicked: if (Common.window) Common.window.close()
        }
    }

    Label {
        objectName: "backendHeading"
        visible: Bridge.debug
        text: "Backend-Modus"
        color: Common.fg1
        font.pointSize: Common.hSize1
        font.bold: true
        Layout.topMargin: 2 * Common.spacing
        Layout.fillWidth: true
    }

    Label {
        objectName: "backendText"
        visible: Bridge.debug
        text: "Folgende Einstellung ist nur im Debug-Build verfügbar.\nAktueller Modus: " + root.modeNames[root.currentMode]
        color: Common.fg1
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }

    MySelectionList {
        objectName: "comboMode"
        visible: Bridge.debug
        text: "Modus"
        color: Common.colorDebug
        model: root.modeNames
        currentIndex: root.currentMode
        comboBox.implicitWidth: 200
        Layout.fillWidth: true

        onActivated: root.chooseMode(index)
    }
}
