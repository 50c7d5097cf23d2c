# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures of the grade papers, drawn as inline SVG from the data a question
keeps in its `picture` table. The same data is what the tests read the answers
back from, so a picture and its answer cannot drift apart.

    draw(picture)               the picture as the paper shows it
    draw(picture, answer=True)  with the shapes a child was asked to draw

Every kind is one function, keyed by `picture["kind"]`: figures and positions
here, statistics and counting pictures in paper_charts. Elements a
reader needs carry a class: clock hands "hour"/"minute", grid shapes "shape",
chart bars "bar", chart points "point", axis numbers "tick", and so on.
"""
import html
import math

from content import paper_charts as charts
from content.svg_drawing import (ANSWER, CIRCLED, FILLS, INK, LIGHT, LINE, arrow_north, circle, fmt, line, polygon,
                                  rect, svg, text)


# ---------------------------------------------------------------- clock faces

def clock_hands(hour, minute):
    """Directions of the hands in degrees, clockwise from 12."""
    return (hour % 12) * 30 + minute * 0.5, minute * 6


def _clock(p, answer):
    r, gap = 52, 140
    body = []
    for i, time in enumerate(p["times"]):
        hour, minute = (int(part) for part in time.split(":"))
        cx, cy = 70 + gap * i, 66
        face = [circle(cx, cy, r, "#ffffff", width=2.5)]
        for tick in range(60):
            a = math.radians(tick * 6)
            inner = r - (8 if tick % 5 == 0 else 4)
            face.append(line(cx + inner * math.sin(a), cy - inner * math.cos(a), cx + r * math.sin(a),
                              cy - r * math.cos(a), width=2 if tick % 5 == 0 else 1))
        for number in range(1, 13):
            a = math.radians(number * 30)
            face.append(text(cx + (r - 17) * math.sin(a), cy - (r - 17) * math.cos(a) + 5, number, 13))
        hour_angle, minute_angle = (math.radians(a) for a in clock_hands(hour, minute))
        face.append(line(cx, cy, cx + 26 * math.sin(hour_angle), cy - 26 * math.cos(hour_angle), "hour", width=4.5))
        face.append(line(cx, cy, cx + 40 * math.sin(minute_angle), cy - 40 * math.cos(minute_angle), "minute",
                          width=2.5))
        face.append(circle(cx, cy, 3, INK))
        if len(p["times"]) > 1:
            face.append(text(cx, cy + r + 22, CIRCLED[i], 16))
        body.append('<g class="clock">' + "".join(face) + "</g>")
    height = 66 + r + (30 if len(p["times"]) > 1 else 8)
    return svg(gap * len(p["times"]), height, body, "钟面")


# ---------------------------------------------------------------- squared paper

def _grid(p, answer):
    cell = p.get("cell", 24)
    cols, rows, m = p["cols"], p["rows"], 8
    at = lambda x, y: (m + x * cell, m + y * cell)  # noqa: E731
    body = [line(*at(x, 0), *at(x, rows), colour=LIGHT, width=1) for x in range(cols + 1)]
    body += [line(*at(0, y), *at(cols, y), colour=LIGHT, width=1) for y in range(rows + 1)]
    for i, shape in enumerate(p.get("shapes", [])):
        if shape.get("answer") and not answer:
            continue
        points = [at(x, y) for x, y in shape["points"]]
        drawn = shape.get("answer", False)
        fill = "none" if drawn else shape.get("fill", FILLS[i % len(FILLS)])
        body.append(f'<g class="shape" data-name="{html.escape(shape["name"])}">'
                    + polygon(points, fill, colour=ANSWER if drawn else INK, width=2.5 if drawn else 1.5,
                               dash="6 3" if drawn else "") + "</g>")
        if shape.get("label", True):
            x, y = shape.get("label_at", [sum(q[0] for q in shape["points"]) / len(shape["points"]),
                                          sum(q[1] for q in shape["points"]) / len(shape["points"])])
            body.append(text(*at(x, y + 0.2), shape["name"], 15, colour=ANSWER if drawn else INK, weight="bold"))
    for axis in p.get("axes", []):
        (x1, y1), (x2, y2) = axis
        body.append(line(*at(x1, y1), *at(x2, y2), "axis", width=2, dash="8 4"))
    for name, x, y in p.get("dots", []):
        body.append(circle(*at(x, y), 3.5, INK, "dot"))
        body.append(text(at(x, y)[0] - 10, at(x, y)[1] + 16, name, 14, weight="bold"))
    return svg(2 * m + cols * cell, 2 * m + rows * cell, body, "方格图")


# ---------------------------------------------------------------- positions

DIRECTIONS = {(1, 0): "东", (1, 1): "东北", (0, 1): "北", (-1, 1): "西北",
              (-1, 0): "西", (-1, -1): "西南", (0, -1): "南", (1, -1): "东南"}


def _map(p, answer):
    """Places on a plan, north up; (x, y) in steps of `step` pixels, y to the north."""
    step = p.get("step", 56)
    xs = [x for _, x, _ in p["places"]]
    ys = [y for _, _, y in p["places"]]
    left, right, low, high = min(xs), max(xs), min(ys), max(ys)
    width = (right - left) * step + 140
    height = (high - low) * step + 80
    at = lambda x, y: (70 + (x - left) * step, 36 + (high - y) * step)  # noqa: E731
    # faint guide lines through the places help to see the eight directions
    body = [line(*at(x, low), *at(x, high), colour=LIGHT, width=1, dash="2 4") for x in range(left, right + 1)]
    body += [line(*at(left, y), *at(right, y), colour=LIGHT, width=1, dash="2 4") for y in range(low, high + 1)]
    for road in p.get("roads", []):
        (a, b) = road
        body.append(line(*at(*a), *at(*b), colour=LINE, width=6))
    for name, x, y in p["places"]:
        px, py = at(x, y)
        body.append(rect(px - 7, py - 7, 14, 14, FILLS[1], "place"))
        body.append(text(px, py + 25, name, 14, cls="name"))
    body.append(arrow_north(width - 24, 18))
    return svg(width, height + 10, body, "平面图")


def _bearing(p, answer):
    """Places around a centre by bearing ("北偏东30°") and distance, with a bar scale."""
    cx, cy = p.get("centre_at", [200, 190])
    per_metre = p["pixels"] / p["scale"]
    body = [line(cx, cy - 150, cx, cy + 150, colour=LINE, width=1, dash="4 4"),
            line(cx - 180, cy, cx + 180, cy, colour=LINE, width=1, dash="4 4")]
    body.append(circle(cx, cy, 5, INK, "centre"))
    body.append(text(cx - 8, cy - 10, p["centre"], 14, "end", "name"))
    for name, from_, degrees, towards, metres in p["places"]:
        base = {"北": 0, "东": 90, "南": 180, "西": 270}[from_]
        turn = 1 if (from_, towards) in {("北", "东"), ("东", "南"), ("南", "西"), ("西", "北")} else -1
        heading = math.radians(base + turn * degrees)
        distance = metres * per_metre
        x, y = cx + distance * math.sin(heading), cy - distance * math.cos(heading)
        body.append(line(cx, cy, x, y, "leg", width=1.5))
        if p.get("show_distance", True) and metres:
            # beside the middle of the leg, on its clockwise side
            nx, ny = -(y - cy) / distance, (x - cx) / distance
            body.append(text((cx + x) / 2 + 16 * nx, (cy + y) / 2 + 16 * ny, f"{metres}米", 12,
                              cls="distance", middle=True))
        body.append(circle(x, y, 4.5, INK, "place"))
        body.append(text(x + (10 if x >= cx else -10), y + (-8 if y < cy else 18), name, 14,
                          "start" if x >= cx else "end", "name"))
        if p.get("mark_angles", True) and degrees:
            a0, a1 = math.radians(base), heading
            arc = 34
            large = 0
            sweep = 1 if turn > 0 else 0
            body.append(f'<path d="M {fmt(cx + arc * math.sin(a0))} {fmt(cy - arc * math.cos(a0))} A {arc} {arc} 0 '
                        f'{large} {sweep} {fmt(cx + arc * math.sin(a1))} {fmt(cy - arc * math.cos(a1))}" '
                        f'stroke="{INK}" stroke-width="1"/>')
            mid = (a0 + a1) / 2
            body.append(text(cx + 50 * math.sin(mid), cy - 50 * math.cos(mid) + 5, f"{degrees}°", 12))
    # bar scale: three segments of `scale` metres
    sx, sy = 24, 2 * cy - 12
    seg = p["pixels"]
    for k in range(4):
        body.append(line(sx + k * seg, sy - 5, sx + k * seg, sy, "scale", width=1.5))
        body.append(text(sx + k * seg, sy - 9, k * p["scale"], 11))
    body.append(line(sx, sy, sx + 3 * seg, sy, width=1.5))
    body.append(text(sx + 3 * seg + 16, sy - 1, "米", 12, "start"))
    body.append(arrow_north(2 * cx - 24, 18))
    return svg(2 * cx, 2 * cy, body, "位置图")


def _pairs(p, answer):
    """Points on squared paper named by 数对 (column, row), columns from the left, rows from the bottom."""
    step, cols, rows = 40, p["cols"], p["rows"]
    at = lambda c, r: (40 + c * step, 20 + (rows - r) * step)  # noqa: E731
    body = []
    for c in range(cols + 1):
        body.append(line(*at(c, 0), *at(c, rows), colour=LIGHT, width=1))
        body.append(text(at(c, 0)[0], at(c, 0)[1] + 20, c, 12, cls="col"))
    for r in range(rows + 1):
        body.append(line(*at(0, r), *at(cols, r), colour=LIGHT, width=1))
        if r:
            body.append(text(at(0, r)[0] - 12, at(0, r)[1], r, 12, cls="row", middle=True))
    body.append(text(at(cols, 0)[0] + 18, at(cols, 0)[1] + 20, "列", 12))
    body.append(text(at(0, rows)[0] - 12, at(0, rows)[1] - 6, "行", 12))
    for name, c, r in p["points"]:
        x, y = at(c, r)
        body.append(circle(x, y, 4.5, INK, "point"))
        body.append(text(x + 8, y - 7, name, 14, "start", "name"))
    return svg(80 + cols * step, 50 + rows * step, body, "数对")


# ---------------------------------------------------------------- solids and views

def _cube_at(x, y, s, fill):
    """One cube in the oblique view, its front face's top left corner at (x, y)."""
    d = s * 0.45
    top = [(x, y), (x + d, y - d), (x + s + d, y - d), (x + s, y)]
    side = [(x + s, y), (x + s + d, y - d), (x + s + d, y + s - d), (x + s, y + s)]
    return rect(x, y, s, s, fill) + polygon(top, "#fff4d6") + polygon(side, "#e9d6a8")


