.pragma library

// The four forms of the plant scheme: one kettle, the left part of the
// two-kettle plant, the two-kettle plant and its right part. Each picture is
// 1000 high and as wide as img/src/scheme.py draws it.
var names = ["1x", "2x-left", "2x", "2x-right"]
var pictureStems = ["schema-", "schema-2x-left-", "schema-2x-", "schema-2x-right-"]
var widths = [620, 600, 1000, 549]
var height = 1000

function index(form) {
    return Math.max(0, names.indexOf(form))
}

// Width over height of the widest of the given forms.
function widestAspect(forms) {
    var widest = 0
    for (var i = 0; i < forms.length; ++i)
        widest = Math.max(widest, widths[index(forms[i])])
    return widest / height
}
