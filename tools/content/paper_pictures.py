"""Pictures of the grade papers, drawn as inline SVG from the data a question
keeps in its `picture` table. The same data is what the tests read the answers
back from, so a picture and its answer cannot drift apart.

    draw(picture)               the picture as the paper shows it
    draw(picture, answer=True)  with the shapes a child was asked to draw

Every kind is one function below, keyed by `picture["kind"]`. Elements a
reader needs carry a class: clock hands "hour"/"minute", grid shapes "shape",
chart bars "bar", chart points "point", axis numbers "tick", and so on.
"""
import calendar as months
import html
import math

INK = "#333333"
LINE = "#9a9a9a"
LIGHT = "#d9d9d9"
FILLS = ["#f6c6a8", "#b9dcf2", "#c8e6b0", "#f3e19c", "#e4c4ee", "#f4b6c2"]
ANSWER = "#d03a2f"
CIRCLED = "①②③④⑤⑥⑦⑧⑨⑩"


def _n(value):
    """A coordinate as short text: 12, 12.5, 12.35."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def _svg(width, height, body, label=""):
    title = f"<title>{html.escape(label)}</title>" if label else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" class="pic" width="{_n(width)}" height="{_n(height)}" '
            f'viewBox="0 0 {_n(width)} {_n(height)}" font-size="14" fill="none" stroke-linecap="round">'
            f"{title}{''.join(body)}</svg>")


def _text(x, y, words, size=14, anchor="middle", cls="", colour=INK, weight="", middle=False):
    """Words at (x, y): y is the baseline, or the middle of the letters when `middle`."""
    css = f' class="{cls}"' if cls else ""
    bold = f' font-weight="{weight}"' if weight else ""
    centred = ' dominant-baseline="central"' if middle else ""
    return (f'<text{css} x="{_n(x)}" y="{_n(y)}" font-size="{size}" text-anchor="{anchor}" '
            f'fill="{colour}" stroke="none"{bold}{centred}>{html.escape(str(words))}</text>')


def _line(x1, y1, x2, y2, cls="", colour=INK, width=1.5, dash=""):
    css = f' class="{cls}"' if cls else ""
    dashed = f' stroke-dasharray="{dash}"' if dash else ""
    return (f'<line{css} x1="{_n(x1)}" y1="{_n(y1)}" x2="{_n(x2)}" y2="{_n(y2)}" '
            f'stroke="{colour}" stroke-width="{_n(width)}"{dashed}/>')


def _polygon(points, fill, cls="", colour=INK, width=1.5, dash=""):
    css = f' class="{cls}"' if cls else ""
    dashed = f' stroke-dasharray="{dash}"' if dash else ""
    text = " ".join(f"{_n(x)},{_n(y)}" for x, y in points)
    return f'<polygon{css} points="{text}" fill="{fill}" stroke="{colour}" stroke-width="{_n(width)}"{dashed}/>'


def _circle(cx, cy, r, fill="none", cls="", colour=INK, width=1.5):
    css = f' class="{cls}"' if cls else ""
    return (f'<circle{css} cx="{_n(cx)}" cy="{_n(cy)}" r="{_n(r)}" fill="{fill}" '
            f'stroke="{colour}" stroke-width="{_n(width)}"/>')


def _rect(x, y, w, h, fill, cls="", colour=INK, width=1.5):
    css = f' class="{cls}"' if cls else ""
    return (f'<rect{css} x="{_n(x)}" y="{_n(y)}" width="{_n(w)}" height="{_n(h)}" fill="{fill}" '
            f'stroke="{colour}" stroke-width="{_n(width)}"/>')


def _arrow_north(x, y):
    """A north arrow with its word, the tip at (x, y)."""
    return (_line(x, y + 34, x, y, width=2) + _polygon([(x, y - 4), (x - 6, y + 8), (x + 6, y + 8)], INK)
            + _text(x, y - 8, "北", 15))


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
        face = [_circle(cx, cy, r, "#ffffff", width=2.5)]
        for tick in range(60):
            a = math.radians(tick * 6)
            inner = r - (8 if tick % 5 == 0 else 4)
            face.append(_line(cx + inner * math.sin(a), cy - inner * math.cos(a), cx + r * math.sin(a),
                              cy - r * math.cos(a), width=2 if tick % 5 == 0 else 1))
        for number in range(1, 13):
            a = math.radians(number * 30)
            face.append(_text(cx + (r - 17) * math.sin(a), cy - (r - 17) * math.cos(a) + 5, number, 13))
        hour_angle, minute_angle = (math.radians(a) for a in clock_hands(hour, minute))
        face.append(_line(cx, cy, cx + 26 * math.sin(hour_angle), cy - 26 * math.cos(hour_angle), "hour", width=4.5))
        face.append(_line(cx, cy, cx + 40 * math.sin(minute_angle), cy - 40 * math.cos(minute_angle), "minute",
                          width=2.5))
        face.append(_circle(cx, cy, 3, INK))
        if len(p["times"]) > 1:
            face.append(_text(cx, cy + r + 22, CIRCLED[i], 16))
        body.append('<g class="clock">' + "".join(face) + "</g>")
    height = 66 + r + (30 if len(p["times"]) > 1 else 8)
    return _svg(gap * len(p["times"]), height, body, "钟面")


# ---------------------------------------------------------------- squared paper

def _grid(p, answer):
    cell = p.get("cell", 24)
    cols, rows, m = p["cols"], p["rows"], 8
    at = lambda x, y: (m + x * cell, m + y * cell)  # noqa: E731
    body = [_line(*at(x, 0), *at(x, rows), colour=LIGHT, width=1) for x in range(cols + 1)]
    body += [_line(*at(0, y), *at(cols, y), colour=LIGHT, width=1) for y in range(rows + 1)]
    for i, shape in enumerate(p.get("shapes", [])):
        if shape.get("answer") and not answer:
            continue
        points = [at(x, y) for x, y in shape["points"]]
        drawn = shape.get("answer", False)
        fill = "none" if drawn else shape.get("fill", FILLS[i % len(FILLS)])
        body.append(f'<g class="shape" data-name="{html.escape(shape["name"])}">'
                    + _polygon(points, fill, colour=ANSWER if drawn else INK, width=2.5 if drawn else 1.5,
                               dash="6 3" if drawn else "") + "</g>")
        if shape.get("label", True):
            x, y = shape.get("label_at", [sum(q[0] for q in shape["points"]) / len(shape["points"]),
                                          sum(q[1] for q in shape["points"]) / len(shape["points"])])
            body.append(_text(*at(x, y + 0.2), shape["name"], 15, colour=ANSWER if drawn else INK, weight="bold"))
    for axis in p.get("axes", []):
        (x1, y1), (x2, y2) = axis
        body.append(_line(*at(x1, y1), *at(x2, y2), "axis", width=2, dash="8 4"))
    for name, x, y in p.get("dots", []):
        body.append(_circle(*at(x, y), 3.5, INK, "dot"))
        body.append(_text(at(x, y)[0] - 10, at(x, y)[1] + 16, name, 14, weight="bold"))
    return _svg(2 * m + cols * cell, 2 * m + rows * cell, body, "方格图")


# ---------------------------------------------------------------- charts

def _axes(p, left, top, width, height):
    """Value axis with ticks every `step` up to `top`, and the unit above it."""
    body = []
    scale = height / p["top"]
    for value in range(0, p["top"] + 1, p["step"]):
        y = top + height - value * scale
        body.append(_line(left, y, left + width, y, colour=LIGHT, width=1))
        body.append(_text(left - 6, y, value, 12, "end", "tick", middle=True))
    body.append(_line(left, top - 10, left, top + height, width=1.5))
    body.append(_line(left, top + height, left + width, top + height, width=1.5))
    body.append(_text(left - 4, top - 10, f"单位：{p['unit']}", 12, "start"))
    return body, scale


def _legend(names, x, y, kind="rect"):
    body = []
    for i, name in enumerate(names):
        if kind == "rect":
            body.append(_rect(x, y + i * 20 - 10, 14, 12, FILLS[i]))
        else:
            body.append(_line(x, y + i * 20 - 4, x + 22, y + i * 20 - 4, colour=SERIES[i], width=2, dash=DASHES[i]))
        body.append(_text(x + 28, y + i * 20 + 2, name, 12, "start"))
    return body


def _bars(p, answer):
    left, top, height = 58, 46, 200
    groups = p["bars"]
    series = len(groups[0]) - 1
    group_width = 30 * series + 34
    width = group_width * len(groups) + 20
    body, scale = _axes(p, left, top, width, height)
    body.insert(0, _text(left + width / 2, 16, p["title"], 15, weight="bold"))
    for g, (name, *values) in enumerate(groups):
        x0 = left + 20 + g * group_width
        for s, value in enumerate(values):
            x = x0 + s * 30
            body.append(_rect(x, top + height - value * scale, 26, value * scale, FILLS[s], "bar"))
            if p.get("show_values", True):
                body.append(_text(x + 13, top + height - value * scale - 4, _n(value), 11))
        body.append(_text(x0 + 15 * series, top + height + 18, name, 13, cls="name"))
    legend = _legend(p["legend"], left + width + 12, top + 10) if p.get("legend") else []
    return _svg(left + width + (90 if legend else 20), top + height + 32, body + legend, p["title"])


SERIES = [INK, "#2f6fb0"]
DASHES = ["", "7 4"]


def _line_chart(p, answer):
    left, top, height = 58, 46, 200
    names = [point[0] for point in p["points"]]
    gap = 52
    width = gap * len(names) + 10
    body, scale = _axes(p, left, top, width, height)
    body.insert(0, _text(left + width / 2, 16, p["title"], 15, weight="bold"))
    series = len(p["points"][0]) - 1
    for s in range(series):
        coords = [(left + 30 + i * gap, top + height - point[s + 1] * scale) for i, point in enumerate(p["points"])]
        body.append(f'<polyline points="{" ".join(f"{_n(x)},{_n(y)}" for x, y in coords)}" '
                    f'stroke="{SERIES[s]}" stroke-width="2"' + (f' stroke-dasharray="{DASHES[s]}"' if DASHES[s] else "")
                    + "/>")
        for (x, y), point in zip(coords, p["points"]):
            body.append(f'<circle class="point" data-series="{s}" cx="{_n(x)}" cy="{_n(y)}" r="3.5" '
                        f'fill="{SERIES[s]}" stroke="none"/>')
            body.append(_text(x, y - 8 if s == 0 else y + 17, _n(point[s + 1]), 11))
    for i, name in enumerate(names):
        body.append(_text(left + 30 + i * gap, top + height + 18, name, 12, cls="name"))
    legend = _legend(p["legend"], left + width + 12, top + 10, "line") if p.get("legend") else []
    return _svg(left + width + (100 if legend else 20), top + height + 32, body + legend, p["title"])


def _pie(p, answer):
    cx, cy, r = 130, 150, 105
    body = [_text(cx, 22, p["title"], 15, weight="bold")]
    start = 0
    for i, (name, percent) in enumerate(p["sectors"]):
        end = start + percent * 3.6
        a0, a1 = math.radians(start), math.radians(end)
        x0, y0 = cx + r * math.sin(a0), cy - r * math.cos(a0)
        x1, y1 = cx + r * math.sin(a1), cy - r * math.cos(a1)
        large = 1 if end - start > 180 else 0
        body.append(f'<path class="sector" d="M {_n(cx)} {_n(cy)} L {_n(x0)} {_n(y0)} '
                    f'A {r} {r} 0 {large} 1 {_n(x1)} {_n(y1)} Z" fill="{FILLS[i % len(FILLS)]}" '
                    f'stroke="{INK}" stroke-width="1.5"/>')
        middle = math.radians((start + end) / 2)
        tx, ty = cx + 0.6 * r * math.sin(middle), cy - 0.6 * r * math.cos(middle)
        body.append(_text(tx, ty - 2, name, 13, cls="name"))
        if p.get("show_percent", True) or name in p.get("shown", []):
            body.append(_text(tx, ty + 15, f"{_n(percent)}％", 13))
        else:
            body.append(_text(tx, ty + 15, "？", 13))
        start = end
    return _svg(2 * cx, cy + r + 14, body, p["title"])


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
    body = [_line(*at(x, low), *at(x, high), colour=LIGHT, width=1, dash="2 4") for x in range(left, right + 1)]
    body += [_line(*at(left, y), *at(right, y), colour=LIGHT, width=1, dash="2 4") for y in range(low, high + 1)]
    for road in p.get("roads", []):
        (a, b) = road
        body.append(_line(*at(*a), *at(*b), colour=LINE, width=6))
    for name, x, y in p["places"]:
        px, py = at(x, y)
        body.append(_rect(px - 7, py - 7, 14, 14, FILLS[1], "place"))
        body.append(_text(px, py + 25, name, 14, cls="name"))
    body.append(_arrow_north(width - 24, 18))
    return _svg(width, height + 10, body, "平面图")


def _bearing(p, answer):
    """Places around a centre by bearing ("北偏东30°") and distance, with a bar scale."""
    cx, cy = p.get("centre_at", [200, 190])
    per_metre = p["pixels"] / p["scale"]
    body = [_line(cx, cy - 150, cx, cy + 150, colour=LINE, width=1, dash="4 4"),
            _line(cx - 180, cy, cx + 180, cy, colour=LINE, width=1, dash="4 4")]
    body.append(_circle(cx, cy, 5, INK, "centre"))
    body.append(_text(cx - 8, cy - 10, p["centre"], 14, "end", "name"))
    for name, from_, degrees, towards, metres in p["places"]:
        base = {"北": 0, "东": 90, "南": 180, "西": 270}[from_]
        turn = 1 if (from_, towards) in {("北", "东"), ("东", "南"), ("南", "西"), ("西", "北")} else -1
        heading = math.radians(base + turn * degrees)
        distance = metres * per_metre
        x, y = cx + distance * math.sin(heading), cy - distance * math.cos(heading)
        body.append(_line(cx, cy, x, y, "leg", width=1.5))
        if p.get("show_distance", True) and metres:
            # beside the middle of the leg, on its clockwise side
            nx, ny = -(y - cy) / distance, (x - cx) / distance
            body.append(_text((cx + x) / 2 + 16 * nx, (cy + y) / 2 + 16 * ny, f"{metres}米", 12,
                              cls="distance", middle=True))
        body.append(_circle(x, y, 4.5, INK, "place"))
        body.append(_text(x + (10 if x >= cx else -10), y + (-8 if y < cy else 18), name, 14,
                          "start" if x >= cx else "end", "name"))
        if p.get("mark_angles", True) and degrees:
            a0, a1 = math.radians(base), heading
            arc = 34
            large = 0
            sweep = 1 if turn > 0 else 0
            body.append(f'<path d="M {_n(cx + arc * math.sin(a0))} {_n(cy - arc * math.cos(a0))} A {arc} {arc} 0 '
                        f'{large} {sweep} {_n(cx + arc * math.sin(a1))} {_n(cy - arc * math.cos(a1))}" '
                        f'stroke="{INK}" stroke-width="1"/>')
            mid = (a0 + a1) / 2
            body.append(_text(cx + 50 * math.sin(mid), cy - 50 * math.cos(mid) + 5, f"{degrees}°", 12))
    # bar scale: three segments of `scale` metres
    sx, sy = 24, 2 * cy - 12
    seg = p["pixels"]
    for k in range(4):
        body.append(_line(sx + k * seg, sy - 5, sx + k * seg, sy, "scale", width=1.5))
        body.append(_text(sx + k * seg, sy - 9, k * p["scale"], 11))
    body.append(_line(sx, sy, sx + 3 * seg, sy, width=1.5))
    body.append(_text(sx + 3 * seg + 16, sy - 1, "米", 12, "start"))
    body.append(_arrow_north(2 * cx - 24, 18))
    return _svg(2 * cx, 2 * cy, body, "位置图")


def _pairs(p, answer):
    """Points on squared paper named by 数对 (column, row), columns from the left, rows from the bottom."""
    step, cols, rows = 40, p["cols"], p["rows"]
    at = lambda c, r: (40 + c * step, 20 + (rows - r) * step)  # noqa: E731
    body = []
    for c in range(cols + 1):
        body.append(_line(*at(c, 0), *at(c, rows), colour=LIGHT, width=1))
        body.append(_text(at(c, 0)[0], at(c, 0)[1] + 20, c, 12, cls="col"))
    for r in range(rows + 1):
        body.append(_line(*at(0, r), *at(cols, r), colour=LIGHT, width=1))
        if r:
            body.append(_text(at(0, r)[0] - 12, at(0, r)[1], r, 12, cls="row", middle=True))
    body.append(_text(at(cols, 0)[0] + 18, at(cols, 0)[1] + 20, "列", 12))
    body.append(_text(at(0, rows)[0] - 12, at(0, rows)[1] - 6, "行", 12))
    for name, c, r in p["points"]:
        x, y = at(c, r)
        body.append(_circle(x, y, 4.5, INK, "point"))
        body.append(_text(x + 8, y - 7, name, 14, "start", "name"))
    return _svg(80 + cols * step, 50 + rows * step, body, "数对")


# ---------------------------------------------------------------- solids and views

def _cube_at(x, y, s, fill):
    """One cube in the oblique view, its front face's top left corner at (x, y)."""
    d = s * 0.45
    top = [(x, y), (x + d, y - d), (x + s + d, y - d), (x + s, y)]
    side = [(x + s, y), (x + s + d, y - d), (x + s + d, y + s - d), (x + s, y + s)]
    return _rect(x, y, s, s, fill) + _polygon(top, "#fff4d6") + _polygon(side, "#e9d6a8")


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
    body.append(_line(front_x, base_y + 24, front_x, base_y + 8, width=1.5))
    body.append(_polygon([(front_x, base_y + 5), (front_x - 4, base_y + 12), (front_x + 4, base_y + 12)], INK))
    body.append(_text(front_x, base_y + 40, "正面", 12))
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
                    cells.append(_rect(x0 + cc * unit, base_y - (h - rr) * unit, unit, unit, "#ffffff", "cell"))
        views.append('<g class="view">' + "".join(cells) + "</g>")
        views.append(_text(x0 + len(choice[0]) * unit / 2, base_y + 26, "ABCD"[i], 14, weight="bold"))
        x0 += max(len(choice[0]) * unit, 20) + 34
    return _svg(x0 + 10, base_y + 48, body + views, "立体图形")


