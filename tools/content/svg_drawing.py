# SPDX-License-Identifier: GPL-3.0-or-later
"""Small pieces of inline SVG for the paper pictures: text, lines, polygons,
circles and rectangles with the house colours, written as short well-formed
XML so the tests can read a picture back."""
import html

INK = "#333333"
LINE = "#9a9a9a"
LIGHT = "#d9d9d9"
FILLS = ["#f6c6a8", "#b9dcf2", "#c8e6b0", "#f3e19c", "#e4c4ee", "#f4b6c2"]
ANSWER = "#d03a2f"
CIRCLED = "①②③④⑤⑥⑦⑧⑨⑩"
COLOURS = {"红": "#f08a80", "黄": "#f6d86b", "白": "#ffffff", "蓝": "#8fc1ec", "绿": "#9ed48a", "黑": "#9a9a9a"}


def fmt(value):
    """A coordinate as short text: 12, 12.5, 12.35."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def svg(width, height, body, label=""):
    title = f"<title>{html.escape(label)}</title>" if label else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" class="pic" width="{fmt(width)}" height="{fmt(height)}" '
            f'viewBox="0 0 {fmt(width)} {fmt(height)}" font-size="14" fill="none" stroke-linecap="round">'
            f"{title}{''.join(body)}</svg>")


def text(x, y, words, size=14, anchor="middle", cls="", colour=INK, weight="", middle=False):
    """Words at (x, y): y is the baseline, or the middle of the letters when `middle`."""
    css = f' class="{cls}"' if cls else ""
    bold = f' font-weight="{weight}"' if weight else ""
    centred = ' dominant-baseline="central"' if middle else ""
    return (f'<text{css} x="{fmt(x)}" y="{fmt(y)}" font-size="{size}" text-anchor="{anchor}" '
            f'fill="{colour}" stroke="none"{bold}{centred}>{html.escape(str(words))}</text>')


def line(x1, y1, x2, y2, cls="", colour=INK, width=1.5, dash=""):
    css = f' class="{cls}"' if cls else ""
    dashed = f' stroke-dasharray="{dash}"' if dash else ""
    return (f'<line{css} x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" '
            f'stroke="{colour}" stroke-width="{fmt(width)}"{dashed}/>')


def polygon(points, fill, cls="", colour=INK, width=1.5, dash=""):
    css = f' class="{cls}"' if cls else ""
    dashed = f' stroke-dasharray="{dash}"' if dash else ""
    text = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
    return f'<polygon{css} points="{text}" fill="{fill}" stroke="{colour}" stroke-width="{fmt(width)}"{dashed}/>'


def circle(cx, cy, r, fill="none", cls="", colour=INK, width=1.5):
    css = f' class="{cls}"' if cls else ""
    return (f'<circle{css} cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" fill="{fill}" '
            f'stroke="{colour}" stroke-width="{fmt(width)}"/>')


def rect(x, y, w, h, fill, cls="", colour=INK, width=1.5):
    css = f' class="{cls}"' if cls else ""
    return (f'<rect{css} x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" fill="{fill}" '
            f'stroke="{colour}" stroke-width="{fmt(width)}"/>')


def arrow_north(x, y):
    """A north arrow with its word, the tip at (x, y)."""
    return (line(x, y + 34, x, y, width=2) + polygon([(x, y - 4), (x - 6, y + 8), (x + 6, y + 8)], INK)
            + text(x, y - 8, "北", 15))
