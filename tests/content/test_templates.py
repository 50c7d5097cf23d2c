# SPDX-License-Identifier: GPL-3.0-or-later
"""The word-problem grade files of the data directory, read the way the sheet
reads them: every template parses, every draw of its numbers gives an answer a
child can type and the sheet can mark, and every number and every step of the
working stays inside what the grade has been taught by the template's term
(content/templates/limits.toml). This reads the templates on its own, without
the program's engine, and computes every answer exactly."""
import ast
import itertools
import random
import re
import unittest
from fractions import Fraction

from support import ROOT
from content import kind_templates

GRADE_FILES = kind_templates.FILES
# Units of things that are counted: the answer must be a whole number.
COUNTED = set("个只本人张朵辆棵根颗条块支把道页下段袋束盒套箱瓶件次排组双岁天盆间筐包台位名行幅粒份")
DRAWS = 3000
ALL_DRAWS_UP_TO = 20000
# Numbers a working may use without the question saying them: doubling (a
# perimeter), a square's four sides, tens and hundreds of a percent or a unit,
# the degrees of a right angle, a straight angle and a full turn.
UNSAID_NUMBERS = {1, 2, 4, 10, 60, 90, 100, 180, 360, 1000}
LIMITS = kind_templates.limits()


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

    def names(self, x, y, l):
        return {"x": x, "y": y, "l": l}

    def shown(self, x, y, l):
        text = self.line.replace(self.x_marker, str(x))
        if self.y_marker:
            text = text.replace(self.y_marker, str(y))
        if self.l_marker:
            text = text.replace(self.l_marker, str(l))
        return text.replace(self.z_marker, "多少")


# The working, step by step ----------------------------------------------------

_SIGNS = {ast.Add: "+", ast.Sub: "-", ast.Mult: "*", ast.Div: "/"}


def working(expression, names):
    """The exact value of the expression and its steps [(sign, a, b, result)]."""
    steps = []

    def walk(node):
        if isinstance(node, ast.BinOp) and type(node.op) in _SIGNS:
            a, b = walk(node.left), walk(node.right)
            sign = _SIGNS[type(node.op)]
            result = {"+": lambda: a + b, "-": lambda: a - b,
                      "*": lambda: a * b, "/": lambda: a / b}[sign]()
            steps.append((sign, a, b, result))
            return result
        if isinstance(node, ast.Constant) and isinstance(node.value, (int, float)):
            return Fraction(str(node.value))
        if isinstance(node, ast.Name) and names.get(node.id) is not None:
            return Fraction(names[node.id])
        raise ValueError(f"{expression}: cannot compute {ast.dump(node)}")
    return walk(ast.parse(expression, mode="eval").body), steps


def as_float(expression, names):
    """The value in double arithmetic, as the program's engine computes it."""
    def walk(node):
        if isinstance(node, ast.BinOp):
            a, b = walk(node.left), walk(node.right)
            return {"+": a + b, "-": a - b, "*": a * b, "/": a / b if b else float("nan")}[
                _SIGNS[type(node.op)]]
        if isinstance(node, ast.Constant):
            return float(node.value)
        return float(names[node.id])
    return walk(ast.parse(expression, mode="eval").body)


def number_text(value):
    """A double as the sheet writes it: whole without a point, else 15
    significant digits with the trailing zeros dropped."""
    if value == int(value) and abs(value) < 1e15:
        return str(int(value))
    mantissa, exponent = f"{abs(value):.14e}".split("e")
    digits, exponent = mantissa.replace(".", "").rstrip("0") or "0", int(exponent)
    if exponent < 0:
        text = "0." + "0" * (-exponent - 1) + digits
    elif len(digits) <= exponent + 1:
        text = digits + "0" * (exponent + 1 - len(digits))
    else:
        text = digits[:exponent + 1] + "." + digits[exponent + 1:]
    return ("-" if value < 0 else "") + text