def _solid(kind, x, base):
    """A solid of grade 1 standing on the line y = base, its left edge at x. Returns (svg, width)."""
    if kind == "正方体":
        return _cube_at(x, base - 40, 40, FILLS[0]), 62
    if kind == "长方体":
        d = 18
        top = [(x, base - 34), (x + d, base - 34 - d), (x + 64 + d, base - 34 - d), (x + 64, base - 34)]
        side = [(x + 64, base - 34), (x + 64 + d, base - 34 - d), (x + 64 + d, base - d), (x + 64, base)]
        return _rect(x, base - 34, 64, 34, FILLS[1]) + _polygon(top, "#e3f1fa") + _polygon(side, "#9ccbe8"), 86
    if kind == "圆柱":
        return (f'<path d="M {x} {base - 58} L {x} {base - 8} A 22 8 0 0 0 {x + 44} {base - 8} L {x + 44} {base - 58}" '
                f'fill="{FILLS[2]}" stroke="{INK}" stroke-width="1.5"/>'
                f'<ellipse cx="{x + 22}" cy="{base - 58}" rx="22" ry="8" fill="#e6f3dc" stroke="{INK}" '
                f'stroke-width="1.5"/>'), 48
    if kind == "球":
        return (_circle(x + 24, base - 24, 24, FILLS[3])
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
            body.append(_text(x + width / 2 - 8, base + 22, i + 1, 13))
        x += width + 16
    return _svg(x, base + (30 if p.get("numbered") else 10), body, "立体图形")


def _plane(p, answer):
    """A picture put together from flat shapes: rect [x, y, w, h], circle [cx, cy, r], poly [[x, y], …]."""
    body = []
    for i, shape in enumerate(p["shapes"]):
        kind, *data = shape
        fill = FILLS[i % len(FILLS)]
        if kind == "rect":
            body.append(_rect(*data, fill, "flat"))
        elif kind == "circle":
            body.append(_circle(*data, fill, "flat"))
        else:
            body.append(_polygon(data[0], fill, "flat"))
    return _svg(p["width"], p["height"], body, "图形")


# ---------------------------------------------------------------- counting pictures

def _icon(kind, x, y, fill):
    if kind == "circle":
        return _circle(x, y, 10, fill, "icon")
    if kind == "triangle":
        return _polygon([(x, y - 11), (x - 11, y + 9), (x + 11, y + 9)], fill, "icon")
    if kind == "square":
        return _rect(x - 9, y - 9, 18, 18, fill, "icon")
    if kind == "star":
        points = []
        for k in range(10):
            radius = 11 if k % 2 == 0 else 4.6
            a = math.radians(k * 36)
            points.append((x + radius * math.sin(a), y - radius * math.cos(a)))
        return _polygon(points, fill, "icon")
    raise ValueError(f"no icon {kind}")


COLOURS = {"红": "#f08a80", "黄": "#f6d86b", "白": "#ffffff", "蓝": "#8fc1ec", "绿": "#9ed48a", "黑": "#9a9a9a"}


def _pictograph(p, answer):
    """Rows of icons with their names on the left, one icon per thing counted;
    a row may name its colour (红, 黄, 蓝, 绿)."""
    label_width = p.get("label_width", 56)
    body = []
    longest = max(row[1] for row in p["rows"])
    for r, (name, count, kind, *colour) in enumerate(p["rows"]):
        y = 24 + r * 34
        fill = COLOURS[colour[0]] if colour else FILLS[r % len(FILLS)]
        row = [_text(label_width - 8, y + 5, name, 14, "end", "name")]
        row += [_icon(kind, label_width + 16 + k * 28, y, fill) for k in range(count)]
        body.append('<g class="row">' + "".join(row) + "</g>")
    return _svg(label_width + 30 + longest * 28, 14 + 34 * len(p["rows"]), body, "数一数")


def _pattern(p, answer):
    """A row of icons that repeats, then empty boxes for what comes next."""
    body = []
    for k, kind in enumerate(p["row"]):
        body.append(_icon(kind, 20 + k * 32, 22, FILLS[["circle", "triangle", "square", "star"].index(kind)]))
    for k in range(p["ask"]):
        x = 20 + (len(p["row"]) + k) * 32
        body.append(_rect(x - 12, 10, 24, 24, "none", "ask", width=1))
    return _svg(20 + (len(p["row"]) + p["ask"]) * 32, 44, body, "找规律")


# Strokes of the character 正, in writing order, in a 24-pixel box.
ZHENG = [(2, 2, 22, 2), (12, 2, 12, 22), (12, 12, 20, 12), (5, 10, 5, 22), (1, 22, 23, 22)]


def _tally(p, answer):
    """A tally table: each thing counted is one stroke of 正."""
    body = [_text(40, 20, p.get("head", ["项目", "记录"])[0], 14, cls="head"),
            _text(190, 20, p.get("head", ["项目", "记录"])[1], 14, cls="head")]
    longest = max(count for _, count in p["rows"])
    width = max(330, 110 + ((longest + 4) // 5) * 32 + 20)
    for r, (name, count) in enumerate(p["rows"]):
        y = 34 + r * 36
        row = [_text(40, y + 23, name, 14, cls="name")]
        for k in range(count):
            group, stroke = divmod(k, 5)
            x1, y1, x2, y2 = ZHENG[stroke]
            ox, oy = 100 + group * 32, y + 6
            row.append(_line(ox + x1, oy + y1, ox + x2, oy + y2, "stroke", width=2))
        body.append('<g class="row">' + "".join(row) + "</g>")
    rows = len(p["rows"])
    body += [_line(0, 28 + r * 36, width, 28 + r * 36, colour=LINE, width=1) for r in range(rows + 1)]
    body.append(_line(84, 0, 84, 28 + rows * 36, colour=LINE, width=1))
    return _svg(width, 32 + rows * 36, body, "统计表")


def _balls(p, answer):
    """Balls in a box, each with the first character of its colour."""
    colours = COLOURS
    body = [f'<path d="M 10 20 L 10 110 L 250 110 L 250 20" stroke="{INK}" stroke-width="2"/>']
    k = 0
    for colour, count in p["balls"]:
        for _ in range(count):
            x, y = 32 + (k % 9) * 25, 96 - (k // 9) * 25
            body.append(_circle(x, y, 11, colours[colour], "ball"))
            body.append(_text(x, y + 5, colour, 12, cls="mark"))
            k += 1
    return _svg(260, 118, body, "摸球")


def _fraction(p, answer):
    """Shapes cut into equal parts with some shaded: rect, circle or bar."""
    body = []
    x = 10
    for i, (kind, parts, shaded) in enumerate(p["shapes"]):
        group = []
        if kind == "circle":
            cx, cy, r = x + 44, 52, 42
            for k in range(parts):
                a0, a1 = math.radians(k * 360 / parts), math.radians((k + 1) * 360 / parts)
                group.append(
                    f'<path class="part{" on" if k < shaded else ""}" d="M {_n(cx)} {_n(cy)} '
                    f'L {_n(cx + r * math.sin(a0))} {_n(cy - r * math.cos(a0))} A {r} {r} 0 0 1 '
                    f'{_n(cx + r * math.sin(a1))} {_n(cy - r * math.cos(a1))} Z" '
                    f'fill="{"#9ccbe8" if k < shaded else "#ffffff"}" stroke="{INK}" stroke-width="1.5"/>')
            width = 88
        else:
            w, h = (88, 88) if kind == "rect" else (150, 36)
            for k in range(parts):
                group.append(_rect(x + k * w / parts, 52 - h / 2, w / parts, h, "#9ccbe8" if k < shaded else "#ffffff",
                                   "part on" if k < shaded else "part"))
            width = w
        group.append(_text(x + width / 2, 120, CIRCLED[i], 15))
        body.append('<g class="figure">' + "".join(group) + "</g>")
        x += width + 34
    return _svg(x - 14, 130, body, "分数")


def _venn(p, answer):
    """Two overlapping rings of names: only left, both, only right."""
    r = 95
    left, right, cy = 120, 245, 125
    body = [_circle(left, cy, r, "none", "set", width=2), _circle(right, cy, r, "none", "set", width=2),
            _text(left - 40, 20, p["left"], 15, weight="bold"), _text(right + 40, 20, p["right"], 15, weight="bold")]
    regions = [(p["only_left"], left - 50), (p["both"], (left + right) / 2), (p["only_right"], right + 50)]
    for names, x in regions:
        for k, name in enumerate(names):
            body.append(_text(x, cy - 12 * (len(names) - 1) + k * 24 + 5, name, 14, cls="name"))
    return _svg(right + r + 10, cy + r + 10, body, "集合图")


# ---------------------------------------------------------------- angles and figures

def _rays(p, answer):
    """Rays from one point, at directions in degrees counter-clockwise from east;
    marks name the angle between two neighbouring rays, and may show its size."""
    cx, cy, length = p.get("at", [170, 130])[0], p.get("at", [170, 130])[1], 120
    body = []
    for direction in p["rays"]:
        a = math.radians(direction)
        body.append(_line(cx, cy, cx + length * math.cos(a), cy - length * math.sin(a), "ray", width=2))
    for k, (name, low, high, shown) in enumerate(p["marks"]):
        radius = 22 + 10 * (k % 2)
        a0, a1 = math.radians(low), math.radians(high)
        body.append(f'<path d="M {_n(cx + radius * math.cos(a0))} {_n(cy - radius * math.sin(a0))} '
                    f'A {radius} {radius} 0 0 0 {_n(cx + radius * math.cos(a1))} {_n(cy - radius * math.sin(a1))}" '
                    f'stroke="{INK}" stroke-width="1"/>')
        mid = math.radians((low + high) / 2)
        words = f"{shown}°" if shown else name
        body.append(_text(cx + 48 * math.cos(mid), cy - 48 * math.sin(mid) + 5, words, 13, cls="mark"))
    body.append(_circle(cx, cy, 3, INK))
    return _svg(2 * cx, cy + p.get("below", 20), body, "角")


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
    body = [_polygon(points, FILLS[1], "triangle", width=2)]
    for (x, y), name, shown in zip(points, p["names"], p["shown"]):
        cx = sum(q[0] for q in points) / 3
        cy = sum(q[1] for q in points) / 3
        body.append(_text(x + (x - cx) * 0.18, y + (y - cy) * 0.18 + 5, name, 15, weight="bold"))
        if shown:
            body.append(_text(x + (cx - x) * 0.28, y + (cy - y) * 0.28 + 5, shown, 12, cls="mark"))
    return _svg(max(q[0] for q in points) + 30, top + 50, body, "三角形")


def _box(p, answer):
    """A cuboid in the oblique view with its length, width and height written on it."""
    scale = p.get("px", 22)
    l, w, h = p["l"] * scale, p["w"] * scale * 0.5, p["h"] * scale
    x, y = 40, 20 + w * 0.7
    front = [(x, y), (x + l, y), (x + l, y + h), (x, y + h)]
    top = [(x, y), (x + w * 0.7, y - w * 0.7), (x + l + w * 0.7, y - w * 0.7), (x + l, y)]
    side = [(x + l, y), (x + l + w * 0.7, y - w * 0.7), (x + l + w * 0.7, y + h - w * 0.7), (x + l, y + h)]
    body = [_polygon(front, FILLS[3]), _polygon(top, "none" if p.get("open") else "#fbf0c8"),
            _polygon(side, "#e8d48a")]
    if p.get("open"):
        body.append(_polygon(top, "none", dash="5 3"))
    unit = p["unit"]
    body.append(_text(x + l / 2, y + h + 20, f"{_n(p['l'])}{unit}", 13, cls="dim"))
    body.append(_text(x + l + w * 0.35 + 8, y + h - w * 0.35 + 8, f"{_n(p['w'])}{unit}", 13, "start", "dim"))
    body.append(_text(x - 6, y + h / 2 + 5, f"{_n(p['h'])}{unit}", 13, "end", "dim"))
    return _svg(x + l + w * 0.7 + 70, y + h + 30, body, "长方体")


def _round_solid(p, answer):
    """A cylinder or a cone, with the radius or diameter and the height written on it."""
    r = p.get("px", 60)
    h = p.get("px_h", 120)
    x, top = 80, 30
    ry = r * 0.3
    body = []
    if p["shape"] == "圆柱":
        body.append(f'<path d="M {x - r} {top} L {x - r} {top + h} A {r} {_n(ry)} 0 0 0 {x + r} {top + h} '
                    f'L {x + r} {top}" fill="{FILLS[2]}" stroke="{INK}" stroke-width="1.5"/>')
        body.append(f'<ellipse cx="{x}" cy="{top}" rx="{r}" ry="{_n(ry)}" fill="#e6f3dc" stroke="{INK}" '
                    f'stroke-width="1.5"/>')
        body.append(f'<path d="M {x - r} {top + h} A {r} {_n(ry)} 0 0 1 {x + r} {top + h}" stroke="{INK}" '
                    f'stroke-width="1" stroke-dasharray="4 3"/>')
        base_y = top + h
    else:
        body.append(f'<path d="M {x} {top} L {x - r} {top + h} A {r} {_n(ry)} 0 0 0 {x + r} {top + h} Z" '
                    f'fill="{FILLS[0]}" stroke="{INK}" stroke-width="1.5"/>')
        body.append(f'<path d="M {x - r} {top + h} A {r} {_n(ry)} 0 0 1 {x + r} {top + h}" stroke="{INK}" '
                    f'stroke-width="1" stroke-dasharray="4 3"/>')
        body.append(_line(x, top, x, top + h, dash="4 3", width=1))
        base_y = top + h
    unit = p["unit"]
    if "r" in p:
        body.append(_line(x, base_y, x + r, base_y, dash="4 3", width=1))
        body.append(_text(x + r / 2, base_y + ry + 14, f"{_n(p['r'])}{unit}", 13, cls="dim"))
    else:
        body.append(_line(x - r, base_y, x + r, base_y, dash="4 3", width=1))
        body.append(_text(x, base_y + ry + 14, f"{_n(p['d'])}{unit}", 13, cls="dim"))
    body.append(_text(x + r + 8, top + h / 2 + 5, f"{_n(p['h'])}{unit}", 13, "start", "dim"))
    return _svg(x + r + 70, base_y + ry + 22, body, p["shape"])


def _circle_figure(p, answer):
    """Figures with circles for the area questions of grade 6."""
    figure, unit = p["figure"], p["unit"]
    body = []
    if figure == "square-circle":           # the biggest circle in a square; the corners shaded
        s = 150
        body.append(_rect(20, 20, s, s, "#c9c9c9"))
        body.append(_circle(20 + s / 2, 20 + s / 2, s / 2, "#ffffff"))
        body.append(_text(20 + s / 2, 20 + s + 22, f"{_n(p['side'])}{unit}", 13, cls="dim"))
        return _svg(s + 40, s + 50, body, "图形")
    if figure == "ring":                    # a ring between two circles about one centre
        R, r = 80, 80 * p["inner"] / p["outer"]
        body.append(_circle(100, 100, R, "#c9c9c9"))
        body.append(_circle(100, 100, r, "#ffffff"))
        body.append(_line(100, 100, 100 + R, 100, dash="4 3", width=1))
        body.append(_line(100, 100, 100 - r * 0.7071, 100 - r * 0.7071, dash="4 3", width=1))
        body.append(_text(100 + R * 0.78, 94, f"{_n(p['outer'])}{unit}", 12, cls="dim"))
        body.append(_text(100 - r * 0.35 - 6, 100 - r * 0.35 + 16, f"{_n(p['inner'])}{unit}", 12, cls="dim"))
        return _svg(200, 200, body, "图形")
    if figure == "semicircle":              # a half circle on its diameter
        R = 90
        body.append(f'<path d="M 20 110 A {R} {R} 0 0 1 {20 + 2 * R} 110 Z" fill="#c9c9c9" stroke="{INK}" '
                    f'stroke-width="1.5"/>')
        body.append(_text(20 + R, 132, f"{_n(p['diameter'])}{unit}", 13, cls="dim"))
        return _svg(2 * R + 40, 140, body, "图形")
    raise ValueError(f"no figure {figure}")


def _ruler(p, answer):
    """A ruler in centimetres with millimetre ticks, and segments drawn above it."""
    per_cm = 40
    length = p["length"]
    x0, base = 20, 90
    body = [_rect(x0 - 10, base, length * per_cm + 50, 40, "#fff8d8", width=1)]
    for mm in range(length * 10 + 1):
        x = x0 + mm * per_cm / 10
        tall = 14 if mm % 10 == 0 else (10 if mm % 5 == 0 else 6)
        body.append(_line(x, base, x, base + tall, width=1))
        if mm % 10 == 0:
            body.append(_text(x, base + 30, mm // 10, 12, cls="num"))
    body.append(_text(x0 + length * per_cm + 10, base + 30, "厘米", 11, "start"))
    for k, (name, start, end) in enumerate(p["segments"]):
        y = base - 16 - k * 30
        x1, x2 = x0 + start * per_cm, x0 + end * per_cm
        body.append(_line(x1, y, x2, y, "segment", width=3))
        body.append(_line(x1, y - 5, x1, y + 5, width=2) + _line(x2, y - 5, x2, y + 5, width=2))
        body.append(_text((x1 + x2) / 2, y - 7, name, 13, weight="bold"))
        body.append(_line(x1, y + 6, x1, base, colour=LINE, width=1, dash="2 3"))
        body.append(_line(x2, y + 6, x2, base, colour=LINE, width=1, dash="2 3"))
    return _svg(length * per_cm + 70, base + 46, body, "直尺")


def _numberline(p, answer):
    """A number line with named points; `parts` small steps between whole numbers."""
    parts = p.get("parts", 1)
    step = p.get("px", 40 if parts == 1 else 120)
    low, high = p["from"], p["to"]
    x0, y = 30, 50
    at = lambda v: x0 + (v - low) * step  # noqa: E731
    body = [_line(x0 - 14, y, at(high) + 18, y, width=1.5),
            _polygon([(at(high) + 24, y), (at(high) + 14, y - 5), (at(high) + 14, y + 5)], INK)]
    for k in range((high - low) * parts + 1):
        whole = k % parts == 0
        x = at(low + k / parts)
        body.append(_line(x, y - (7 if whole else 4), x, y, width=1.5 if whole else 1))
        if whole:
            v = low + k // parts
            body.append(_text(x, y + 22, v if v >= 0 else f"－{-v}", 12, cls="num"))
    for name, value in p["points"]:
        body.append(_circle(at(value), y, 4.5, INK, "point"))
        body.append(_text(at(value), y - 14, name, 14, cls="name", weight="bold"))
    return _svg(at(high) + 40, y + 34, body, "数轴")


def _money(p, answer):
    """Notes and coins, each with its value written on it."""
    body, x = [], 14
    for value in p["items"]:
        if value.endswith("角") or value == "1元硬币":
            words = value.replace("硬币", "")
            body.append(_circle(x + 22, 40, 22, "#e8e0c8", "coin"))
            body.append(_text(x + 22, 45, words, 13, cls="money"))
            x += 56
        else:
            body.append(_rect(x, 20, 84, 42, "#d9ecd0", "note"))
            body.append(_rect(x + 5, 25, 74, 32, "none", width=1))
            body.append(_text(x + 42, 46, value, 15, cls="money", weight="bold"))
            x += 96
    return _svg(x + 4, 76, body, "人民币")


def _calendar(p, answer):
    """One month of a calendar, Sunday first."""
    year, month = p["year"], p["month"]
    first, days = months.monthrange(year, month)         # Monday is 0
    column = (first + 1) % 7                             # Sunday first
    cell = 44
    body = [_text(7 * cell / 2 + 10, 22, f"{year}年{month}月", 15, weight="bold")]
    for k, name in enumerate("日一二三四五六"):
        body.append(_rect(10 + k * cell, 32, cell, 26, "#f3ead4", width=1))
        body.append(_text(10 + k * cell + cell / 2, 50, name, 13, cls="weekday"))
    row = 0
    for day in range(1, days + 1):
        x = 10 + column * cell
        y = 58 + row * 30
        body.append(_rect(x, y, cell, 30, "#ffffff", width=1))
        body.append(_text(x + cell / 2, y + 20, day, 13, cls="day"))
        column += 1
        if column == 7:
            column, row = 0, row + 1
    rows = row + (1 if column else 0)
    return _svg(20 + 7 * cell, 66 + rows * 30, body, "月历")


def _table(p, answer):
    """A statistics table as HTML: a head row, then rows of a name and numbers."""
    head = "".join(f"<th>{html.escape(str(h))}</th>" for h in p["head"])
    rows = "".join("<tr>" + "".join(f"<td>{html.escape(str(c))}</td>" for c in row) + "</tr>" for row in p["rows"])
    title = f'<p class="plain" style="margin:4px 0">{html.escape(p["title"])}</p>' if p.get("title") else ""
    return f'{title}<table class="stat"><tr>{head}</tr>{rows}</table>'


KINDS = {
    "clock": _clock, "grid": _grid, "bars": _bars, "line": _line_chart, "pie": _pie, "map": _map,
    "bearing": _bearing, "pairs": _pairs, "cubes": _cubes, "solids": _solids, "plane": _plane,
    "pictograph": _pictograph, "pattern": _pattern, "tally": _tally, "balls": _balls, "fraction": _fraction,
    "venn": _venn, "rays": _rays, "triangle": _triangle, "box": _box, "round": _round_solid,
    "circles": _circle_figure, "ruler": _ruler, "numberline": _numberline, "money": _money,
    "calendar": _calendar, "table": _table,
}


def draw(picture, answer=False):
    """The picture as inline SVG inside its own block."""
    return f'<div class="picture">{KINDS[picture["kind"]](picture, answer)}</div>'


def has_answer_drawing(picture):
    """Does the picture hold shapes that only the answer page shows?"""
    return picture["kind"] == "grid" and any(shape.get("answer") for shape in picture.get("shapes", []))