def _cubes(p, answer):
    """Stacks of cubes: heights[row][col], row 0 at the back; and the views a
    question offers as choices (rows of 0/1 from the top)."""
    heights = p["heights"]
    s = 30
    d = s * 0.45
    depth, cols = len(heights), len(heights[0])
    tallest = max(max(row) for row in heights)
    base_y = 10 + d * depth + tallest * s
    body = []
    for r in range(depth):                         # the back row first
        back = depth - 1 - r
        for level in range(tallest):               # then bottom up, left to right
            for c in range(cols):
                if heights[r][c] > level:
                    body.append(_cube_at(20 + c * s + back * d, base_y - (level + 1) * s - back * d, s, "#f3d9a4"))
    front_x = 20 + cols * s / 2
    body.append(line(front_x, base_y + 24, front_x, base_y + 8, width=1.5))
    body.append(polygon([(front_x, base_y + 5), (front_x - 4, base_y + 12), (front_x + 4, base_y + 12)], INK))
    body.append(text(front_x, base_y + 40, "正面", 12))
    width = 40 + cols * s + depth * d
    views = []
    x0 = width + 20
    for i, choice in enumerate(p.get("choices", [])):
        unit = 18
        h = len(choice)
        cells = []
        for rr, row in enumerate(choice):
            for cc, on in enumerate(row):
                if on:
                    cells.append(rect(x0 + cc * unit, base_y - (h - rr) * unit, unit, unit, "#ffffff", "cell"))
        views.append('<g class="view">' + "".join(cells) + "</g>")
        views.append(text(x0 + len(choice[0]) * unit / 2, base_y + 26, "ABCD"[i], 14, weight="bold"))
        x0 += max(len(choice[0]) * unit, 20) + 34
    return svg(x0 + 10, base_y + 48, body + views, "立体图形")