def places(value):
    """Decimal places of an exact value, or None when its decimal never ends."""
    for n in range(0, 7):
        if (value * 10 ** n).denominator == 1:
            return n
    return None


def decimal_text(value):
    n = places(value)
    whole = value * 10 ** n
    text = str(whole.numerator).rjust(n + 1, "0")
    return text if n == 0 else text[:-n] + "." + text[-n:]


# The limits of a term ---------------------------------------------------------

def step_faults(step, met):
    """Why one step of a working is beyond what the term has met ([] if it isn't)."""
    sign, a, b, result = step
    faults = []
    if sign not in met["operations"]:
        return [f"{sign} not yet taught"]
    if a < 0 or b < 0 or result < 0:
        return ["a negative number"]
    if max(a, b, result) > met["largest"]:
        faults.append(f"beyond {met['largest']}")
    decimal = any(v.denominator != 1 for v in (a, b, result))
    if decimal:
        if sign not in met["decimal_operations"]:
            faults.append(f"decimals with {sign} not yet taught")
        if any(places(v) is None or places(v) > met["decimal_places"] for v in (a, b, result)):
            faults.append(f"more than {met['decimal_places']} decimal places")
        if sign in "+-":
            return faults
    if sign in "+-":
        a, b, result = int(a), int(b), int(result)
        if max(a, b, result) > met["plus_minus"] and (a % 100 or b % 100):
            faults.append(f"sums and differences beyond {met['plus_minus']}")
        other = b if sign == "-" else min(a, b, key=lambda v: (v > 9 and v % 10 != 0, v))
        if met["second"] == "一位数或整十数" and other > 9 and other % 10:
            faults.append("two-digit numbers that are not whole tens on both sides")
        if sign == "+" and a % 10 + b % 10 >= 10 and not (a + b <= 10):
            if met["carry"] == "不进位" or (met["carry"] == "一位数" and max(a, b) > 9):
                faults.append("carrying not yet taught")
        if sign == "-" and a > 10 and a % 10 < b % 10 and met["borrow"] == "不退位":
            faults.append("borrowing not yet taught")
    elif sign == "*":
        small, large = sorted((a, b))
        if not any(small <= s and large <= l for s, l in met["multiply"]):
            faults.append(f"{a}×{b} beyond the multiplication taught")
    elif sign == "/":
        divisor, quotient = met["divide"]
        if b > divisor or (not decimal and result > quotient):
            faults.append(f"{a}÷{b} beyond the division taught")
    return faults


def remainder_faults(x, y, met):
    divisor, quotient = met["remainder"]
    if y > divisor or x // y > quotient:
        return [f"{x}÷{y} with a remainder beyond the division taught"]
    return []


def words_not_met(text, grade, term):
    """Watched words of the text that the grade meets only in a later term."""
    met = LIMITS[(grade, term)]["words"]
    later = {w for limits in LIMITS.values() for w in limits["words"]} - set(met)
    return sorted(w for w in later if re.search(w, text))


def shown_numbers(text):
    return [Fraction(n) for n in re.findall(r"\d+(?:\.\d+)?", text)]


def each_template():
    for name in GRADE_FILES:
        grade = kind_templates.grade_of(name)
        for term, line in kind_templates.templates_by_term(name):
            yield name, grade, term, line


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

    def test_numbers_are_written_as_the_sheet_writes_them(self):
        cases = [("0.1+0.2", "0.3"), ("3.14*7*2", "43.96"), ("7/2", "3.5"), ("8/3", "2.66666666666667"),
                 ("1000000*3", "3000000"), ("0.05*3", "0.15")]
        for expression, text in cases:
            with self.subTest(expression=expression):
                self.assertEqual(number_text(as_float(expression, {})), text)


