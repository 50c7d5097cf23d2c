# SPDX-License-Identifier: GPL-3.0-or-later
"""Answers read back from the statistics and counting pictures: bar and line
charts against their axis numbers, pie sectors by their angles, icons and
tally strokes counted row by row, names placed in two rings, money, a
calendar checked against the calendar itself, and a table."""
import calendar as months
import math
import re
from fractions import Fraction

from svg_reading import classes, decimal, num, points_of, svg_root, text_of, whole, with_class


# ---------------------------------------------------------------- charts

def _value_scale(root):
    """Pixels per unit and the y of zero, from the numbers on the value axis."""
    ticks = [(float(text_of(t)), num(t, "y")) for t in with_class(root, "tick", "text")]
    (v0, y0), (v1, y1) = ticks[0], ticks[-1]
    per_unit = (y0 - y1) / (v1 - v0)
    return per_unit, y0 + v0 * per_unit


def _names_by_x(root):
    return [(text_of(t), num(t, "x")) for t in with_class(root, "name", "text")]


def chart_values(picture):
    """{name: [value of each series]} read off the bars or points."""
    root = svg_root(picture)
    per_unit, zero = _value_scale(root)
    names = _names_by_x(root)
    values = {name: [] for name, _ in names}
    if picture["kind"] == "bars":
        marks = [(num(b, "x") + num(b, "width") / 2, num(b, "height") / per_unit) for b in with_class(root, "bar")]
    else:
        marks = [(num(c, "cx"), (zero - num(c, "cy")) / per_unit) for c in with_class(root, "point")]
    for x, value in sorted(marks):
        name = min(names, key=lambda n: abs(n[1] - x))[0]
        values[name].append(decimal(value, 1) if picture.get("decimal") else Fraction(whole(value)))
    return values


def chart(picture, root, words):
    values = chart_values(picture)
    first = {name: v[0] for name, v in values.items()}
    kind = words[0]
    if kind == "value":
        return values[words[1]][int(words[2]) if len(words) > 2 else 0]
    if kind == "total":
        return sum(sum(v) for v in values.values())
    if kind == "mean":
        return sum(first.values()) / len(first)
    if kind in ("most", "least"):
        pick = max if kind == "most" else min
        best = pick(first.values())
        assert list(first.values()).count(best) == 1, "one answer only"
        return next(name for name, v in first.items() if v == best)
    if kind == "diff":
        return first[words[1]] - first[words[2]]
    if kind in ("rise-from", "rise-to"):
        names = list(first)
        rises = [first[b] - first[a] for a, b in zip(names, names[1:])]
        best = max(rises)
        assert rises.count(best) == 1, "one steepest rise"
        at = rises.index(best)
        return names[at] if kind == "rise-from" else names[at + 1]
    raise KeyError(kind)


def pie_percents(picture):
    root = svg_root(picture)
    sectors = []
    for path in with_class(root, "sector", "path"):
        n = [float(v) for v in re.findall(r"-?\d+(?:\.\d+)?", path.get("d"))]
        cx, cy, x0, y0, x1, y1 = n[0], n[1], n[2], n[3], n[-2], n[-1]
        a0 = math.degrees(math.atan2(x0 - cx, cy - y0)) % 360
        a1 = math.degrees(math.atan2(x1 - cx, cy - y1)) % 360
        sectors.append((cx, cy, a0, (a1 - a0) % 360 or 360))
    percents = {}
    for text in with_class(root, "name", "text"):
        cx, cy = sectors[0][0], sectors[0][1]
        at = math.degrees(math.atan2(num(text, "x") - cx, cy - num(text, "y"))) % 360
        inside = [s for s in sectors if (at - s[2]) % 360 < s[3]]
        percents[text_of(text)] = decimal(inside[0][3] / 3.6)
    return percents


def pie(picture, root, words):
    percents = pie_percents(picture)
    if words[0] == "percent":
        return percents[words[1]]
    if words[0] == "of":
        return Fraction(words[2]) * percents[words[1]] / 100
    if words[0] == "diff-of":
        return Fraction(words[3]) * (percents[words[1]] - percents[words[2]]) / 100
    raise KeyError(words[0])


# ---------------------------------------------------------------- counting pictures

def row_counts(root, mark_class, mark_tag=None):
    counts = {}
    for row in with_class(root, "row", "g"):
        name = text_of(with_class(row, "name", "text")[0])
        counts[name] = len(with_class(row, mark_class, mark_tag))
    return counts