def _solid(kind, x, base):
    """A solid of grade 1 standing on the line y = base, its left edge at x. Returns (svg, width)."""
    if kind == "正方体":
        return _cube_at(x, base - 40, 40, FILLS[0]), 62
    if kind == "长方体":
        d = 18
        top = [(x, base - 34), (x + d, base - 34 - d), (x + 64 + d, base - 34 - d), (x + 64, base - 34)]
        side = [(x + 64, base - 34), (x + 64 + d, base - 34 - d), (x + 64 + d, base - d), (x + 64, base)]
        return rect(x, base - 34, 64, 34, FILLS[1]) + polygon(top, "#e3f1fa") + polygon(side, "#9ccbe8"), 86
    if kind == "圆柱":
        return (f'<path d="M {x} {base - 58} L {x} {base - 8} A 22 8 0 0 0 {x + 44} {base - 8} L {x + 44} {base - 58}" '
                f'fill="{FILLS[2]}" stroke="{INK}" stroke-width="1.5"/>'
                f'<ellipse cx="{x + 22}" cy="{base - 58}" rx="22" ry="8" fill="#e6f3dc" stroke="{INK}" '
                f'stroke-width="1.5"/>'), 48
    if kind == "球":
        return (circle(x + 24, base - 24, 24, FILLS[3])
                + f'<ellipse cx="{x + 24}" cy="{base - 24}" rx="24" ry="7" fill="none" stroke="{LINE}" '
                  f'stroke-width="1" stroke-dasharray="3 3"/>'), 52
    raise ValueError(f"no solid {kind}")


