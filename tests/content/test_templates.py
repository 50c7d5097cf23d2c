"""The word-problem grade files of the data directory, read the way the sheet
reads them: every template parses, and every draw of its numbers gives an
answer a child can write down. This reads the templates on its own, without
the program's engine, and computes every answer exactly."""
import ast
import itertools
import operator
import random
import re
import unittest
from fractions import Fraction

from support import ROOT

GRADE_FILES = ("一年级应用题.txt", "二年级应用题.txt", "三年级应用题.txt")
# Units of things that are counted: the answer must be a whole number.
COUNTED = set("个只本人张朵辆棵根颗条块支把道页下段袋束盒套箱瓶件次排组双岁天")
# Measures: a decimal with at most two places can still be written exactly.
MEASURES = {"米", "千米", "平方米", "平方厘米", "千克", "吨", "元"}
DRAWS = 3000
ALL_DRAWS_UP_TO = 20000


def leading_number(text):
    match = re.match(r"\d+", text)
    if not match:
        raise ValueError(f"no number at {text[:8]!r}")
    return int(match.group(0))


def marker_at(line, head):
    """The marker that starts with `head`, up to the next ")"."""
    start = line.index(head)
    return line[start:line.index(")", start) + 1]


def choices(marker, head):
    """The values a "(v=a_b)" or "(v=a#b)" marker can give."""
    body = marker[len(head):-1]
    sep = "_" if "_" in body else "#"
    if sep not in body:
        raise ValueError(f"{marker}: neither _ nor #")
    low, high = (leading_number(part) for part in body.split(sep, 1))
    values = range(low, high)
    if sep == "#":
        values = [v for v in values if v % 2 == 0]
    if not values:
        raise ValueError(f"{marker}: nothing to draw")
    return list(values)


def unit_of(line, remainder):
    tail = line[line.rindex(")") + 1:]
    if remainder:
        return tail[:tail.rindex("?")]
    if tail.startswith("千"):
        return tail[:2]
    if tail.startswith("平"):
        return tail[:3] if tail[:3] == "平方米" else tail[:4]
    return tail[:1]


class Template:
    def __init__(self, line):
        self.line = line
        self.x_marker = marker_at(line, "(x=")
        self.xs = choices(self.x_marker, "(x=")
        self.y_marker, self.ys, self.ks = None, None, None
        if "y=x*" in line:
            self.y_marker = marker_at(line, "(y=x*")
            self.ks = choices(self.y_marker, "(y=x*")
        elif "(y=" in line:
            self.y_marker = marker_at(line, "(y=")
            self.ys = choices(self.y_marker, "(y=")
        self.l_marker, self.ls = None, [None]
        if self.y_marker and "(l=" in line:
            self.l_marker = marker_at(line, "(l=")
            self.ls = choices(self.l_marker, "(l=")
        start = line.index("(z=")
        self.z_marker = line[start:line.rindex(")") + 1]
        self.remainder = "qiuu" in self.z_marker
        self.expression = self.z_marker[3:-1]
        self.unit = unit_of(line, self.remainder)

    def draws(self):
        """(x, y, l) for every draw when there are few, else a random sample."""
        y_axis = self.ks or self.ys or [None]
        every = list(itertools.product(self.xs, y_axis, self.ls))
        if len(every) > ALL_DRAWS_UP_TO:
            every = random.Random(self.line).sample(every, DRAWS)
        for x, yk, l in every:
            yield x, (x * yk if self.ks else yk), l

    def answer(self, x, y, l):
        if self.remainder:
            return Fraction(x % y)
        return evaluate(self.expression, {"x": x, "y": y, "l": l})

    def shown(self, x, y, l):
        text = self.line.replace(self.x_marker, str(x))
        if self.y_marker:
            text = text.replace(self.y_marker, str(y))
        if self.l_marker:
            text = text.replace(self.l_marker, str(l))
        return text.replace(self.z_marker, "多少")


_OPERATORS = {ast.Add: operator.add, ast.Sub: operator.sub,
              ast.Mult: operator.mul, ast.Div: operator.truediv}


def evaluate(expression, names):
    def walk(node):
        if isinstance(node, ast.BinOp) and type(node.op) in _OPERATORS:
            return _OPERATORS[type(node.op)](walk(node.left), walk(node.right))
        if isinstance(node, ast.Constant) and isinstance(node.value, int):
            return Fraction(node.value)
        if isinstance(node, ast.Name) and names.get(node.id) is not None:
            return Fraction(names[node.id])
        raise ValueError(f"{expression}: cannot compute {ast.dump(node)}")
    return walk(ast.parse(expression, mode="eval").body)