class Limits(unittest.TestCase):
    def test_each_term_names_the_lessons_of_its_grade_list(self):
        for grade in range(1, 7):
            lessons = (ROOT / "data" / f"{grade}.txt").read_bytes().decode("gbk").split("\r\n")
            lessons = [lesson for lesson in lessons if lesson]
            split = lessons.index("上学期总复习") + 1
            with self.subTest(grade=grade):
                self.assertEqual(LIMITS[(grade, "上")]["lessons"], lessons[:split])
                self.assertEqual(LIMITS[(grade, "下")]["lessons"], lessons[split:])

    def test_the_step_check_catches_what_a_grade_has_not_met(self):
        F = Fraction
        cases = [
            ((1, "上"), ("+", F(8), F(7), F(15)), True),
            ((1, "上"), ("+", F(12), F(5), F(17)), True),
            ((1, "上"), ("+", F(15), F(6), F(21)), False),    # past 20, and a carry
            ((1, "上"), ("+", F(13), F(8), F(21)), False),
            ((1, "上"), ("-", F(10), F(4), F(6)), True),
            ((1, "上"), ("-", F(17), F(5), F(12)), True),
            ((1, "上"), ("-", F(13), F(5), F(8)), False),     # borrowing is next term
            ((1, "下"), ("-", F(13), F(5), F(8)), True),
            ((1, "下"), ("+", F(47), F(8), F(55)), True),
            ((1, "下"), ("+", F(47), F(30), F(77)), True),
            ((1, "下"), ("-", F(47), F(14), F(33)), False),   # two-digit minus two-digit
            ((1, "下"), ("+", F(26), F(35), F(61)), False),
            ((1, "下"), ("*", F(2), F(3), F(6)), False),
            ((2, "上"), ("+", F(47), F(38), F(85)), True),
            ((2, "上"), ("*", F(7), F(8), F(56)), True),
            ((2, "上"), ("*", F(12), F(3), F(36)), False),
            ((2, "下"), ("/", F(56), F(8), F(7)), True),
            ((2, "下"), ("/", F(60), F(5), F(12)), False),    # beyond the tables
            ((2, "下"), ("+", F(300), F(500), F(800)), True),
            ((2, "下"), ("+", F(320), F(50), F(370)), False),
            ((3, "上"), ("/", F(96), F(12), F(8)), False),    # two-digit divisors: grade 4
            ((3, "下"), ("*", F(23), F(45), F(1035)), True),
            ((3, "下"), ("/", F(7), F(2), F(7, 2)), False),
            ((4, "上"), ("/", F(96), F(12), F(8)), True),
            ((4, "下"), ("+", F("3.45"), F("1.2"), F("4.65")), True),
            ((4, "下"), ("*", F("3.5"), F(2), F(7)), False),  # decimals times: grade 5
            ((5, "上"), ("*", F("3.5"), F(2), F(7)), True),
            ((5, "上"), ("/", F(7), F(2), F(7, 2)), True),
        ]
        for term, step, fits in cases:
            with self.subTest(term=term, step=step):
                self.assertEqual(step_faults(step, LIMITS[term]) == [], fits, step_faults(step, LIMITS[term]))


