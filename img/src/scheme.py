"""Drawing of the plant scheme: kettles, pipes, pumps, condenser and valves.

Every position below is the centre of the screen button that operates the
element (the scheme forms place their buttons by their top-left corner; a
valve button is 56 wide, a heat-zone button 34). The one-kettle form and the
left part of the two-kettle forms share line A; the right part is the
two-kettle drawing cut at RIGHT_CUT. scripts/render-pictures writes one SVG
per form and theme from here and renders it.
"""

HEIGHT = 1000
RIGHT_CUT = 451
# The kettle temperature shows in this band (top and bottom edge) across the
# kettle's axis, TEMPERATURE_HALF_WIDTH to either side: shaft and pipes pass
# behind it, so the text stays clear.
TEMPERATURE_BAND = (172, 232)
TEMPERATURE_HALF_WIDTH = 95
# Pipes into the lid (CIP on the left, the condenser's vapour pipe on the
# right) meet it this far from the axis, beside the temperature.
LID_FEED = 104

THEMES = {
    "light": {"pipe": "#37474f", "wall": "#263238", "kettle": "#cfd8dc", "liquid": "#b3d4ee",
              "heat": "#e65100", "seat": "#eceff1", "text": "#263238", "hot": "#c62828", "cold": "#1565c0"},
    "dark": {"pipe": "#b0bec5", "wall": "#eceff1", "kettle": "#37474f", "liquid": "#2c4f6b",
             "heat": "#ff8a50", "seat": "#263238", "text": "#eceff1", "hot": "#ef9a9a", "cold": "#90caf9"},
}