def _counted(counts, words):
    kind = words[0]
    if kind == "count":
        return Fraction(counts[words[1]])
    if kind == "total":
        return Fraction(sum(counts.values()))
    if kind == "diff":
        return Fraction(counts[words[1]] - counts[words[2]])
    if kind == "rows":
        return Fraction(len(counts))
    if kind in ("most", "least"):
        best = (max if kind == "most" else min)(counts.values())
        assert list(counts.values()).count(best) == 1, "one answer only"
        return next(name for name, n in counts.items() if n == best)
    raise KeyError(kind)


def pictograph(picture, root, words):
    return _counted(row_counts(root, "icon"), words)


def tally(picture, root, words):
    return _counted(row_counts(root, "stroke", "line"), words)


def balls(picture, root, words):
    counts = {}
    for mark in with_class(root, "mark", "text"):
        counts[text_of(mark)] = counts.get(text_of(mark), 0) + 1
    assert len(with_class(root, "ball")) == sum(counts.values())
    if words[0] == "even":
        return Fraction(counts[words[1]] - counts[words[2]])
    return _counted(counts, words)


def icon_symbol(element):
    if element.tag == "circle":
        return "○"
    if element.tag == "rect":
        return "□"
    return "△" if len(points_of(element)) == 3 else "☆"


def pattern(picture, root, words):
    row = [icon_symbol(e) for e in with_class(root, "icon")]
    period = next(p for p in range(1, len(row)) if all(row[i] == row[i - p] for i in range(p, len(row))))
    assert len(row) >= 2 * period, "the rule shows at least twice"
    return row[(len(row) + int(words[1]) - 1) % period]


def fraction(picture, root, words):
    figure = with_class(root, "figure", "g")[int(words[1]) - 1]
    parts = with_class(figure, "part")
    shaded = [p for p in parts if "on" in classes(p)]
    assert math.gcd(len(parts), len(shaded)) == 1, "the fraction is in lowest terms"
    return f"{len(parts)}分之{len(shaded)}"


def venn(picture, root, words):
    rings = [(num(c, "cx"), num(c, "cy"), num(c, "r")) for c in with_class(root, "set", "circle")]
    inside = {"left": 0, "right": 0, "both": 0, "total": 0}
    for text in with_class(root, "name", "text"):
        x, y = num(text, "x"), num(text, "y") - 5
        where = [math.hypot(x - cx, y - cy) < r - 8 for cx, cy, r in rings]
        assert any(where), f"{text_of(text)} stands outside both rings"
        inside["left"] += where[0]
        inside["right"] += where[1]
        inside["both"] += all(where)
        inside["total"] += 1
    return Fraction(inside[words[0]])


def money(picture, root, words):
    jiao = 0
    for text in with_class(root, "money", "text"):
        value, unit = re.fullmatch(r"(\d+)(元|角)", text_of(text)).groups()
        jiao += int(value) * (10 if unit == "元" else 1)
    return Fraction({"yuan": jiao // 10, "jiao": jiao % 10, "total-jiao": jiao}[words[0]])


def calendar(picture, root, words):
    columns = {num(t, "x"): text_of(t) for t in with_class(root, "weekday", "text")}
    days = {int(text_of(t)): columns[num(t, "x")] for t in with_class(root, "day", "text")}
    year, month = picture["year"], picture["month"]
    for day, name in days.items():          # the drawing agrees with the calendar itself
        assert "一二三四五六日"[months.weekday(year, month, day)] == name, f"{month}月{day}日"
    if words[0] == "weekday":
        return days[int(words[1])]
    if words[0] == "count":
        return Fraction(sum(1 for name in days.values() if name == words[1]))
    if words[0] == "days":
        return Fraction(len(days))
    raise KeyError(words[0])


def table(picture, root, words):
    head, rows = picture["head"], {row[0]: row[1:] for row in picture["rows"]}
    kind = words[0]
    if kind == "cell":
        return Fraction(rows[words[1]][head.index(words[2]) - 1])
    if kind == "row-total":
        return Fraction(sum(rows[words[1]]))
    if kind == "col-total":
        return Fraction(sum(row[head.index(words[1]) - 1] for row in rows.values()))
    if kind == "total":
        return Fraction(sum(map(sum, rows.values())))
    if kind == "row-max":
        values = rows[words[1]]
        assert values.count(max(values)) == 1
        return head[values.index(max(values)) + 1]
    raise KeyError(kind)