class ShippedTemplates(unittest.TestCase):
    def test_every_grade_file_has_enough_different_templates_for_both_terms(self):
        for name in GRADE_FILES:
            with self.subTest(file=name):
                lines = grade_lines(name)
                self.assertGreaterEqual(len(usable(lines)), 30)
                templates = usable(lines)
                self.assertEqual([l for l in lines if l not in templates], list(kind_templates.TERMS),
                                 "every line is a template or a term's line")
                self.assertEqual(len(set(lines)), len(lines), "no template twice")
                terms = [term for term, _ in kind_templates.templates_by_term(name)]
                self.assertEqual(terms, sorted(terms, key="上下".index), "the first term comes first")
                self.assertGreaterEqual(min(terms.count("上"), terms.count("下")), 10)

    def test_every_template_parses_and_reads_cleanly(self):
        for name, grade, term, line in each_template():
            with self.subTest(file=name, line=line):
                template = Template(line)
                units = LIMITS[(grade, term)]["units"]
                self.assertTrue(template.unit in COUNTED or template.unit in units,
                                f"unit {template.unit!r}")
                ending = "?" if template.remainder else "？"
                self.assertTrue(line.endswith(")" + template.unit + ending),
                                "only the unit and the question mark follow the asked quantity")
                if template.remainder:
                    self.assertEqual(template.expression, "qiuu")
                    self.assertIsNotNone(template.y_marker, "a remainder needs a divisor")
                else:
                    self.assertNotIn("?", line)
                self.assertNotIn(" ", line)
                self.assertEqual(words_not_met(line, grade, term), [])
                x, y, l = next(template.draws())
                shown = template.shown(x, y, l)
                self.assertIsNone(re.search(r"[()=a-z_#*]", shown), shown)
                words = template.line
                for marker in (template.x_marker, template.y_marker, template.l_marker, template.z_marker):
                    words = words.replace(marker, "、") if marker else words
                said = set(shown_numbers(words))
                for literal in re.findall(r"\d+(?:\.\d+)?", template.expression):
                    self.assertTrue(Fraction(literal) in said or int(Fraction(literal)) in UNSAID_NUMBERS
                                    and Fraction(literal).denominator == 1,
                                    f"the working uses {literal}, the question does not say it")

    def test_every_draw_fits_the_grade_and_gives_an_answer_a_child_can_type(self):
        checked = 0
        for name, grade, term, line in each_template():
            met = LIMITS[(grade, term)]
            template = Template(line)
            with self.subTest(file=name, line=line):
                for x, y, l in template.draws():
                    checked += 1
                    draw = f"x={x} y={y} l={l}"
                    for number in shown_numbers(template.shown(x, y, l)):
                        self.assertLessEqual(number, met["largest"], draw)
                        self.assertLessEqual(places(number), met["decimal_places"], draw)
                    if template.remainder:
                        self.assertEqual(remainder_faults(x, y, met), [], draw)
                        self.assertGreater(x % y, 0, draw)
                        continue
                    names = template.names(x, y, l)
                    z, steps = working(template.expression, names)
                    self.assertLessEqual(len(steps), met["steps"], draw)
                    for step in steps:
                        self.assertEqual(step_faults(step, met), [], f"{draw}: {step}")
                    self.assertGreater(z, 0, draw)
                    if template.unit in COUNTED:
                        self.assertEqual(z.denominator, 1, draw)
                    self.assertIsNotNone(places(z), draw)
                    self.assertEqual(number_text(as_float(template.expression, names)), decimal_text(z),
                                     f"{draw}: the sheet would not write the exact answer")
        print(f"\n{checked} drawn word problems checked")
        self.assertGreater(checked, 50000)

    def test_each_grade_asks_what_it_should(self):
        wanted = {
            1: ["+", "-", "元"],
            2: ["*", "/", "remainder", "米", "千克"],
            3: ["倍", "周长", "平方米", "平方厘米", "千米", "remainder"],
            4: ["速度", "平均数", "度", "decimal", "remainder"],
            5: ["decimal *", "decimal /", "升", "每隔", "面积"],
            6: ["分之", "%", "3.14", "∶", "打.{1,2}折"],
        }
        for name in GRADE_FILES:
            grade = kind_templates.grade_of(name)
            kinds = set()
            for _, _, _, line in (t for t in each_template() if t[0] == name):
                template = Template(line)
                kinds.add(template.unit)
                kinds.update(ch for ch in "+-*/" if ch in template.expression)
                kinds.update(w for w in wanted[grade]
                             if w not in "+-*/" and w != "remainder" and not w.startswith("decimal")
                             and re.search(w, line))
                if template.remainder:
                    kinds.add("remainder")
                    continue
                for step in working(template.expression, template.names(*next(template.draws())))[1]:
                    if any(v.denominator != 1 for v in step[1:]):
                        kinds.update({"decimal", "decimal " + step[0]})
            for need in wanted[grade]:
                with self.subTest(file=name, need=need):
                    self.assertIn(need, kinds)


if __name__ == "__main__":
    unittest.main()
