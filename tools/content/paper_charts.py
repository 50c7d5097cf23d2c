# SPDX-License-Identifier: GPL-3.0-or-later
"""Paper pictures for statistics and counting: bar, line and pie charts,
pictographs, tally tables, rows of shapes that repeat, balls in a box, shaded
fractions, two rings of names, money, a month's calendar and a table."""
import calendar as months
import html
import math

from content.svg_drawing import CIRCLED, COLOURS, FILLS, INK, LIGHT, LINE, circle, fmt, line, polygon, rect, svg, text

# ---------------------------------------------------------------- charts

def _axes(p, left, top, width, height):
    """Value axis with ticks every `step` up to `top`, and the unit above it."""
    body = []
    scale = height / p["top"]
    for value in range(0, p["top"] + 1, p["step"]):
        y = top + height - value * scale
        body.append(line(left, y, left + width, y, colour=LIGHT, width=1))
        body.append(text(left - 6, y, value, 12, "end", "tick", middle=True))
    body.append(line(left, top - 10, left, top + height, width=1.5))
    body.append(line(left, top + height, left + width, top + height, width=1.5))
    body.append(text(left - 4, top - 10, f"单位：{p['unit']}", 12, "start"))
    return body, scale


def _legend(names, x, y, kind="rect"):
    body = []
    for i, name in enumerate(names):
        if kind == "rect":
            body.append(rect(x, y + i * 20 - 10, 14, 12, FILLS[i]))
        else:
            body.append(line(x, y + i * 20 - 4, x + 22, y + i * 20 - 4, colour=SERIES[i], width=2, dash=DASHES[i]))
        body.append(text(x + 28, y + i * 20 + 2, name, 12, "start"))
    return body


def bars(p, answer):
    left, top, height = 58, 46, 200
    groups = p["bars"]
    series = len(groups[0]) - 1
    group_width = 30 * series + 34
    width = group_width * len(groups) + 20
    body, scale = _axes(p, left, top, width, height)
    body.insert(0, text(left + width / 2, 16, p["title"], 15, weight="bold"))
    for g, (name, *values) in enumerate(groups):
        x0 = left + 20 + g * group_width
        for s, value in enumerate(values):
            x = x0 + s * 30
            body.append(rect(x, top + height - value * scale, 26, value * scale, FILLS[s], "bar"))
            if p.get("show_values", True):
                body.append(text(x + 13, top + height - value * scale - 4, fmt(value), 11))
        body.append(text(x0 + 15 * series, top + height + 18, name, 13, cls="name"))
    legend = _legend(p["legend"], left + width + 12, top + 10) if p.get("legend") else []
    return svg(left + width + (90 if legend else 20), top + height + 32, body + legend, p["title"])


SERIES = [INK, "#2f6fb0"]


DASHES = ["", "7 4"]


def line_chart(p, answer):
    left, top, height = 58, 46, 200
    names = [point[0] for point in p["points"]]
    gap = 52
    width = gap * len(names) + 10
    body, scale = _axes(p, left, top, width, height)
    body.insert(0, text(left + width / 2, 16, p["title"], 15, weight="bold"))
    series = len(p["points"][0]) - 1
    for s in range(series):
        coords = [(left + 30 + i * gap, top + height - point[s + 1] * scale) for i, point in enumerate(p["points"])]
        body.append(f'<polyline points="{" ".join(f"{fmt(x)},{fmt(y)}" for x, y in coords)}" '
                    f'stroke="{SERIES[s]}" stroke-width="2"' + (f' stroke-dasharray="{DASHES[s]}"' if DASHES[s] else "")
                    + "/>")
        for (x, y), point in zip(coords, p["points"]):
            body.append(f'<circle class="point" data-series="{s}" cx="{fmt(x)}" cy="{fmt(y)}" r="3.5" '
                        f'fill="{SERIES[s]}" stroke="none"/>')
            body.append(text(x, y - 8 if s == 0 else y + 17, fmt(point[s + 1]), 11))
    for i, name in enumerate(names):
        body.append(text(left + 30 + i * gap, top + height + 18, name, 12, cls="name"))
    legend = _legend(p["legend"], left + width + 12, top + 10, "line") if p.get("legend") else []
    return svg(left + width + (100 if legend else 20), top + height + 32, body + legend, p["title"])


