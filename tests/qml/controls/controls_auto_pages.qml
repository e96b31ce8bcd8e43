import QtQuick 2.15
import tavell.auto 1.0
import tavell.gui 1.0
import tavell.recipes 1.0
import "qrc:/qml/content/pages"

// The pages of lines A and B: what the start/stop button sends in each state
// of its line, and the recipe list.
Item {
    id: scene

    width: 1024
    height: 600

    Component { id: pageA; Automatik { width: scene.width; height: scene.height } }
    Component { id: pageB; Automatik2 { width: scene.width; height: scene.height } }

    ControlsCase {
        name: "AutoPageControls"

        readonly property var twoVessels: ({ "values.heatZoneCountB": 0 })

        function plant(zonesB, more) {
            return Object.assign({ "values.heatZoneCountB": zonesB, "auto.stepBOffset": 4 }, more || {})
        }

        // The button has no rule of its own: its line's state chooses the request.
        function test_startStopButtonLineA_data() {
            return [
                { tag: "idle", control: "startStopButton", act: "hold", context: plant(0),
                  sends: [toAuto(Auto_.Start, [0, Gui.Auto1])] },
                { tag: "idle while line B runs", control: "startStopButton", act: "hold",
                  context: plant(4, { "auto.activeB": true, "auto.waitForAckn": true }),
                  sends: [toAuto(Auto_.Start, [0, Gui.Auto1])] },
                { tag: "running", control: "startStopButton", act: "hold", context: plant(0, { "auto.activeA": true }),
                  sends: [toAuto(Auto_.StopA, null)] },
                { tag: "waiting, two vessels", control: "startStopButton", act: "hold",
                  context: plant(0, { "auto.activeA": true, "auto.waitForAckn": true }),
                  sends: [toAuto(Auto_.FinishAckn, null)] },
                // Line B finishes the run of a three-vessel plant, never line A.
                { tag: "waiting, three vessels", control: "startStopButton", act: "hold",
                  context: plant(4, { "auto.activeA": true, "auto.waitForAckn": true }),
                  sends: [toAuto(Auto_.StopA, null)] }
            ]
        }
        function test_startStopButtonLineA(row) { check(pageA, row) }

        function test_startStopButtonLineB_data() {
            return [
                { tag: "idle", control: "startStopButton", act: "hold", context: plant(4),
                  sends: [toAuto(Auto_.Start, [4, Gui.Auto2])] },
                { tag: "idle while line A runs", control: "startStopButton", act: "hold",
                  context: plant(4, { "auto.activeA": true }), sends: [toAuto(Auto_.Start, [4, Gui.Auto2])] },
                { tag: "running", control: "startStopButton", act: "hold", context: plant(4, { "auto.activeB": true }),
                  sends: [toAuto(Auto_.StopB, null)] },
                { tag: "waiting", control: "startStopButton", act: "hold",
                  context: plant(4, { "auto.activeB": true, "auto.waitForAckn": true }),
                  sends: [toAuto(Auto_.FinishAckn, null)] },
                { tag: "waiting, not running", control: "startStopButton", act: "hold",
                  context: plant(4, { "auto.waitForAckn": true }), sends: [toAuto(Auto_.Start, [4, Gui.Auto2])] }
            ]
        }
        function test_startStopButtonLineB(row) { check(pageB, row) }

        function test_recipeList_data() {
            const names = { "recipes.names": ["Helles", "Pils"], "recipeA.name": "Helles", "recipeB.name": "Helles",
                            "recoveryA.step": 2, "recoveryA.stepStr": "Rasten" }
            return [
                { tag: "line A", control: "recipeList", act: "next", context: plant(0, names),
                  sends: [toRecipes(Recipes.SetAuto1Name, "Pils")],
                  when: { "auto.activeA": false, "auto.recoveryCount": [0, 1] } },
                { tag: "line B", control: "recipeList", act: "next",
                  context: plant(4, Object.assign({ "auto.activeA": true }, names)),
                  sends: [toRecipes(Recipes.SetAuto2Name, "Pils")], when: { "auto.activeB": false } }
            ]
        }
        function test_recipeList(row) { check(row.tag === "line A" ? pageA : pageB, row) }
    }
}