def _solids(p, answer):
    """A row of the solids of grade 1, numbered from the left when asked."""
    base, x, body = 80, 14, []
    for i, kind in enumerate(p["items"]):
        drawn, width = _solid(kind, x, base)
        body.append(f'<g class="solid">{drawn}</g>')
        if p.get("numbered"):
            body.append(text(x + width / 2 - 8, base + 22, i + 1, 13))
        x += width + 16
    return svg(x, base + (30 if p.get("numbered") else 10), body, "立体图形")


def _plane(p, answer):
    """A picture put together from flat shapes: rect [x, y, w, h], circle [cx, cy, r], poly [[x, y], …]."""
    body = []
    for i, shape in enumerate(p["shapes"]):
        kind, *data = shape
        fill = FILLS[i % len(FILLS)]
        if kind == "rect":
            body.append(rect(*data, fill, "flat"))
        elif kind == "circle":
            body.append(circle(*data, fill, "flat"))
        else:
            body.append(polygon(data[0], fill, "flat"))
    return svg(p["width"], p["height"], body, "图形")


# ---------------------------------------------------------------- angles and figures

def _rays(p, answer):
    """Rays from one point, at directions in degrees counter-clockwise from east;
    marks name the angle between two neighbouring rays, and may show its size."""
    cx, cy, length = p.get("at", [170, 130])[0], p.get("at", [170, 130])[1], 120
    body = []
    for direction in p["rays"]:
        a = math.radians(direction)
        body.append(line(cx, cy, cx + length * math.cos(a), cy - length * math.sin(a), "ray", width=2))
    for k, (name, low, high, shown) in enumerate(p["marks"]):
        radius = 22 + 10 * (k % 2)
        a0, a1 = math.radians(low), math.radians(high)
        body.append(f'<path d="M {fmt(cx + radius * math.cos(a0))} {fmt(cy - radius * math.sin(a0))} '
                    f'A {radius} {radius} 0 0 0 {fmt(cx + radius * math.cos(a1))} {fmt(cy - radius * math.sin(a1))}" '
                    f'stroke="{INK}" stroke-width="1"/>')
        mid = math.radians((low + high) / 2)
        words = f"{shown}°" if shown else name
        body.append(text(cx + 48 * math.cos(mid), cy - 48 * math.sin(mid) + 5, words, 13, cls="mark"))
    body.append(circle(cx, cy, 3, INK))
    return svg(2 * cx, cy + p.get("below", 20), body, "角")