def pie(p, answer):
    cx, cy, r = 130, 150, 105
    body = [text(cx, 22, p["title"], 15, weight="bold")]
    start = 0
    for i, (name, percent) in enumerate(p["sectors"]):
        end = start + percent * 3.6
        a0, a1 = math.radians(start), math.radians(end)
        x0, y0 = cx + r * math.sin(a0), cy - r * math.cos(a0)
        x1, y1 = cx + r * math.sin(a1), cy - r * math.cos(a1)
        large = 1 if end - start > 180 else 0
        body.append(f'<path class="sector" d="M {fmt(cx)} {fmt(cy)} L {fmt(x0)} {fmt(y0)} '
                    f'A {r} {r} 0 {large} 1 {fmt(x1)} {fmt(y1)} Z" fill="{FILLS[i % len(FILLS)]}" '
                    f'stroke="{INK}" stroke-width="1.5"/>')
        middle = math.radians((start + end) / 2)
        tx, ty = cx + 0.6 * r * math.sin(middle), cy - 0.6 * r * math.cos(middle)
        body.append(text(tx, ty - 2, name, 13, cls="name"))
        if p.get("show_percent", True) or name in p.get("shown", []):
            body.append(text(tx, ty + 15, f"{fmt(percent)}％", 13))
        else:
            body.append(text(tx, ty + 15, "？", 13))
        start = end
    return svg(2 * cx, cy + r + 14, body, p["title"])


# ---------------------------------------------------------------- counting pictures

def _icon(kind, x, y, fill):
    if kind == "circle":
        return circle(x, y, 10, fill, "icon")
    if kind == "triangle":
        return polygon([(x, y - 11), (x - 11, y + 9), (x + 11, y + 9)], fill, "icon")
    if kind == "square":
        return rect(x - 9, y - 9, 18, 18, fill, "icon")
    if kind == "star":
        points = []
        for k in range(10):
            radius = 11 if k % 2 == 0 else 4.6
            a = math.radians(k * 36)
            points.append((x + radius * math.sin(a), y - radius * math.cos(a)))
        return polygon(points, fill, "icon")
    raise ValueError(f"no icon {kind}")


def pictograph(p, answer):
    """Rows of icons with their names on the left, one icon per thing counted;
    a row may name its colour (红, 黄, 蓝, 绿)."""
    label_width = p.get("label_width", 56)
    body = []
    longest = max(row[1] for row in p["rows"])
    for r, (name, count, kind, *colour) in enumerate(p["rows"]):
        y = 24 + r * 34
        fill = COLOURS[colour[0]] if colour else FILLS[r % len(FILLS)]
        row = [text(label_width - 8, y + 5, name, 14, "end", "name")]
        row += [_icon(kind, label_width + 16 + k * 28, y, fill) for k in range(count)]
        body.append('<g class="row">' + "".join(row) + "</g>")
    return svg(label_width + 30 + longest * 28, 14 + 34 * len(p["rows"]), body, "数一数")


def pattern(p, answer):
    """A row of icons that repeats, then empty boxes for what comes next."""
    body = []
    for k, kind in enumerate(p["row"]):
        body.append(_icon(kind, 20 + k * 32, 22, FILLS[["circle", "triangle", "square", "star"].index(kind)]))
    for k in range(p["ask"]):
        x = 20 + (len(p["row"]) + k) * 32
        body.append(rect(x - 12, 10, 24, 24, "none", "ask", width=1))
    return svg(20 + (len(p["row"]) + p["ask"]) * 32, 44, body, "找规律")


# Strokes of the character 正, in writing order, in a 24-pixel box.


ZHENG = [(2, 2, 22, 2), (12, 2, 12, 22), (12, 12, 20, 12), (5, 10, 5, 22), (1, 22, 23, 22)]


