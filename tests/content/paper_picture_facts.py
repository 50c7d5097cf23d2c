# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the answers of a paper's picture back from the picture as drawn.

    fact(picture, "time 2")      what the picture says, e.g. "9时30分"
    makes(picture, "mirror C C′")  does the answer drawing do what was asked?

Where a picture has geometry (clock hands, grid shapes, bars, points, sectors,
rays) the reading works on the SVG itself: hand angles, polygon corners, bar
heights against the axis numbers. Pictures whose answer is a rule over the
data (views of stacked cubes, the volume of a drawn box) are worked out here
from that data with the formulas a teacher uses.
"""
import math
from fractions import Fraction

import paper_chart_facts as charts
from svg_reading import PI, classes, decimal, near, num, points_of, svg_root, text_of, whole, with_class


# ---------------------------------------------------------------- clock

def _hands(root):
    faces = []
    for face in with_class(root, "clock", "g"):
        def angle(cls):
            hand = with_class(face, cls, "line")[0]
            dx, dy = num(hand, "x2") - num(hand, "x1"), num(hand, "y2") - num(hand, "y1")
            return math.degrees(math.atan2(dx, -dy)) % 360
        hour_angle, minute_angle = angle("hour"), angle("minute")
        minute = whole(minute_angle / 6) % 60
        hour = whole((hour_angle - minute * 0.5) / 30) % 12
        faces.append((hour or 12, minute, hour_angle, minute_angle))
    return faces


def clock_time(hour, minute):
    return f"{hour}时" if minute == 0 else f"{hour}时{minute}分"


def duration(minutes):
    hours, rest = divmod(minutes, 60)
    if hours and rest:
        return f"{hours}小时{rest}分钟"
    return f"{hours}小时" if hours else f"{rest}分钟"


def _clock(picture, root, words):
    faces = _hands(root)
    if words[0] == "time":
        hour, minute, _, _ = faces[int(words[1]) - 1]
        return clock_time(hour, minute)
    if words[0] == "elapsed":
        (h1, m1, _, _), (h2, m2, _, _) = faces[int(words[1]) - 1], faces[int(words[2]) - 1]
        return duration(((h2 % 12) * 60 + m2 - (h1 % 12) * 60 - m1) % 720)
    if words[0] == "angle":
        _, _, hour_angle, minute_angle = faces[int(words[1]) - 1]
        between = abs(hour_angle - minute_angle) % 360
        return Fraction(whole(min(between, 360 - between)))
    raise KeyError(words[0])


# ---------------------------------------------------------------- squared paper

def grid_shapes(picture, answer=True):
    """The shapes of a grid picture in grid units, read from the drawing."""
    root = svg_root(picture, answer)
    verticals = sorted({num(l, "x1") for l in root.iter("line") if not classes(l) and l.get("x1") == l.get("x2")})
    horizontals = sorted({num(l, "y1") for l in root.iter("line") if not classes(l) and l.get("y1") == l.get("y2")})
    cell, left, top = verticals[1] - verticals[0], verticals[0], horizontals[0]

    def unit(x, y):
        return (decimal((x - left) / cell), decimal((y - top) / cell))
    shapes = {}
    for group in with_class(root, "shape", "g"):
        polygon = group.find("polygon")
        shapes[group.get("data-name")] = [unit(x, y) for x, y in points_of(polygon)]
    axes = [(unit(num(l, "x1"), num(l, "y1")), unit(num(l, "x2"), num(l, "y2"))) for l in with_class(root, "axis")]
    dots = {}
    for dot in with_class(root, "dot", "circle"):
        dots[len(dots)] = unit(num(dot, "cx"), num(dot, "cy"))
    names = [name for name, *_ in picture.get("dots", [])]
    return shapes, axes, dict(zip(names, dots.values()))


def area(points):
    twice = sum(x1 * y2 - x2 * y1 for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]))
    return abs(Fraction(twice)) / 2


def sides(points):
    return [(b[0] - a[0], b[1] - a[1]) for a, b in zip(points, points[1:] + points[:1])]


def perimeter(points):
    return sum(Fraction(whole(math.hypot(dx, dy))) for dx, dy in sides(points))


def right_corners(points):
    edges = sides(points)
    return sum(1 for a, b in zip(edges[-1:] + edges[:-1], edges) if a[0] * b[0] + a[1] * b[1] == 0)


def parallel(a, b):
    return a[0] * b[1] - a[1] * b[0] == 0


def shape_kind(points):
    """The name a grade-4 child gives a shape on squared paper."""
    if len(points) == 3:
        return "三角形"
    if len(points) != 4:
        return f"{len(points)}边形"
    a, b, c, d = sides(points)
    pairs = parallel(a, c) + parallel(b, d)
    if pairs == 2:
        if right_corners(points) == 4:
            return "正方形" if a[0] ** 2 + a[1] ** 2 == b[0] ** 2 + b[1] ** 2 else "长方形"
        return "平行四边形"
    return "梯形" if pairs == 1 else "四边形"


def translation(first, second):
    moves = {(b[0] - a[0], b[1] - a[1]) for a, b in zip(first, second)}
    assert len(moves) == 1 and len(first) == len(second), "not one shape moved"
    return moves.pop()


def _grid(picture, root, words):
    shapes, _, _ = grid_shapes(picture)
    kind = words[0]
    if kind == "area":
        return area(shapes[words[1]])
    if kind == "perimeter":
        return perimeter(shapes[words[1]])
    if kind == "corners":
        return Fraction(len(shapes[words[1]]))
    if kind == "right-corners":
        return Fraction(right_corners(shapes[words[1]]))
    if kind in ("move-dir", "move-cells"):
        dx, dy = translation(shapes[words[1]], shapes[words[2]])
        assert dx == 0 or dy == 0, "a move in one direction"
        if kind == "move-cells":
            return Fraction(abs(dx + dy))
        return "右" if dx > 0 else "左" if dx < 0 else "下" if dy > 0 else "上"
    if kind == "which":
        found = [name for name, points in shapes.items() if shape_kind(points) == words[1]]
        assert len(found) == 1, f"{words[1]}: {found}"
        return found[0]
    if kind == "base":
        points = shapes[words[1]]
        bottom = max(y for _, y in points)
        xs = [x for x, y in points if y == bottom]
        return max(xs) - min(xs)
    if kind == "height":
        ys = [y for _, y in shapes[words[1]]]
        return max(ys) - min(ys)
    raise KeyError(kind)


def _mirror(points, axis):
    (x1, y1), (x2, y2) = axis
    if x1 == x2:
        return {(2 * x1 - x, y) for x, y in points}
    assert y1 == y2, "axes run along the grid"
    return {(x, 2 * y1 - y) for x, y in points}


def makes(picture, claim):
    """Checks an answer drawing: "mirror C C′", "translate A 6 2 A′",
    "rotate A O 90 A′" (clockwise), "rectangle-of-area A D"."""
    shapes, axes, dots = grid_shapes(picture, answer=True)
    words = claim.split()
    if words[0] == "mirror":
        source, made = shapes[words[1]], shapes[words[2]]
        return _mirror(source, axes[0]) == set(made) and len(made) == len(source)
    if words[0] == "translate":
        dx, dy = Fraction(words[2]), Fraction(words[3])
        return {(x + dx, y + dy) for x, y in shapes[words[1]]} == set(shapes[words[4]])
    if words[0] == "rotate":
        ox, oy = dots[words[2]]
        turns = int(words[3]) // 90
        turned = set()
        for x, y in shapes[words[1]]:
            dx, dy = x - ox, y - oy
            for _ in range(turns):
                dx, dy = -dy, dx            # a quarter turn clockwise, y pointing down
            turned.add((ox + dx, oy + dy))
        return turned == set(shapes[words[4]])
    if words[0] == "rectangle-of-area":
        made = shapes[words[2]]
        return shape_kind(made) in ("长方形", "正方形") and area(made) == area(shapes[words[1]])
    raise KeyError(words[0])


# ---------------------------------------------------------------- positions

def _named_places(root, place_class, shape="rect"):
    places = []
    for mark in with_class(root, place_class):
        if shape == "rect":
            places.append((num(mark, "x") + num(mark, "width") / 2, num(mark, "y") + num(mark, "height") / 2))
        else:
            places.append((num(mark, "cx"), num(mark, "cy")))
    named = {}
    for text in with_class(root, "name", "text"):
        x, y = num(text, "x"), num(text, "y")
        named[text_of(text)] = min(places, key=lambda p: math.hypot(p[0] - x, p[1] - y))
    return named


DIRECTION_WORDS = {(1, 0): "东", (1, 1): "东北", (0, 1): "北", (-1, 1): "西北",
                   (-1, 0): "西", (-1, -1): "西南", (0, -1): "南", (1, -1): "东南"}


def _map(picture, root, words):
    places = _named_places(root, "place")
    (x1, y1), (x2, y2) = places[words[1]], places[words[2]]
    dx, dy = x2 - x1, y1 - y2                       # east and north
    assert near(dx, 0) or near(dy, 0) or near(abs(dx), abs(dy)), "one of the eight directions"
    sign = lambda v: 0 if near(v, 0) else (1 if v > 0 else -1)  # noqa: E731
    return DIRECTION_WORDS[(sign(dx), sign(dy))]


def _bearing(picture, root, words):
    centre = with_class(root, "centre", "circle")[0]
    cx, cy = num(centre, "cx"), num(centre, "cy")
    places = _named_places(root, "place", "circle")
    ticks = sorted(num(l, "x1") for l in with_class(root, "scale", "line"))
    metres_per_pixel = picture["scale"] / (ticks[1] - ticks[0])
    x, y = places[words[1]]
    heading = math.degrees(math.atan2(x - cx, cy - y)) % 360
    metres = Fraction(whole(math.hypot(x - cx, y - cy) * metres_per_pixel, 0.5))
    kind = words[0]
    if kind == "metres":
        return metres
    if kind == "due":
        return {0: "北", 90: "东", 180: "南", 270: "西"}[whole(heading, 0.01) % 360]
    if kind in ("from", "towards", "degrees"):
        if heading < 90:
            parts = ("北", "东", heading)
        elif heading < 180:
            parts = ("南", "东", 180 - heading)
        elif heading < 270:
            parts = ("南", "西", heading - 180)
        else:
            parts = ("北", "西", 360 - heading)
        if kind == "degrees":
            return Fraction(whole(parts[2], 0.01))
        return parts[0] if kind == "from" else parts[1]
    raise KeyError(kind)


def _pairs(picture, root, words):
    cols = {whole(float(text_of(t))): num(t, "x") for t in with_class(root, "col", "text")}
    rows = {whole(float(text_of(t))): num(t, "y") for t in with_class(root, "row", "text")}
    step = cols[1] - cols[0]
    bottom = rows[1] + step
    points = {}
    for name, (x, y) in _named_places(root, "point", "circle").items():
        points[name] = (whole((x - cols[0]) / step), whole((bottom - y) / step))
    kind = words[0]
    if kind == "pair":
        return "{}，{}".format(*points[words[1]])
    if kind == "col":
        return Fraction(points[words[1]][0])
    if kind == "row":
        return Fraction(points[words[1]][1])
    if kind == "at":
        wanted = (int(words[1]), int(words[2]))
        return next(name for name, at in points.items() if at == wanted)
    if kind == "moved":
        c, r = points[words[1]]
        return f"{c + int(words[2])}，{r + int(words[3])}"
    raise KeyError(kind)


# ---------------------------------------------------------------- solids and views

def views(heights):
    """Front, left and top views of stacked cubes, as rows of 0/1 from the top."""
    tallest = max(max(row) for row in heights)

    def stand(columns):
        return [[1 if h > level else 0 for h in columns] for level in reversed(range(tallest))]
    front = stand([max(row[c] for row in heights) for c in range(len(heights[0]))])
    left = stand([max(row) for row in heights])          # the back row on the viewer's left
    top = [[1 if h else 0 for h in row] for row in heights]

    def trim(rows):
        rows = [row for row in rows if any(row)]
        return rows
    return {"front": trim(front), "left": trim(left), "top": top}


def every_cube_shows(heights):
    """In the drawing nothing hides a cube wholly: its front face or its top
    shows past what stands in front of it."""
    for r, row in enumerate(heights):
        for c, height in enumerate(row):
            in_front = [heights[f][c] for f in range(r + 1, len(heights))]
            for level in range(height):
                face_clear = all(h <= level for h in in_front)
                top_clear = level == height - 1 and all(h <= level + 1 for h in in_front)
                if not (face_clear or top_clear):
                    return False
    return True


def _cubes(picture, root, words):
    heights = picture["heights"]
    if words[0] == "count":
        assert every_cube_shows(heights), "a hidden cube makes the count a guess"
        return Fraction(sum(map(sum, heights)))
    if words[0] == "choice":
        wanted = views(heights)[words[1]]
        found = [letter for letter, choice in zip("ABCD", picture["choices"]) if choice == wanted]
        assert len(found) == 1, f"{words[1]} view {wanted}: choices {found}"
        return found[0]
    raise KeyError(words[0])


def solid_kinds(root):
    kinds = []
    for group in with_class(root, "solid", "g"):
        if group.find("ellipse") is not None and group.find("path") is not None:
            kinds.append("圆柱")
        elif group.find("circle") is not None:
            kinds.append("球")
        else:
            front = group.find("rect")
            kinds.append("正方体" if near(num(front, "width"), num(front, "height")) else "长方体")
    return kinds


def _solids(picture, root, words):
    kinds = solid_kinds(root)
    if words[0] == "count":
        return Fraction(kinds.count(words[1]))
    assert kinds.count(words[1]) == 1, f"only one {words[1]}"
    at = kinds.index(words[1])
    if words[0] == "place":
        return Fraction(at + 1)
    if words[0] == "right-of":
        return kinds[at + 1]
    if words[0] == "left-of":
        return kinds[at - 1]
    raise KeyError(words[0])


def _plane(picture, root, words):
    kinds = []
    for shape in with_class(root, "flat"):
        if shape.tag == "circle":
            kinds.append("圆")
        elif shape.tag == "rect":
            kinds.append("正方形" if near(num(shape, "width"), num(shape, "height")) else "长方形")
        else:
            kinds.append(shape_kind([(Fraction(x), Fraction(y)) for x, y in points_of(shape)]))
    return Fraction(kinds.count(words[1]))


# ---------------------------------------------------------------- angles and figures

def angle_kind(degrees):
    if degrees < 90:
        return "锐"
    if degrees == 90:
        return "直"
    return "钝" if degrees < 180 else "平"


def _rays(picture, root, words):
    vertex = root.find("circle")
    cx, cy = num(vertex, "cx"), num(vertex, "cy")
    directions = sorted(math.degrees(math.atan2(cy - num(l, "y2"), num(l, "x2") - cx)) % 360
                        for l in with_class(root, "ray", "line"))
    sizes = {}
    for mark in with_class(root, "mark", "text"):
        at = math.degrees(math.atan2(cy - num(mark, "y") + 5, num(mark, "x") - cx)) % 360
        low = max(d for d in directions if d <= at)
        high = min(d for d in directions if d > at)
        label, size = text_of(mark), whole(high - low, 0.01)
        if label.endswith("°"):
            assert label == f"{size}°", f"an angle drawn {size}° is labelled {label}"
        else:
            sizes[label] = size
    size = sizes[words[1]]
    return Fraction(size) if words[0] == "angle" else angle_kind(size)


def triangle_angles(picture, root):
    corners = points_of(with_class(root, "triangle", "polygon")[0])
    angles = {}
    for i, name in enumerate(picture["names"]):
        (ax, ay), (bx, by), (cx, cy) = corners[i], corners[i - 1], corners[(i + 1) % 3]
        u, v = (bx - ax, by - ay), (cx - ax, cy - ay)
        cos = (u[0] * v[0] + u[1] * v[1]) / (math.hypot(*u) * math.hypot(*v))
        angles[name] = whole(math.degrees(math.acos(cos)), 0.01)
    for mark in with_class(root, "mark", "text"):
        x, y = num(mark, "x"), num(mark, "y")
        nearest = min(range(3), key=lambda k: math.hypot(corners[k][0] - x, corners[k][1] - y))
        assert text_of(mark) == f"{angles[picture['names'][nearest]]}°", "a labelled angle is drawn at its size"
    return angles


def _triangle(picture, root, words):
    angles = triangle_angles(picture, root)
    if words[0] == "angle":
        return Fraction(angles[words[1]])
    if words[0] == "kind":
        return angle_kind(max(angles.values())) + "角"
    raise KeyError(words[0])


def _dims(root):
    return [text_of(t) for t in with_class(root, "dim", "text")]


def _box(picture, root, words):
    l, w, h = (Fraction(str(picture[k])) for k in "lwh")
    assert _dims(root) == [f"{picture[k]}{picture['unit']}" for k in "lwh"], "the sizes are written on the box"
    answers = {"volume": l * w * h, "surface": 2 * (l * w + l * h + w * h), "surface-open": l * w + 2 * (l * h + w * h),
               "edges": 4 * (l + w + h)}
    return answers[words[0]]


def _round(picture, root, words):
    r = Fraction(str(picture["r"])) if "r" in picture else Fraction(str(picture["d"])) / 2
    h = Fraction(str(picture["h"]))
    base = PI * r * r
    if picture["shape"] == "圆锥":
        return {"volume": base * h / 3}[words[0]]
    side = 2 * PI * r * h
    return {"volume": base * h, "side": side, "surface": side + 2 * base}[words[0]]


def _circles(picture, root, words):
    figure = picture["figure"]
    if figure == "square-circle":
        s = Fraction(str(picture["side"]))
        return {"area": s * s - PI * (s / 2) ** 2}[words[0]]
    if figure == "ring":
        big, small = Fraction(str(picture["outer"])), Fraction(str(picture["inner"]))
        return {"area": PI * (big * big - small * small)}[words[0]]
    if figure == "semicircle":
        d = Fraction(str(picture["diameter"]))
        return {"perimeter": PI * d / 2 + d, "area": PI * (d / 2) ** 2 / 2}[words[0]]
    raise KeyError(figure)


def _ruler(picture, root, words):
    marks = sorted((float(text_of(t)), num(t, "x")) for t in with_class(root, "num", "text"))
    per_cm = marks[1][1] - marks[0][1]
    lengths = {}
    labels = [t for t in root.iter("text") if t.get("font-weight") == "bold"]
    for segment in with_class(root, "segment", "line"):
        x1, x2, y = num(segment, "x1"), num(segment, "x2"), num(segment, "y1")
        label = min(labels, key=lambda t: abs(num(t, "x") - (x1 + x2) / 2) + abs(num(t, "y") - y))
        lengths[text_of(label)] = decimal((x2 - x1) / per_cm, 1)
    cm = lengths[words[1]]
    if words[0] == "cm":
        return cm
    if words[0] == "mm":
        return cm * 10
    if words[0] == "longer-mm":
        return (cm - lengths[words[2]]) * 10
    raise KeyError(words[0])


def _numberline(picture, root, words):
    marks = sorted((num(t, "x"), float(text_of(t).replace("－", "-"))) for t in with_class(root, "num", "text"))
    (x0, v0), (x1, v1) = marks[0], marks[1]
    per_unit = x1 - x0
    points = {name: decimal(v0 + (x - x0) / per_unit, 2)
              for name, (x, _) in _named_places(root, "point", "circle").items()}
    if words[0] == "value":
        return points[words[1]]
    if words[0] == "distance":
        return abs(points[words[1]] - points[words[2]])
    raise KeyError(words[0])


READERS = {
    "clock": _clock, "grid": _grid, "map": _map, "bearing": _bearing, "pairs": _pairs, "cubes": _cubes,
    "solids": _solids, "plane": _plane, "rays": _rays, "triangle": _triangle, "box": _box, "round": _round,
    "circles": _circles, "ruler": _ruler, "numberline": _numberline,
    "bars": charts.chart, "line": charts.chart, "pie": charts.pie, "pictograph": charts.pictograph,
    "pattern": charts.pattern, "tally": charts.tally, "balls": charts.balls, "fraction": charts.fraction,
    "venn": charts.venn, "money": charts.money, "calendar": charts.calendar, "table": charts.table,
}


def fact(picture, name):
    """What the picture says for `name`: a number (Fraction) or words."""
    root = None if picture["kind"] == "table" else svg_root(picture)
    return READERS[picture["kind"]](picture, root, name.split())