def triangle_corners(angles, base=220):
    """Corners A, B, C of a triangle with the angles at A and B, A at the left end of the base."""
    a, b = (math.radians(x) for x in angles)
    # C from A along angle a: distance by the sine rule
    c = base * math.sin(b) / math.sin(a + b)
    return [(0, 0), (base, 0), (c * math.cos(a), c * math.sin(a))]


def _triangle(p, answer):
    corners = triangle_corners(p["angles"])
    top = max(y for _, y in corners)
    xs = [x for x, _ in corners]
    shift = 30 - min(xs)
    points = [(x + shift, top + 30 - y) for x, y in corners]
    body = [polygon(points, FILLS[1], "triangle", width=2)]
    for (x, y), name, shown in zip(points, p["names"], p["shown"]):
        cx = sum(q[0] for q in points) / 3
        cy = sum(q[1] for q in points) / 3
        body.append(text(x + (x - cx) * 0.18, y + (y - cy) * 0.18 + 5, name, 15, weight="bold"))
        if shown:
            body.append(text(x + (cx - x) * 0.28, y + (cy - y) * 0.28 + 5, shown, 12, cls="mark"))
    return svg(max(q[0] for q in points) + 30, top + 50, body, "三角形")


def _box(p, answer):
    """A cuboid in the oblique view with its length, width and height written on it."""
    scale = p.get("px", 22)
    l, w, h = p["l"] * scale, p["w"] * scale * 0.5, p["h"] * scale
    x, y = 40, 20 + w * 0.7
    front = [(x, y), (x + l, y), (x + l, y + h), (x, y + h)]
    top = [(x, y), (x + w * 0.7, y - w * 0.7), (x + l + w * 0.7, y - w * 0.7), (x + l, y)]
    side = [(x + l, y), (x + l + w * 0.7, y - w * 0.7), (x + l + w * 0.7, y + h - w * 0.7), (x + l, y + h)]
    body = [polygon(front, FILLS[3]), polygon(top, "none" if p.get("open") else "#fbf0c8"),
            polygon(side, "#e8d48a")]
    if p.get("open"):
        body.append(polygon(top, "none", dash="5 3"))
    unit = p["unit"]
    body.append(text(x + l / 2, y + h + 20, f"{fmt(p['l'])}{unit}", 13, cls="dim"))
    body.append(text(x + l + w * 0.35 + 8, y + h - w * 0.35 + 8, f"{fmt(p['w'])}{unit}", 13, "start", "dim"))
    body.append(text(x - 6, y + h / 2 + 5, f"{fmt(p['h'])}{unit}", 13, "end", "dim"))
    return svg(x + l + w * 0.7 + 70, y + h + 30, body, "长方体")