def tally(p, answer):
    """A tally table: each thing counted is one stroke of 正."""
    body = [text(40, 20, p.get("head", ["项目", "记录"])[0], 14, cls="head"),
            text(190, 20, p.get("head", ["项目", "记录"])[1], 14, cls="head")]
    longest = max(count for _, count in p["rows"])
    width = max(330, 110 + ((longest + 4) // 5) * 32 + 20)
    for r, (name, count) in enumerate(p["rows"]):
        y = 34 + r * 36
        row = [text(40, y + 23, name, 14, cls="name")]
        for k in range(count):
            group, stroke = divmod(k, 5)
            x1, y1, x2, y2 = ZHENG[stroke]
            ox, oy = 100 + group * 32, y + 6
            row.append(line(ox + x1, oy + y1, ox + x2, oy + y2, "stroke", width=2))
        body.append('<g class="row">' + "".join(row) + "</g>")
    rows = len(p["rows"])
    body += [line(0, 28 + r * 36, width, 28 + r * 36, colour=LINE, width=1) for r in range(rows + 1)]
    body.append(line(84, 0, 84, 28 + rows * 36, colour=LINE, width=1))
    return svg(width, 32 + rows * 36, body, "统计表")


def balls(p, answer):
    """Balls in a box, each with the first character of its colour."""
    colours = COLOURS
    body = [f'<path d="M 10 20 L 10 110 L 250 110 L 250 20" stroke="{INK}" stroke-width="2"/>']
    k = 0
    for colour, count in p["balls"]:
        for _ in range(count):
            x, y = 32 + (k % 9) * 25, 96 - (k // 9) * 25
            body.append(circle(x, y, 11, colours[colour], "ball"))
            body.append(text(x, y + 5, colour, 12, cls="mark"))
            k += 1
    return svg(260, 118, body, "摸球")


def fraction(p, answer):
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
                    f'<path class="part{" on" if k < shaded else ""}" d="M {fmt(cx)} {fmt(cy)} '
                    f'L {fmt(cx + r * math.sin(a0))} {fmt(cy - r * math.cos(a0))} A {r} {r} 0 0 1 '
                    f'{fmt(cx + r * math.sin(a1))} {fmt(cy - r * math.cos(a1))} Z" '
                    f'fill="{"#9ccbe8" if k < shaded else "#ffffff"}" stroke="{INK}" stroke-width="1.5"/>')
            width = 88
        else:
            w, h = (88, 88) if kind == "rect" else (150, 36)
            for k in range(parts):
                group.append(rect(x + k * w / parts, 52 - h / 2, w / parts, h, "#9ccbe8" if k < shaded else "#ffffff",
                                   "part on" if k < shaded else "part"))
            width = w
        group.append(text(x + width / 2, 120, CIRCLED[i], 15))
        body.append('<g class="figure">' + "".join(group) + "</g>")
        x += width + 34
    return svg(x - 14, 130, body, "分数")


def venn(p, answer):
    """Two overlapping rings of names: only left, both, only right."""
    r = 95
    left, right, cy = 120, 245, 125
    body = [circle(left, cy, r, "none", "set", width=2), circle(right, cy, r, "none", "set", width=2),
            text(left - 40, 20, p["left"], 15, weight="bold"), text(right + 40, 20, p["right"], 15, weight="bold")]
    regions = [(p["only_left"], left - 50), (p["both"], (left + right) / 2), (p["only_right"], right + 50)]
    for names, x in regions:
        for k, name in enumerate(names):
            body.append(text(x, cy - 12 * (len(names) - 1) + k * 24 + 5, name, 14, cls="name"))
    return svg(right + r + 10, cy + r + 10, body, "集合图")


def money(p, answer):
    """Notes and coins, each with its value written on it."""
    body, x = [], 14
    for value in p["items"]:
        if value.endswith("角") or value == "1元硬币":
            words = value.replace("硬币", "")
            body.append(circle(x + 22, 40, 22, "#e8e0c8", "coin"))
            body.append(text(x + 22, 45, words, 13, cls="money"))
            x += 56
        else:
            body.append(rect(x, 20, 84, 42, "#d9ecd0", "note"))
            body.append(rect(x + 5, 25, 74, 32, "none", width=1))
            body.append(text(x + 42, 46, value, 15, cls="money", weight="bold"))
            x += 96
    return svg(x + 4, 76, body, "人民币")


def calendar(p, answer):
    """One month of a calendar, Sunday first."""
    year, month = p["year"], p["month"]
    first, days = months.monthrange(year, month)         # Monday is 0
    column = (first + 1) % 7                             # Sunday first
    cell = 44
    body = [text(7 * cell / 2 + 10, 22, f"{year}年{month}月", 15, weight="bold")]
    for k, name in enumerate("日一二三四五六"):
        body.append(rect(10 + k * cell, 32, cell, 26, "#f3ead4", width=1))
        body.append(text(10 + k * cell + cell / 2, 50, name, 13, cls="weekday"))
    row = 0
    for day in range(1, days + 1):
        x = 10 + column * cell
        y = 58 + row * 30
        body.append(rect(x, y, cell, 30, "#ffffff", width=1))
        body.append(text(x + cell / 2, y + 20, day, 13, cls="day"))
        column += 1
        if column == 7:
            column, row = 0, row + 1
    rows = row + (1 if column else 0)
    return svg(20 + 7 * cell, 66 + rows * 30, body, "月历")


def table(p, answer):
    """A statistics table as HTML: a head row, then rows of a name and numbers."""
    head = "".join(f"<th>{html.escape(str(h))}</th>" for h in p["head"])
    rows = "".join("<tr>" + "".join(f"<td>{html.escape(str(c))}</td>" for c in row) + "</tr>" for row in p["rows"])
    title = f'<p class="plain" style="margin:4px 0">{html.escape(p["title"])}</p>' if p.get("title") else ""
    return f'{title}<table class="stat"><tr>{head}</tr>{rows}</table>'
