# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading a paper picture back: the picture drawn as the pages draw it,
parsed as XML, with small helpers to find elements by class and to turn
drawn positions into the whole numbers or decimals they stand for."""
import xml.etree.ElementTree as ElementTree
from fractions import Fraction

from support import ROOT  # noqa: F401  (puts tools/ on the path)
from content import paper_pictures

PI = Fraction("3.14")



def svg_root(picture, answer=False):
    drawn = paper_pictures.draw(picture, answer)
    start, end = drawn.index("<svg"), drawn.rindex("</svg>") + len("</svg>")
    root = ElementTree.fromstring(drawn[start:end])
    for element in root.iter():
        element.tag = element.tag.split("}")[-1]
    return root


def classes(element):
    return element.get("class", "").split()


def with_class(root, name, tag=None):
    return [e for e in root.iter() if name in classes(e) and (tag is None or e.tag == tag)]


def num(element, attribute):
    return float(element.get(attribute))


def points_of(polygon):
    return [tuple(float(v) for v in pair.split(",")) for pair in polygon.get("points").split()]


def text_of(element):
    return "".join(element.itertext())


def near(a, b, tolerance=0.02):
    return abs(a - b) <= tolerance


def whole(value, tolerance=0.02):
    """A measured value that must be a whole number (or a given fraction of one)."""
    rounded = round(value)
    assert near(value, rounded, tolerance), f"{value} is not whole"
    return rounded


def decimal(value, places=2):
    return Fraction(round(value * 10 ** places), 10 ** places)