class Drawing:
    def __init__(self, width):
        self.width = width
        self.parts = []
        # Centres of the elements that screen buttons or help areas sit on,
        # by kind: "valve", "check", "heat", "pump"; "kettle" holds the axes.
        self.elements = {"valve": [], "check": [], "heat": [], "pump": [], "kettle": []}

    def add(self, text):
        self.parts.append(text)

    def pipe(self, *points, cls="pipe"):
        coords = " ".join(f"{x},{y}" for x, y in points)
        self.add(f'<polyline class="{cls}" points="{coords}"/>')

    def joint(self, x, y):
        self.add(f'<circle class="joint" cx="{x}" cy="{y}" r="5"/>')

    def label(self, x, y, text, anchor="start", cls="label"):
        self.add(f'<text class="{cls}" x="{x}" y="{y}" text-anchor="{anchor}">{text}</text>')

    def arrow(self, x, y, direction):
        # A filled head at the open end of a pipe.
        dx, dy = {"left": (-1, 0), "right": (1, 0), "down": (0, 1), "up": (0, -1)}[direction]
        px, py = -dy, dx
        tip = (x + 12 * dx, y + 12 * dy)
        a = (x + 8 * px, y + 8 * py)
        b = (x - 8 * px, y - 8 * py)
        self.add(f'<polygon class="head" points="{tip[0]},{tip[1]} {a[0]},{a[1]} {b[0]},{b[1]}"/>')

    def valve(self, x, y, turned=False):
        # Two triangles tip to tip on a seat; the pipe runs through the tips.
        s = 17
        pts = f"{x - s},{y - s} {x + s},{y + s} {x + s},{y - s} {x - s},{y + s}"
        rot = f' transform="rotate(90 {x} {y})"' if turned else ""
        self.elements["valve"].append((x, y))
        self.add(f'<circle class="seat" cx="{x}" cy="{y}" r="27"/>')
        self.add(f'<polygon class="valve" points="{pts}"{rot}/>')

    def check_valve(self, x, y, direction):
        # Pointed side upstream, ball downstream.
        dx, dy = {"left": (-1, 0), "right": (1, 0), "down": (0, 1), "up": (0, -1)}[direction]
        px, py = -dy, dx
        self.elements["check"].append((x, y))
        tip = (x - 12 * dx, y - 12 * dy)
        base = (x + 4 * dx, y + 4 * dy)
        a = (base[0] + 10 * px, base[1] + 10 * py)
        b = (base[0] - 10 * px, base[1] - 10 * py)
        self.add(f'<polygon class="check" points="{tip[0]},{tip[1]} {a[0]},{a[1]} {b[0]},{b[1]}"/>')
        self.add(f'<circle class="ball" cx="{x + 12 * dx}" cy="{y + 12 * dy}" r="7"/>')

    def pump(self, x, y):
        self.elements["pump"].append((x, y))
        self.add(f'<circle class="pump" cx="{x}" cy="{y}" r="30"/>')
        self.add(f'<polygon class="pumphead" points="{x - 22},{y} {x + 12},{y - 19} {x + 12},{y + 19}"/>')

    def kettle(self, axis, left, top, bottom):
        right = 2 * axis - left
        w = right - left
        self.elements["kettle"].append(axis)
        self.add(f'<path class="kettle" d="M{left},{top} L{left},{bottom} Q{left},{bottom + 30} {axis},{bottom + 30} '
                 f'Q{right},{bottom + 30} {right},{bottom} L{right},{top} Z"/>')
        self.add(f'<path class="liquid" d="M{left + 6},{top + 90} L{left + 6},{bottom} '
                 f'Q{left + 6},{bottom + 24} {axis},{bottom + 24} Q{right - 6},{bottom + 24} {right - 6},{bottom} '
                 f'L{right - 6},{top + 90} Z"/>')
        self.add(f'<ellipse class="kettle" cx="{axis}" cy="{top}" rx="{w / 2}" ry="14"/>')

    def heat_band(self, x, y):
        self.elements["heat"].append((x, y))
        self.add(f'<rect class="heat" x="{x - 8}" y="{y - 24}" width="16" height="48" rx="4"/>')

    def stirrer(self, axis, motor_right, bottom):
        # Motor housing under the frequency box and the stirrer button, shaft
        # down into the kettle with its paddles.
        self.add(f'<rect class="motor" x="{axis - 95}" y="8" width="{motor_right - axis + 95}" height="54" rx="10"/>')
        top, below = TEMPERATURE_BAND
        self.pipe((axis, 62), (axis, top), cls="shaft")
        self.pipe((axis, below), (axis, bottom), cls="shaft")
        self.add(f'<path class="paddle" d="M{axis - 55},{bottom} L{axis + 55},{bottom} '
                 f'M{axis - 40},{bottom - 70} L{axis + 40},{bottom - 70}"/>')

    def condenser(self, x, y, w, h):
        self.add(f'<rect class="condenser" x="{x}" y="{y}" width="{w}" height="{h}" rx="8"/>')
        for i in range(1, 6):
            cx = x + i * w / 6
            self.add(f'<path class="coil" d="M{cx},{y + 8} L{cx},{y + h - 8}"/>')

    def svg(self, theme, left=0):
        """The drawing in `theme`, from x = `left` to its right edge."""
        c = THEMES[theme]
        style = f"""
        .pipe, .shaft {{ fill: none; stroke: {c['pipe']}; stroke-width: 8; stroke-linejoin: round; }}
        .shaft {{ stroke-width: 6; }}
        .joint, .head {{ fill: {c['pipe']}; }}
        .seat {{ fill: {c['seat']}; stroke: {c['pipe']}; stroke-width: 3; }}
        .valve {{ fill: {c['pipe']}; }}
        .check {{ fill: {c['seat']}; stroke: {c['pipe']}; stroke-width: 3; }}
        .ball {{ fill: {c['pipe']}; }}
        .pump {{ fill: {c['seat']}; stroke: {c['wall']}; stroke-width: 5; }}
        .pumphead {{ fill: {c['pipe']}; }}
        .kettle {{ fill: {c['kettle']}; stroke: {c['wall']}; stroke-width: 6; }}
        .liquid {{ fill: {c['liquid']}; }}
        .heat {{ fill: {c['heat']}; }}
        .motor {{ fill: {c['kettle']}; stroke: {c['wall']}; stroke-width: 4; }}
        .paddle {{ fill: none; stroke: {c['pipe']}; stroke-width: 10; stroke-linecap: round; }}
        .condenser {{ fill: {c['kettle']}; stroke: {c['wall']}; stroke-width: 5; }}
        .coil {{ stroke: {c['cold']}; stroke-width: 5; }}
        .label {{ fill: {c['text']}; font-family: 'DejaVu Sans', sans-serif; font-size: 17px; }}
        .hot {{ fill: {c['hot']}; font-family: 'DejaVu Sans', sans-serif; font-size: 17px; font-weight: bold; }}
        .cold {{ fill: {c['cold']}; font-family: 'DejaVu Sans', sans-serif; font-size: 17px; font-weight: bold; }}
        """
        body = "\n".join(self.parts)
        width = self.width - left
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{HEIGHT}" '
                f'viewBox="{left} 0 {width} {HEIGHT}">\n<style>{style}</style>\n{body}\n</svg>\n')


