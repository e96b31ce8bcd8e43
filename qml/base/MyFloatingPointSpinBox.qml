import QtQuick 2.15
import QtQuick.Controls 2.15

// Integer spin box that shows value / 10^precision in the locale's number
// format, with an optional prefix and suffix around it. A plain number box; a
// box of a value the controller holds clears `keepsInput` and binds `held`
// (StateSpinBox) instead of `value`.
StateSpinBox {
    id: root

    property int precision: 1
    property string prefix: ""
    property string suffix: ""

    readonly property real factor_: Math.pow(10, precision)

    keepsInput: true

    function escape_(text) {
        return text.replace(/[.*+?^${}()|[\]\\\/]/g, "\\$&")
    }

    function strip_(text) {
        let t = text.trim()
        const pre = prefix.trim()
        const post = suffix.trim()
        if (pre !== "" && t.startsWith(pre))
            t = t.slice(pre.length)
        if (post !== "" && t.endsWith(post))
            t = t.slice(0, t.length - post.length)
        return t.trim()
    }

    textFromValue: function(value, locale) {
        return prefix + Number(value / factor_).toLocaleString(locale, "f", Math.max(0, precision)) + suffix
    }

    valueFromText: function(text, locale) {
        let number
        try {
            number = Number.fromLocaleString(locale, strip_(text))
        } catch (e) {
            return root.value
        }
        // toPrecision drops the binary noise of the scaling (1.005 * 100).
        return Math.round(Number((number * factor_).toPrecision(12)))
    }

    validator: RegularExpressionValidator {
        regularExpression: new RegExp("^\\s*" + root.escape_(root.prefix.trim()) + "\\s*[+-]?[0-9"
                                      + root.escape_(root.locale.groupSeparator) + "]*("
                                      + root.escape_(root.locale.decimalPoint) + "[0-9]*)?\\s*"
                                      + root.escape_(root.suffix.trim()) + "\\s*$")
    }
}