def _round_solid(p, answer):
    """A cylinder or a cone, with the radius or diameter and the height written on it."""
    r = p.get("px", 60)
    h = p.get("px_h", 120)
    x, top = 80, 30
    ry = r * 0.3
    body = []
    if p["shape"] == "圆柱":
        body.append(f'<path d="M {x - r} {top} L {x - r} {top + h} A {r} {fmt(ry)} 0 0 0 {x + r} {top + h} '
                    f'L {x + r} {top}" fill="{FILLS[2]}" stroke="{INK}" stroke-width="1.5"/>')
        body.append(f'<ellipse cx="{x}" cy="{top}" rx="{r}" ry="{fmt(ry)}" fill="#e6f3dc" stroke="{INK}" '
                    f'stroke-width="1.5"/>')
        body.append(f'<path d="M {x - r} {top + h} A {r} {fmt(ry)} 0 0 1 {x + r} {top + h}" stroke="{INK}" '
                    f'stroke-width="1" stroke-dasharray="4 3"/>')
        base_y = top + h
    else:
        body.append(f'<path d="M {x} {top} L {x - r} {top + h} A {r} {fmt(ry)} 0 0 0 {x + r} {top + h} Z" '
                    f'fill="{FILLS[0]}" stroke="{INK}" stroke-width="1.5"/>')
        body.append(f'<path d="M {x - r} {top + h} A {r} {fmt(ry)} 0 0 1 {x + r} {top + h}" stroke="{INK}" '
                    f'stroke-width="1" stroke-dasharray="4 3"/>')
        body.append(line(x, top, x, top + h, dash="4 3", width=1))
        base_y = top + h
    unit = p["unit"]
    if "r" in p:
        body.append(line(x, base_y, x + r, base_y, dash="4 3", width=1))
        body.append(text(x + r / 2, base_y + ry + 14, f"{fmt(p['r'])}{unit}", 13, cls="dim"))
    else:
        body.append(line(x - r, base_y, x + r, base_y, dash="4 3", width=1))
        body.append(text(x, base_y + ry + 14, f"{fmt(p['d'])}{unit}", 13, cls="dim"))
    body.append(text(x + r + 8, top + h / 2 + 5, f"{fmt(p['h'])}{unit}", 13, "start", "dim"))
    return svg(x + r + 70, base_y + ry + 22, body, p["shape"])


def _circle_figure(p, answer):
    """Figures with circles for the area questions of grade 6."""
    figure, unit = p["figure"], p["unit"]
    body = []
    if figure == "square-circle":           # the biggest circle in a square; the corners shaded
        s = 150
        body.append(rect(20, 20, s, s, "#c9c9c9"))
        body.append(circle(20 + s / 2, 20 + s / 2, s / 2, "#ffffff"))
        body.append(text(20 + s / 2, 20 + s + 22, f"{fmt(p['side'])}{unit}", 13, cls="dim"))
        return svg(s + 40, s + 50, body, "图形")
    if figure == "ring":                    # a ring between two circles about one centre
        R, r = 80, 80 * p["inner"] / p["outer"]
        body.append(circle(100, 100, R, "#c9c9c9"))
        body.append(circle(100, 100, r, "#ffffff"))
        body.append(line(100, 100, 100 + R, 100, dash="4 3", width=1))
        body.append(line(100, 100, 100 - r * 0.7071, 100 - r * 0.7071, dash="4 3", width=1))
        body.append(text(100 + R * 0.78, 94, f"{fmt(p['outer'])}{unit}", 12, cls="dim"))
        body.append(text(100 - r * 0.35 - 6, 100 - r * 0.35 + 16, f"{fmt(p['inner'])}{unit}", 12, cls="dim"))
        return svg(200, 200, body, "图形")
    if figure == "semicircle":              # a half circle on its diameter
        R = 90
        body.append(f'<path d="M 20 110 A {R} {R} 0 0 1 {20 + 2 * R} 110 Z" fill="#c9c9c9" stroke="{INK}" '
                    f'stroke-width="1.5"/>')
        body.append(text(20 + R, 132, f"{fmt(p['diameter'])}{unit}", 13, cls="dim"))
        return svg(2 * R + 40, 140, body, "图形")
    raise ValueError(f"no figure {figure}")


