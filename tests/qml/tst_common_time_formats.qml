import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/singletons"

TestCase {
    name: "CommonTimeFormats"
    when: windowShown

    function test_short_data() {
        return [
            { tag: "zero", secs: 0, text: "0:00" },
            { tag: "single digit seconds", secs: 5, text: "0:05" },
            { tag: "just below a minute", secs: 59, text: "0:59" },
            { tag: "one minute", secs: 60, text: "1:00" },
            { tag: "65", secs: 65, text: "1:05" },
            { tag: "two digit seconds", secs: 70, text: "1:10" },
            { tag: "minutes are not wrapped into hours", secs: 3700, text: "61:40" },
            { tag: "fraction is cut off", secs: 65.9, text: "1:05" },
            { tag: "negative keeps its sign in front", secs: -65, text: "-1:05" },
        ]
    }

    function test_short(data) {
        compare(Common.timeFromSecsShort(data.secs), data.text)
    }

    function test_long_data() {
        return [
            { tag: "zero reads as singular seconds", secs: 0, text: "0 Sekunde" },
            { tag: "one second", secs: 1, text: "1 Sekunde" },
            { tag: "two seconds", secs: 2, text: "2 Sekunden" },
            { tag: "59 seconds", secs: 59, text: "59 Sekunden" },
            { tag: "one minute without seconds", secs: 60, text: "1 Minute" },
            { tag: "one minute one second", secs: 61, text: "1 Minute und 1 Sekunde" },
            { tag: "65", secs: 65, text: "1 Minute und 5 Sekunden" },
            { tag: "120 gives only minutes", secs: 120, text: "2 Minuten" },
            { tag: "plural minutes singular second", secs: 121, text: "2 Minuten und 1 Sekunde" },
            { tag: "long", secs: 3599, text: "59 Minuten und 59 Sekunden" },
            { tag: "negative", secs: -61, text: "-1 Minute und 1 Sekunde" },
        ]
    }

    function test_long(data) {
        compare(Common.timeFromSecsLong(data.secs), data.text)
    }
}