def grade_lines(name):
    """The templates of a grade file: every line ends in CR LF, as an editor saves it."""
    data = (ROOT / "data" / name).read_bytes().decode("gbk")
    assert data.endswith("\r\n"), f"{name} does not end with a line end"
    return data[:-2].split("\r\n")


def usable(lines):
    return [line for line in lines if "(x=" in line and "(z=" in line]


class UnitRule(unittest.TestCase):
    def test_the_unit_is_read_as_the_sheet_reads_it(self):
        cases = [
            ("有(x=1_5)个，共(z=x*2)个？", False, "个"),
            ("长(x=1_5)千米，共(z=x*2)千米？", False, "千米"),
            ("边长(x=1_5)米，面积(z=x*x)平方米？", False, "平方米"),
            ("边长(x=1_5)厘米，面积(z=x*x)平方厘米？", False, "平方厘米"),
            ("有(x=7_9)个，每(y=3_4)个一盒，还剩(z=qiuu)个?", True, "个"),
            ("有(x=7_9)米，每(y=3_4)米一段，还剩(z=qiuu)米?", True, "米"),
        ]
        for line, remainder, unit in cases:
            with self.subTest(line=line):
                self.assertEqual(unit_of(line, remainder), unit)


class ShippedTemplates(unittest.TestCase):
    def each_template(self):
        for name in GRADE_FILES:
            for line in usable(grade_lines(name)):
                yield name, line

    def test_every_grade_file_has_enough_different_templates(self):
        for name in GRADE_FILES:
            with self.subTest(file=name):
                lines = grade_lines(name)
                self.assertGreaterEqual(len(usable(lines)), 30)
                self.assertEqual(len(usable(lines)), len(lines), "every line is a template")
                self.assertEqual(len(set(lines)), len(lines), "no template twice")

    def test_every_template_parses_and_reads_cleanly(self):
        for name, line in self.each_template():
            with self.subTest(file=name, line=line):
                template = Template(line)
                self.assertTrue(template.unit in COUNTED or template.unit in MEASURES,
                                f"unit {template.unit!r}")
                ending = "?" if template.remainder else "？"
                self.assertTrue(line.endswith(")" + template.unit + ending),
                                "only the unit and the question mark follow the asked quantity")
                if template.remainder:
                    self.assertEqual(template.expression, "qiuu")
                    self.assertIsNotNone(template.y_marker, "a remainder needs a divisor")
                self.assertNotIn(" ", line)
                x, y, l = next(template.draws())
                shown = template.shown(x, y, l)
                self.assertIsNone(re.search(r"[()=a-z_#*]", shown), shown)

    def test_every_draw_gives_an_answer_a_child_can_write(self):
        for name, line in self.each_template():
            with self.subTest(file=name, line=line):
                template = Template(line)
                for x, y, l in template.draws():
                    z = template.answer(x, y, l)
                    self.assertGreater(z, 0, f"x={x} y={y} l={l}")
                    if template.unit in COUNTED:
                        self.assertEqual(z.denominator, 1, f"x={x} y={y} l={l}")
                    else:
                        self.assertEqual((z * 100).denominator, 1, f"x={x} y={y} l={l}")

    def test_first_grade_stays_with_sums_and_differences_within_100(self):
        for line in usable(grade_lines("一年级应用题.txt")):
            with self.subTest(line=line):
                template = Template(line)
                self.assertIsNone(re.search(r"[*/]", template.expression))
                for x, y, l in template.draws():
                    drawn = [v for v in (x, y, l) if v is not None]
                    self.assertLessEqual(max(drawn + [template.answer(x, y, l)]), 100)

    def test_each_grade_asks_what_it_should(self):
        wanted = {
            "二年级应用题.txt": ["remainder", "*", "/", "米"],
            "三年级应用题.txt": ["平方米", "平方厘米", "千米", "remainder"],
        }
        for name, needs in wanted.items():
            templates = [Template(line) for line in usable(grade_lines(name))]
            kinds = set()
            for template in templates:
                kinds.add(template.unit)
                kinds.update(ch for ch in "*/" if ch in template.expression)
                if template.remainder:
                    kinds.add("remainder")
            for need in needs:
                with self.subTest(file=name, need=need):
                    self.assertIn(need, kinds)


if __name__ == "__main__":
    unittest.main()
