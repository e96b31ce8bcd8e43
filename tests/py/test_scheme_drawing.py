"""The scheme pictures against the scheme forms: every valve, heat-zone, pump
and non-return-valve position of SchemeForm.qml lies on the element drawn for
it in img/src/scheme.py, no pipe runs through a kettle temperature, and the
committed pictures are as wide as drawn and as the forms take them to be."""

import ast
import importlib.util
import os
import re
import struct

import pytest

ROOT = os.environ["TAVELL_SOURCE_DIR"]
FORMS = ["", "2x-left-", "2x-", "2x-right-"]


@pytest.fixture(scope="module")
def scheme():
    spec = importlib.util.spec_from_file_location("scheme_drawing", os.path.join(ROOT, "img", "src", "scheme.py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


@pytest.fixture(scope="module")
def tables():
    """The position tables of SchemeForm.qml as Python values."""
    with open(os.path.join(ROOT, "qml", "content", "scheme", "SchemeForm.qml"), encoding="utf-8") as f:
        text = f.read()

    def value(source):
        return ast.literal_eval(source.replace("null", "None"))

    valves_block = re.search(r"valvePositions: \(\{(.*?)\}\)", text, re.S).group(1)
    valves = {name: value(body) for name, body in re.findall(r"(\w+): (\[.*?\]\]?)(?:,\n|\n)", valves_block + "\n")}

    def table(name):
        start = text.index(name + ": [") + len(name) + 2
        depth = 0
        for end in range(start, len(text)):
            depth += {"[": 1, "]": -1}.get(text[end], 0)
            if depth == 0:
                return value(text[start:end + 1])
        raise AssertionError(name)

    return {"valves": valves, "heatA": table("heatZonesA"), "heatB": table("heatZonesB"), "pump1": table("pump1"),
            "pump2": table("pump2"), "checks": table("checkValves")}


def near(elements, x, y, tolerance):
    return any(abs(ex - x) <= tolerance and abs(ey - y) <= tolerance for ex, ey in elements)


@pytest.mark.parametrize("form", range(4))
def test_buttons_sit_on_their_elements(scheme, tables, form):
    drawing, left = scheme.forms()[FORMS[form]]
    assert len(tables["valves"]) == 18
    placed = 0
    for name, positions in tables["valves"].items():
        pos = positions[form]
        if pos is None:
            continue
        placed += 1
        assert near(drawing.elements["valve"], pos[0] + 28 + left, pos[1] + 28, 8), (FORMS[form], name, pos)
    assert placed == [14, 13, 18, 9][form]
    for key in ("heatA", "heatB"):
        zones = tables[key][form]
        if zones is None:
            continue
        for y in zones[1]:
            assert near(drawing.elements["heat"], zones[0] + 17 + left, y + 17, 4), (FORMS[form], key, y)
    for key in ("pump1", "pump2"):
        buttons = tables[key][form]
        if buttons is None:
            continue
        # Forward and backward sit on the pump's pipe beside it, stop on top.
        stop = buttons[1]
        assert near(drawing.elements["pump"], stop[0] + 28 + left, stop[1] + 28 + 39, 8), (FORMS[form], key)
        for button in (buttons[0], buttons[2]):
            assert near(drawing.elements["pump"], button[0] + 28 + left, button[1] + 28, 82), (FORMS[form], key)
    for pos in tables["checks"][form]:
        assert near(drawing.elements["check"], pos[0] + 25 + left, pos[1] + 25, 8), (FORMS[form], pos)


@pytest.fixture(scope="module")
def form_widths():
    """The picture widths the screens lay the scheme out with, before it is decoded."""
    with open(os.path.join(ROOT, "qml", "content", "scheme", "SchemeForms.js"), encoding="utf-8") as f:
        return ast.literal_eval(re.search(r"var widths = (\[[^\]]*\])", f.read()).group(1))


@pytest.mark.parametrize("form", range(4))
def test_pictures_are_rendered_from_the_drawing(scheme, form_widths, form):
    drawing, left = scheme.forms()[FORMS[form]]
    for theme in scheme.THEMES:
        with open(os.path.join(ROOT, "img", f"schema-{FORMS[form]}{theme}.png"), "rb") as f:
            header = f.read(24)
        width, height = struct.unpack(">II", header[16:24])
        assert (width, height) == (drawing.width - left, scheme.HEIGHT)
        assert width == form_widths[form]


def segments(drawing):
    """Every straight piece of every pipe and shaft, as ((x1, y1), (x2, y2))."""
    for points in re.findall(r'<polyline class="\w+" points="([^"]*)"', "\n".join(drawing.parts)):
        corners = [tuple(float(v) for v in p.split(",")) for p in points.split()]
        yield from zip(corners, corners[1:])


@pytest.mark.parametrize("form", range(4))
def test_pipes_pass_behind_the_kettle_temperatures(scheme, form):
    drawing, left = scheme.forms()[FORMS[form]]
    top, bottom = scheme.TEMPERATURE_BAND
    axes = [a for a in drawing.elements["kettle"] if a - scheme.TEMPERATURE_HALF_WIDTH >= left]
    assert axes
    for axis in axes:
        x1, x2 = axis - scheme.TEMPERATURE_HALF_WIDTH, axis + scheme.TEMPERATURE_HALF_WIDTH
        for (ax, ay), (bx, by) in segments(drawing):
            # Pipes run straight across or down, their stroke widening them
            # by half its width to either side, not at their ends.
            wide_x, wide_y = (4, 0) if ax == bx else (0, 4)
            crosses = (min(ax, bx) - wide_x < x2 and max(ax, bx) + wide_x > x1
                       and min(ay, by) - wide_y < bottom and max(ay, by) + wide_y > top)
            assert not crosses, (FORMS[form], axis, (ax, ay), (bx, by))


def labels(drawing):
    """Every text of the drawing, as (x, y, anchor, text)."""
    pattern = r'<text class="\w+" x="([\d.]+)" y="([\d.]+)" text-anchor="(\w+)">([^<]*)</text>'
    for x, y, anchor, text in re.findall(pattern, "\n".join(drawing.parts)):
        yield float(x), float(y), anchor, text


def test_line_b_labels_read_whole_in_the_right_part(scheme):
    # The right part shows line B: every text drawn for it lies inside that
    # part, none cut at its left edge. 11 pixels a letter is more than the
    # 17-pixel labels take.
    line = scheme.Drawing(1000)
    scheme.line_b(line)
    found = list(labels(line))
    assert len(found) >= 5
    for x, y, anchor, text in found:
        width = 11 * len(text)
        start = x if anchor == "start" else x - width
        assert scheme.RIGHT_CUT <= start and start + width <= line.width, (text, x, y)
