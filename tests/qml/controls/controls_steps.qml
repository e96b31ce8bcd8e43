import QtQuick 2.15
import tavell.action 1.0
import tavell.actuator 1.0
import tavell.auto 1.0
import tavell.recipes 1.0
import tavell.values 1.0
import "qrc:/qml/content/auto"

// The step screens of the automatic sequence: each control's request and the
// conditions that enable it. Steps 1 to 4 belong to line A; steps 5 to 7 to
// the cooking line, line A on a two-vessel plant and line B on a
// three-vessel one (values.heatZoneCountB 4).
Item {
    id: scene

    width: 700
    height: 2400

    Component { id: fuellen; Auto1_Fuellen { width: scene.width; height: scene.height } }
    Component { id: einmaischen; Auto2_Einmaischen { width: scene.width; height: scene.height } }
    Component { id: rasten; Auto3_Rasten { width: scene.width; height: scene.height } }
    Component { id: abmaischen; Auto4_Abmaischen { width: scene.width; height: scene.height } }
    Component { id: laeutern; Auto5_Laeutern { width: scene.width; height: scene.height } }
    Component { id: heizen; Auto6_Heizen { width: scene.width; height: scene.height } }
    Component { id: kochen; Auto7_Kochen { width: scene.width; height: scene.height } }

    ControlsCase {
        id: t

        name: "StepScreenControls"

        readonly property var twoVessels: ({ "values.heatZoneCountB": 0 })
        readonly property var threeVessels: ({ "values.heatZoneCountB": 4 })

        // Line A at a step ([enabling step, another step]), plus further rules.
        function lineA(step, other, more) {
            return Object.assign({ "auto.activeA": true, "auto.stepA": [step, other] }, more || {})
        }
        function lineB(step, other, more) {
            return Object.assign({ "auto.activeB": true, "auto.stepB": [step, other] }, more || {})
        }
        function with_(a, b) { return Object.assign({}, a, b) }

        // The output turning on is the event; the request follows it.
        function valveOpens(item, tc) {
            tc.put("actuator.svSkOut.state", false)
            tc.put("actuator.svSkOut.state", true)
        }

        function test_filling_data() {
            return [
                { tag: "water treated", control: "waterTreatedButton", act: "click",
                  sends: [toAuto(Auto_.ToggleWaterTreated, null)],
                  when: { "auto.activeA": true, "recipeA.commentWasser": ["10 g Gips", ""] } },
                { tag: "main infusion", control: "hgButton", act: "click", sends: [toAuto(Auto_.ToggleHg, null)],
                  when: lineA(Auto_.StepFuellen, Auto_.StepEinmaischen,
                              { "auto.ngActive": false, "auto.hgFinished": false }) },
                { tag: "stirrer", control: "stirrerButton", act: "click", sends: [toggle(Actuator.FuRw1Forward)],
                  when: lineA(Auto_.StepFuellen, Auto_.StepEinmaischen) },
                { tag: "stirrer, three vessels", control: "stirrerButton", act: "click",
                  sends: [toggle(Actuator.FuRw1Forward)], context: threeVessels,
                  when: lineA(Auto_.StepFuellen, Auto_.StepEinmaischen) },
                // Any running line will do; the step is line A's.
                { tag: "heating", control: "heatingButton", act: "click", sends: [toAction(Action_.HeatingA)],
                  when: { "auto.stepA": [Auto_.StepFuellen, Auto_.StepRasten], "auto.manualHeatingAEnabled": true },
                  whenAny: { "auto.activeA": true, "auto.activeB": true } }
            ]
        }
        function test_filling(row) { check(fuellen, row) }

        function test_mashingIn_data() {
            return [
                { tag: "start rests", control: "nextButton", act: "hold", sends: [toAuto(Auto_.NextStep, null)],
                  when: lineA(Auto_.StepEinmaischen, Auto_.StepRasten) }
            ]
        }
        function test_mashingIn(row) { check(einmaischen, row) }

        function test_rests_data() {
            return [
                { tag: "skip rest", control: "skipRastButton", act: "hold", sends: [toAuto(Auto_.MiscEventA, null)],
                  when: lineA(Auto_.StepRasten, Auto_.StepAbmaischen, { "auto.skipRastEnabled": true }) }
            ]
        }
        function test_rests(row) { check(rasten, row) }

        function test_mashingOut_data() {
            return [
                { tag: "skip lauter rest", control: "skipLauterruheButton", act: "hold",
                  sends: [toAuto(Auto_.MiscEventA, null)],
                  when: lineA(Auto_.StepAbmaischen, Auto_.StepRasten, { "auto.abmaischenActive": true }) },
                { tag: "mash-out valve", control: "mashOutSwitch", act: "click", sends: [toggle(Actuator.SvSkOut)],
                  when: lineA(Auto_.StepAbmaischen, Auto_.StepLautern) },
                { tag: "valve opened begins the lauter rest", control: "mashOutSwitch", act: valveOpens, event: true,
                  sends: [toAuto(Auto_.BeginLauterRuhe, null)], when: lineA(Auto_.StepAbmaischen, Auto_.StepRasten) },
                { tag: "stirrer", control: "stirrerButton", act: "click", sends: [toggle(Actuator.FuRw1Forward)],
                  when: lineA(Auto_.StepAbmaischen, Auto_.StepRasten) },
                { tag: "start lautering", control: "nextButton", act: "hold", sends: [toAuto(Auto_.NextStep, null)],
                  when: lineA(Auto_.StepAbmaischen, Auto_.StepLautern, { "auto.lauterruheFinished": true }) }
            ]
        }
        function test_mashingOut(row) { check(abmaischen, row) }

        function test_lautering_data() {
            const a = Auto_.StepLautern
            const pump = { "auto.fuFreqSpPump1": 20, "auto.useLauterPumpFreq": false,
                           "values.fuFreqSpPump1Min": 5, "values.fuFreqSpPump1Max": 50 }
            const sparge = { "recipeA.lauternNgLiters": 20, "recipeB.lauternNgLiters": 30,
                             "values.nachgussLiterMin": 1, "values.nachgussLiterMax": 100 }
            return [
                { tag: "cloudy wort", control: "trubwurzeSwitch", act: "click",
                  sends: [toAuto(Auto_.ToggleTrubwurze, null)], context: twoVessels,
                  when: lineA(a, Auto_.StepHeizen, { "auto.lauternActive": false, "auto.ngActive": false }) },
                { tag: "cloudy wort, line B", control: "trubwurzeSwitch", act: "click",
                  sends: [toAuto(Auto_.ToggleTrubwurze, null)], context: threeVessels,
                  when: lineB(a, Auto_.StepHeizen, { "auto.lauternActive": false, "auto.ngActive": false }) },
                { tag: "lautering", control: "lauternSwitch", act: "click", sends: [toAuto(Auto_.ToggleLautern, null)],
                  context: twoVessels, when: lineA(a, Auto_.StepAbmaischen, { "auto.trubwurzeActive": false }) },
                { tag: "pump frequency", control: "pumpFrequencyBox", act: "up",
                  sends: [toAuto(Auto_.FuFreqSpPump1, 21)], context: with_(twoVessels, pump),
                  when: lineA(a, Auto_.StepHeizen) },
                { tag: "sparge", control: "spargeButton", act: "click", sends: [toAuto(Auto_.ToggleNg, null)],
                  context: twoVessels,
                  when: lineA(a, Auto_.StepHeizen, { "auto.trubwurzeActive": false, "auto.hgActive": false }) },
                { tag: "sparge litres", control: "spargeLitersBox", act: "up",
                  sends: [toAuto(Auto_.NgLitersSetpointTmp, 21)], context: with_(twoVessels, sparge),
                  when: lineA(a, Auto_.StepHeizen, { "auto.ngActive": false }) },
                { tag: "sparge litres, line B", control: "spargeLitersBox", act: "down",
                  sends: [toAuto(Auto_.NgLitersSetpointTmp, 29)], context: with_(threeVessels, sparge),
                  when: lineB(a, Auto_.StepHeizen, { "auto.ngActive": false }) },
                { tag: "stirrer", control: "stirrerButton", act: "click", sends: [toggle(Actuator.FuRw1Forward)],
                  context: twoVessels, when: lineA(a, Auto_.StepHeizen) },
                { tag: "stirrer, line B", control: "stirrerButton", act: "click", sends: [toggle(Actuator.FuRw2Forward)],
                  context: threeVessels, when: lineB(a, Auto_.StepHeizen) },
                { tag: "heating", control: "heatingButton", act: "click", sends: [toAction(Action_.HeatingA)],
                  context: twoVessels, when: lineA(a, Auto_.StepHeizen, { "auto.manualHeatingAEnabled": true }) },
                { tag: "heating, line B", control: "heatingButton", act: "click", sends: [toAction(Action_.HeatingB)],
                  context: threeVessels, when: lineB(a, Auto_.StepHeizen, { "auto.manualHeatingBEnabled": true }) },
                { tag: "first-wort hop", control: "firstWortHop/hopButton", act: "click",
                  sends: [toAuto(Auto_.SetHopfengabe, 1)], context: with_(twoVessels, { "auto.activeA": true }),
                  when: { "recipeA.hopfenVorderwurze": true, "auto.stepA": [a, Auto_.StepAbmaischen],
                          "hopfen.current": [1, 2] } },
                { tag: "first-wort hop, line B", control: "firstWortHop/hopButton", act: "click",
                  sends: [toAuto(Auto_.SetHopfengabe, 1)], context: with_(threeVessels, { "auto.activeB": true }),
                  when: { "recipeB.hopfenVorderwurze": true, "auto.stepB": [Auto_.StepHeizen, Auto_.StepAbmaischen],
                          "hopfen.current": [0, 2] } },
                { tag: "start boiling", control: "nextButton", act: "hold", sends: [toAuto(Auto_.NextStep, null)],
                  context: twoVessels, when: lineA(a, Auto_.StepHeizen) },
                { tag: "start boiling, line B", control: "nextButton", act: "hold",
                  sends: [toAuto(Auto_.NextStep, null)], context: threeVessels, when: lineB(a, Auto_.StepAbmaischen) }
            ]
        }
        function test_lautering(row) { check(laeutern, row) }

        function test_heatingToBoil_data() {
            const h = Auto_.StepHeizen
            const gravity = { "auto.stammwurzeHeating": 120, "values.stammwuerzeMin": 0, "values.stammwuerzeMax": 300 }
            return [
                { tag: "stirrer", control: "stirrerButton", act: "click", sends: [toggle(Actuator.FuRw1Forward)],
                  context: twoVessels, when: lineA(h, Auto_.StepKochen) },
                { tag: "stirrer, line B", control: "stirrerButton", act: "click", sends: [toggle(Actuator.FuRw2Forward)],
                  context: threeVessels, when: lineB(h, Auto_.StepLautern) },
                { tag: "condenser", control: "condenserButton", act: "click",
                  sends: [toValues(Values.AutoKondensator, null)], context: twoVessels,
                  when: lineA(h, Auto_.StepKochen, { "values.autoKondBtnEnabled": true }) },
                { tag: "condenser, line B", control: "condenserButton", act: "click",
                  sends: [toValues(Values.AutoKondensator, null)], context: threeVessels,
                  when: lineB(h, Auto_.StepLautern, { "values.autoKondBtnEnabled": true }) },
                { tag: "gravity", control: "gravityBox/gravitySpinBox", act: "up",
                  sends: [toAuto(Auto_.SetStammwurzeHeating, 121)], context: with_(twoVessels, gravity),
                  when: lineA(h, Auto_.StepLautern, { "recipeA.stammwurzeDoPfannevollMessung": true }) },
                { tag: "gravity, line B", control: "gravityBox/gravitySpinBox", act: "down",
                  sends: [toAuto(Auto_.SetStammwurzeHeating, 119)], context: with_(threeVessels, gravity),
                  when: lineB(Auto_.StepKochen, Auto_.StepLautern, { "recipeB.stammwurzeDoPfannevollMessung": true }) },
                { tag: "gravity warning", control: "gravityBox/gravityWarnCheck", act: "click",
                  sends: [toRecipesQVar(Recipes.ToggleShowPfannevollWarningForRecipe, "Helles")],
                  context: with_(twoVessels, { "recipeA.name": "Helles" }),
                  when: lineA(h, Auto_.StepLautern, { "recipeA.stammwurzeDoPfannevollMessung": true }) },
                { tag: "gravity warning, line B", control: "gravityBox/gravityWarnCheck", act: "click",
                  sends: [toRecipesQVar(Recipes.ToggleShowPfannevollWarningForRecipe, "Dunkles")],
                  context: with_(threeVessels, { "recipeB.name": "Dunkles" }),
                  when: lineB(h, Auto_.StepLautern, { "recipeB.stammwurzeDoPfannevollMessung": true }) }
            ]
        }
        function test_heatingToBoil(row) { check(heizen, row) }

        function test_boiling_data() {
            const k = Auto_.StepKochen
            const hops = with_(twoVessels, { "recipeA.hopfenN": 5 })
            const power = { "recipeA.cookingPowerPercentage": 50, "values.cookingPowerPercentageMin": 0,
                            "values.cookingPowerPercentageMax": 100 }
            const gravity = { "auto.stammwurzeCooking": 120, "values.stammwuerzeMin": 0, "values.stammwuerzeMax": 300 }
            return [
                { tag: "hop 1 due", control: "hopTable/hopRow1/hopButton", act: "click",
                  sends: [toAuto(Auto_.SetHopfengabe, 1)], context: hops,
                  when: lineA(k, Auto_.StepHeizen, { "hopfen.current": [0, 2] }) },
                { tag: "hop 3 due", control: "hopTable/hopRow3/hopButton", act: "click",
                  sends: [toAuto(Auto_.SetHopfengabe, 3)], context: hops,
                  when: lineA(k, Auto_.StepHeizen, { "hopfen.current": [2, 1] }) },
                { tag: "hop 3 undone", control: "hopTable/hopRow3/hopButton", act: "click",
                  sends: [toAuto(Auto_.SetHopfengabe, 3)], context: hops,
                  when: lineA(k, Auto_.StepLautern, { "hopfen.current": [3, 4] }) },
                { tag: "hop 5 due, line B", control: "hopTable/hopRow5/hopButton", act: "click",
                  sends: [toAuto(Auto_.SetHopfengabe, 5)], context: with_(threeVessels, { "recipeB.hopfenN": 5 }),
                  when: lineB(k, Auto_.StepHeizen, { "hopfen.current": [4, 3] }) },
                { tag: "cooking power", control: "cookingPowerBox", act: "up",
                  sends: [toRecipes(Recipes.SetCookingPowerPercentageTmp, 51)], context: with_(twoVessels, power),
                  when: { "auto.activeA": true, "recipeA.cookingUsePowerPercentage": true } },
                { tag: "gravity", control: "gravityBox/gravitySpinBox", act: "up",
                  sends: [toAuto(Auto_.SetStammwurzeCooking, 121)], context: with_(twoVessels, gravity),
                  when: lineA(k, Auto_.StepHeizen) },
                { tag: "gravity, line B", control: "gravityBox/gravitySpinBox", act: "up",
                  sends: [toAuto(Auto_.SetStammwurzeCooking, 121)], context: with_(threeVessels, gravity),
                  when: lineB(k, Auto_.StepHeizen) },
                { tag: "stirrer", control: "stirrerButton", act: "click", sends: [toggle(Actuator.FuRw1Forward)],
                  context: twoVessels, when: lineA(k, Auto_.StepHeizen) },
                { tag: "stirrer, line B", control: "stirrerButton", act: "click", sends: [toggle(Actuator.FuRw2Forward)],
                  context: threeVessels, when: lineB(k, Auto_.StepHeizen) },
                { tag: "condenser", control: "condenserButton", act: "click",
                  sends: [toValues(Values.AutoKondensator, null)], context: twoVessels,
                  when: lineA(k, Auto_.StepHeizen, { "values.autoKondBtnEnabled": true }) },
                { tag: "whirlpool off", control: "autoWhirlpoolSwitch", act: "click",
                  sends: [toValues(Values.WhirlpoolEnabled, false)],
                  context: with_(twoVessels, { "values.whirlpoolEnabled": true }),
                  when: lineA(k, Auto_.StepHeizen, { "auto.enableAutoWhirlpoolBtn": [1, 0] }) },
                { tag: "whirlpool on, line B", control: "autoWhirlpoolSwitch", act: "click",
                  sends: [toValues(Values.WhirlpoolEnabled, true)],
                  context: with_(threeVessels, { "values.whirlpoolEnabled": false }),
                  when: lineB(k, Auto_.StepHeizen, { "auto.enableAutoWhirlpoolBtn": [2, 0] }) },
                { tag: "finish", control: "finishButton", act: "hold", sends: [toAuto(Auto_.FinishAckn, null)],
                  context: twoVessels, when: { "auto.waitForAckn": true } }
            ]
        }
        function test_boiling(row) { check(kochen, row) }
    }
}
