# SPDX-License-Identifier: GPL-3.0-or-later
"""The method pages of the divisor tab (built-in texts Text16 and Text17).

The short-division ladders are laid out here from their two numbers, so the
page's own words about them are what a test checks against the numbers."""
import math
import re

from content.common import load_toml

SOURCE = "texts/divisor_methods.toml"
BAR = "border-right: 2px solid #555"
RULE = "border-top: 2px solid #555"
LADDER = re.compile(r"^\{short_division (\d+) (\d+)\}$", re.M)


def smallest_common_divisor(a, b):
    return next(d for d in range(2, min(a, b) + 1) if a % d == 0 and b % d == 0)


def ladder_steps(a, b):
    """(divisor, a, b) for each division, then (None, a, b) for the last quotients."""
    steps = []
    while math.gcd(a, b) > 1:
        d = smallest_common_divisor(a, b)
        steps.append((d, a, b))
        a, b = a // d, b // d
    return steps + [(None, a, b)]


def ladder_html(a, b):
    rows = []
    for i, (divisor, x, y) in enumerate(ladder_steps(a, b)):
        left = f'<td style="{BAR}">{divisor}</td>' if divisor else "<td></td>"
        cell = f'<td style="{RULE}">' if i else "<td>"
        rows.append(f"<tr>{left}{cell}{x}</td>{cell}{y}</td></tr>")
    table = '<table cellpadding="6" style="border-collapse: collapse; text-align: right">'
    return "\n".join([table, *rows, "</table>"])


def page_text(html):
    return LADDER.sub(lambda m: ladder_html(int(m.group(1)), int(m.group(2))), html.strip()) + "\n"


def build(out):
    for page in load_toml(SOURCE)["pages"]:
        out.source_text(f"src/library/texts/built/{page['target']}.htm", page_text(page["html"]))