def water_inlets(d, coll, rows, valve_x):
    """Hot, cold and recycled water from the right edge into the collector at
    x `coll`, at the heights `rows`, each with its valve and check valve."""
    for y, (text, cls) in zip(rows, (("heiß", "hot"), ("kalt", "cold"), ("Recycle", "label"))):
        d.pipe((coll, y), (d.width, y))
        d.joint(coll, y)
        d.label(d.width - 4, y - 32, text, anchor="end", cls=cls)
        d.valve(valve_x, y)
        d.check_valve(valve_x + 82, y, "left")


def line_a(d, dx, dy_heat, water_here, condenser):
    """Mash kettle with its valve column, pump 1 and, when `water_here`, the
    water inlets beside it. dx shifts the line to the form's position."""
    axis = 305 + dx
    col = 83 + dx            # valve column
    man = 25 + dx            # manifold left of the column
    rows = {"svSkCip": 461, "svSkIn": 530, "svFkCip": 600, "svWuerze": 669, "svKanal": 739}
    pump_y = 964
    pump_x = 173 + dx

    # CIP from the top: fresh water up through mvSkCip, over the check valve
    # into the lid; the pump's CIP branch joins it.
    d.pipe((0, 300), (col, 300), (col, 116), (axis - LID_FEED, 116), (axis - LID_FEED, 232))
    d.pipe((col, rows["svSkCip"]), (col + 57, rows["svSkCip"]), (col + 57, 116))
    d.joint(col + 57, 116)
    d.label(4, 290, "CIP")

    # Pump 1 between the manifold and the kettle outlet.
    d.pipe((man, rows["svSkCip"]), (man, pump_y), (axis, pump_y), (axis, 520))
    for name, y in rows.items():
        d.pipe((man, y), (col + 40, y))
        d.joint(man, y)
    d.pipe((col, rows["svSkIn"]), (axis, rows["svSkIn"]))
    d.pipe((col, rows["svFkCip"]), (axis, rows["svFkCip"]))
    d.joint(axis, rows["svSkIn"])
    d.joint(axis, rows["svFkCip"])
    d.pipe((col, rows["svWuerze"]), (col + 105, rows["svWuerze"]))
    d.arrow(col + 105, rows["svWuerze"], "right")
    d.label(col + 40, rows["svWuerze"] - 12, "Würze")
    d.pipe((col, rows["svKanal"]), (col + 105, rows["svKanal"]))
    d.arrow(col + 105, rows["svKanal"], "right")
    d.label(col + 40, rows["svKanal"] - 12, "Kanal")

    d.kettle(axis, axis - 111, 236, 492)
    d.stirrer(axis, axis + 156, 470)
    for y in (448, 389, 330, 270):
        d.heat_band(194 + dx, y + dy_heat)
    d.pump(pump_x, pump_y)

    d.valve(col, 190 - 0, turned=True)       # mvSkCip
    for y in rows.values():
        d.valve(col, y)
    d.valve(axis, 653, turned=True)          # svSkOut
    d.check_valve(109 + dx, 116, "right")
    d.check_valve(241 + dx, 600, "right")

    # Main and sparge water come in from the right through mvHauptguss and
    # mvNachguss.
    hg, ng = 385 + dx, 385 + dx
    if water_here:
        coll = 450 + dx       # water collector, up to the condenser's feed
        d.pipe((coll, 470 if condenser else 530), (coll, 780), (550 + dx, 780), (550 + dx, 1000))
        d.arrow(550 + dx, 988, "down")
        d.label(560 + dx, 990, "Kanal")
        d.pipe((axis, 530), (coll, 530))
        d.pipe((axis, 600), (coll + 100, 600))
        d.joint(coll, 530)
        d.joint(coll, 600)
        water_inlets(d, coll, (600, 669, 738), 506 + dx)
        d.valve(550 + dx, 822, turned=True)   # mvKanal
        d.check_valve(550 + dx, 885, "down")
        if condenser:
            cx = 549 + dx
            d.pipe((coll, 470), (cx, 470), (cx, 110))
            d.pipe((axis + LID_FEED, 232), (axis + LID_FEED, 150), (cx - 40, 150), (cx - 40, 110))
            d.condenser(cx - 70, 70, 110, 50)
            d.valve(cx, 190, turned=True)      # mvKondensator
    else:
        # Through the bus to the water block on the right of line B.
        bus = 430 + dx
        d.pipe((axis, 530), (bus, 530), (bus, 600), (axis, 600))
        d.pipe((bus, 580), (770, 580))
        d.joint(bus, 580)
    d.valve(hg, 530)                          # mvHauptguss
    d.valve(ng, 600)                          # mvNachguss
    d.check_valve(331 + dx, 530, "left")