def _ruler(p, answer):
    """A ruler in centimetres with millimetre ticks, and segments drawn above it."""
    per_cm = 40
    length = p["length"]
    x0, base = 20, 90
    body = [rect(x0 - 10, base, length * per_cm + 50, 40, "#fff8d8", width=1)]
    for mm in range(length * 10 + 1):
        x = x0 + mm * per_cm / 10
        tall = 14 if mm % 10 == 0 else (10 if mm % 5 == 0 else 6)
        body.append(line(x, base, x, base + tall, width=1))
        if mm % 10 == 0:
            body.append(text(x, base + 30, mm // 10, 12, cls="num"))
    body.append(text(x0 + length * per_cm + 10, base + 30, "厘米", 11, "start"))
    for k, (name, start, end) in enumerate(p["segments"]):
        y = base - 16 - k * 30
        x1, x2 = x0 + start * per_cm, x0 + end * per_cm
        body.append(line(x1, y, x2, y, "segment", width=3))
        body.append(line(x1, y - 5, x1, y + 5, width=2) + line(x2, y - 5, x2, y + 5, width=2))
        body.append(text((x1 + x2) / 2, y - 7, name, 13, weight="bold"))
        body.append(line(x1, y + 6, x1, base, colour=LINE, width=1, dash="2 3"))
        body.append(line(x2, y + 6, x2, base, colour=LINE, width=1, dash="2 3"))
    return svg(length * per_cm + 70, base + 46, body, "直尺")


def _numberline(p, answer):
    """A number line with named points; `parts` small steps between whole numbers."""
    parts = p.get("parts", 1)
    step = p.get("px", 40 if parts == 1 else 120)
    low, high = p["from"], p["to"]
    x0, y = 30, 50
    at = lambda v: x0 + (v - low) * step  # noqa: E731
    body = [line(x0 - 14, y, at(high) + 18, y, width=1.5),
            polygon([(at(high) + 24, y), (at(high) + 14, y - 5), (at(high) + 14, y + 5)], INK)]
    for k in range((high - low) * parts + 1):
        whole = k % parts == 0
        x = at(low + k / parts)
        body.append(line(x, y - (7 if whole else 4), x, y, width=1.5 if whole else 1))
        if whole:
            v = low + k // parts
            body.append(text(x, y + 22, v if v >= 0 else f"－{-v}", 12, cls="num"))
    for name, value in p["points"]:
        body.append(circle(at(value), y, 4.5, INK, "point"))
        body.append(text(at(value), y - 14, name, 14, cls="name", weight="bold"))
    return svg(at(high) + 40, y + 34, body, "数轴")


KINDS = {
    "clock": _clock, "grid": _grid, "map": _map, "bearing": _bearing, "pairs": _pairs, "cubes": _cubes,
    "solids": _solids, "plane": _plane, "rays": _rays, "triangle": _triangle, "box": _box, "round": _round_solid,
    "circles": _circle_figure, "ruler": _ruler, "numberline": _numberline,
    "bars": charts.bars, "line": charts.line_chart, "pie": charts.pie, "pictograph": charts.pictograph,
    "pattern": charts.pattern, "tally": charts.tally, "balls": charts.balls, "fraction": charts.fraction,
    "venn": charts.venn, "money": charts.money, "calendar": charts.calendar, "table": charts.table,
}


def draw(picture, answer=False):
    """The picture as inline SVG inside its own block."""
    return f'<div class="picture">{KINDS[picture["kind"]](picture, answer)}</div>'


def has_answer_drawing(picture):
    """Does the picture hold shapes that only the answer page shows?"""
    return picture["kind"] == "grid" and any(shape.get("answer") for shape in picture.get("shapes", []))