def line_b(d):
    """Wort kettle of the two-kettle plant with pump 2, its valves, the water
    block and the condenser."""
    axis = 703
    vert = 528               # pump 2 riser with svKkCip
    pump_y = 964
    d.pipe((482, 330), (482, 116), (axis - LID_FEED, 116), (axis - LID_FEED, 232))
    d.pipe((vert, pump_y), (vert, 116))
    d.joint(vert, 116)
    d.label(456, 354, "CIP")
    d.pipe((440, 330), (482, 330))
    d.pipe((vert, pump_y), (axis, pump_y), (axis, 520))
    for y, text in ((669, "Kühler"), (739, "Kanal")):
        d.pipe((vert, y), (640, y))
        d.joint(vert, y)
        d.arrow(640, y, "right")
        d.label(600, y - 32, text)

    d.kettle(axis, axis - 111, 236, 492)
    d.stirrer(axis, axis + 156, 470)
    for y in (445, 386, 327, 267):
        d.heat_band(592, y)
    d.pump(616, pump_y)
    d.valve(482, 190, turned=True)            # mvKkCip
    d.valve(vert, 530, turned=True)           # svKkCip
    d.valve(587, 669)                         # svKkCooler
    d.valve(587, 739)                         # svKkKanal
    d.check_valve(507, 116, "right")

    # Water block: inlets from the right edge into the collector, which feeds
    # the bus to line A, the condenser and the drain.
    coll = 770
    d.pipe((coll, 540), (coll, 1000))
    d.arrow(coll, 988, "down")
    d.label(coll + 10, 990, "Rücklauf")
    d.joint(coll, 580)
    water_inlets(d, coll, (669, 738, 808), 837)
    d.pipe((coll, 877), (965, 877), (965, 1000))
    d.joint(coll, 877)
    d.arrow(965, 988, "down")
    d.label(955, 990, "Kanal", anchor="end")
    d.valve(837, 877)                         # mvKanal
    d.check_valve(coll, 922, "up")

    cx = 947
    d.pipe((coll, 540), (cx, 540), (cx, 110))
    d.pipe((axis + LID_FEED, 232), (axis + LID_FEED, 150), (cx - 40, 150), (cx - 40, 110))
    d.condenser(cx - 70, 70, 110, 50)
    d.valve(cx, 190, turned=True)             # mvKondensator


def forms():
    """Name suffix of the picture, its drawing and where it starts, per form."""
    one = Drawing(620)
    line_a(one, 0, 0, water_here=True, condenser=True)
    left = Drawing(600)
    line_a(left, -10, -3, water_here=True, condenser=False)
    both = Drawing(1000)
    line_a(both, -12, -3, water_here=False, condenser=False)
    line_b(both)
    return {"": (one, 0), "2x-left-": (left, 0), "2x-": (both, 0), "2x-right-": (both, RIGHT_CUT)}


def valve_icon():
    """The valve picture of the scheme buttons: black on transparent, tinted
    by the button."""
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="112" height="112" viewBox="0 0 112 112">'
            '<polygon points="20,28 56,56 20,84" fill="black"/>'
            '<polygon points="92,28 56,56 92,84" fill="black"/>'
            '<rect x="52" y="22" width="8" height="34" fill="black"/>'
            '<rect x="38" y="16" width="36" height="10" rx="3" fill="black"/>'
            '</svg>\n')
