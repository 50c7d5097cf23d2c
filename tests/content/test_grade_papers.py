"""The grade exam papers: the catalogue's 23 papers in order, each a page and
an answer text, and every answer that is a computation worked out again here."""
import calendar
import itertools
import math
import re
import unittest
from fractions import Fraction

from support import ROOT
from content import arith
from content.common import escape
from content import kind_grade_papers as papers_kind

TITLES = [f"{g}年级{t}学期{e}考试题" for g in range(1, 7) for t in (1, 2) for e in ("期中", "期末")]
TITLES.remove("6年级2学期期中考试题")
FILES = [f"{g}{k}" for g in range(1, 7) for k in (1, 2, 3, 4)]
FILES.remove("63")

COMPARE = {"＞": lambda x, y: x > y, "＜": lambda x, y: x < y, "＝": lambda x, y: x == y}


def every_question(paper):
    for section in paper["section"]:
        for number, question in enumerate(section["questions"], 1):
            yield f"{paper['title']} {section['title']} {number}", section, question


def number_in(text):
    """The value of an answer such as "62", "B．54", "300厘米", "4分之3" or "3∶5"."""
    text = re.sub(r"^[A-D]．", "", text.strip())
    ratio = re.fullmatch(r"(\d+)∶(\d+)", text)
    if ratio:
        return Fraction(int(ratio.group(1)), int(ratio.group(2)))
    whole = arith.value(text)
    if whole is not None:
        return whole
    match = re.search(r"\d+又\d+分之\d+|\d+分之\d+|\d+(?:\.\d+)?％?", text)
    return arith.value(match.group(0)) if match else None


def numbers_in(text):
    return {Fraction(n) for n in re.findall(r"\d+(?:\.\d+)?", text)}


def divisors(n):
    return [d for d in range(1, n + 1) if n % d == 0]


def is_prime(n):
    return n > 1 and divisors(n) == [1, n]


def common_multiples(a, b, numbers):
    return (m for m in numbers if m % a == 0 and m % b == 0)


# Checks by name, for answers that are not one computation: "gcd:12 18".
NAMED = {
    "factors": lambda n: frozenset(divisors(n)),
    "prime-factors": lambda n: frozenset(d for d in divisors(n) if is_prime(d)),
    "gcd": math.gcd,
    "lcm": math.lcm,
    "weighings": lambda n: next(k for k in itertools.count() if 3 ** k >= n),
    "pigeonhole": lambda things, boxes: -(-things // boxes),
    "february": lambda year: calendar.monthrange(year, 2)[1],
    "year": lambda year: 366 if calendar.isleap(year) else 365,
    "first-multiple": lambda a, b, start: next(common_multiples(a, b, itertools.count(start))),
    "last-multiple": lambda a, b, end: next(common_multiples(a, b, range(end, 0, -1))),
}


def expected_value(check):
    """What `check` says the answer is worth: a number, or a set of numbers."""
    name, _, argument = check.partition(":")
    if name in NAMED:
        return NAMED[name](*(int(n) for n in argument.split()))
    if name in ("ceil", "floor"):
        exact = arith.value(argument)
        return Fraction(math.ceil(exact) if name == "ceil" else math.floor(exact))
    if name.startswith("≈") and argument:
        scale = 10 ** int(name[1:])
        return Fraction(math.floor(arith.value(argument) * scale + Fraction(1, 2)), scale)
    return arith.value(check)


def answer_value(expected, answer):
    if isinstance(expected, frozenset):
        return frozenset(int(n) for n in re.findall(r"\d+", answer))
    return number_in(answer)


def sides_of(option):
    """The lengths in an option such as "B．5、5、9"."""
    return sorted(int(n) for n in re.findall(r"\d+", option))


def rounds_to(number, unit):
    return (number + unit // 2) // unit * unit


def only_chosen(question, holds):
    """Does `holds` say yes to the chosen option and to no other?"""
    said = [holds(option) for option in question["options"]]
    return said["ABCD".index(question["a"])] and said.count(True) == 1


def chosen_matches(question, check):
    if check == "triangle":
        return only_chosen(question, lambda o: sum(sides_of(o)[:2]) > sides_of(o)[2])
    if check.startswith("rounds:"):
        unit, target = (int(n) for n in check[len("rounds:"):].split())
        return only_chosen(question, lambda o: rounds_to(int(number_in(o)), unit) == target)
    if check.startswith("≥"):
        return only_chosen(question, lambda o: number_in(o) >= arith.value(check[1:]))
    values = [number_in(option) for option in question["options"]]
    chosen = values["ABCD".index(question["a"])]
    if check in ("max", "min"):
        right = max(values) if check == "max" else min(values)
        return chosen == right and values.count(right) == 1
    if check == "prime":
        return is_prime(int(chosen)) and sum(is_prime(int(v)) for v in values) == 1
    if check == "terminating":
        ends = [set(n for n in divisors(v.denominator) if is_prime(n)) <= {2, 5} for v in values]
        return ends[values.index(chosen)] and ends.count(True) == 1
    if check.startswith("≈"):
        target = arith.value(check[1:])
        distances = [abs(v - target) for v in values]
        return distances[values.index(chosen)] == min(distances) and distances.count(min(distances)) == 1
    return chosen == expected_value(check) and values.count(chosen) == 1


def solves(equation, answer):
    """Does the last line "x＝…" of `answer` make both sides of `equation` equal?"""
    root = arith.value(answer.split("\n")[-1].split("＝")[1])
    assert root is not None, answer
    text = equation.replace("∶", "÷")
    text = re.sub(r"(?<=[\d％)）])(?=[x(（])", "×", text).replace("x", f"({root})")
    left, right = (arith.value(side) for side in text.split("＝"))
    assert None not in (left, right), f"{equation}: cannot put x in"
    return left == right


def compares(text, sign):
    """Does `sign` belong in the one blank of "13－6（　）8"?"""
    left, right = (arith.value(side) for side in papers_kind.BLANK.split(text))
    assert None not in (left, right), f"{text}: give its sides"
    return COMPARE[sign](left, right)


def in_lowest_terms(answer):
    for denominator, numerator in re.findall(r"(\d+)分之(\d+)", answer):
        if math.gcd(int(denominator), int(numerator)) != 1:
            return False
    return all(math.gcd(int(a), int(b)) == 1 for a, b in re.findall(r"(\d+)∶(\d+)", answer))


def _recompute_checked(question, checks):
    if "options" in question:
        assert chosen_matches(question, checks[0]), f"{checks[0]}: not {question['a']}"
    elif papers_kind.is_word_problem(question):
        said = re.search(r"\d+(?:\.\d+)?", question["a"].split("\n")[-1]).group(0)
        assert expected_value(checks[0]) == number_in(said), f"{checks[0]} against {said}"
    else:
        expected = [expected_value(c) for c in checks]
        got = [answer_value(e, a) for e, a in zip(expected, papers_kind.answer_list(question))]
        assert expected == got, f"{checks}: {expected} against {got}"


def _recompute_items(question):
    for item, answer in zip(question["items"], question["a"]):
        if answer in COMPARE:
            assert compares(item, answer), f"{item}: {answer}"
        else:
            text = papers_kind.filled(item, answer)
            assert arith.problems(text) == [] and arith.checked(text) >= 1, text


def _recompute_word_problem(answer):
    assert arith.problems(answer) == [], arith.problems(answer)
    if "解：设" in answer:
        lines = answer.split("\n")
        equation = next(line for line in lines[1:] if "x" in line and "＝" in line)
        root = next(line for line in reversed(lines) if line.startswith("x＝"))
        assert solves(equation, root), f"{equation}: {root}"
        return True
    return arith.checked(answer) >= 1


def recompute(question):
    """Checks the question's answer by working it out. Returns whether it could
    be worked out at all, and raises AssertionError when it is wrong."""
    answers = papers_kind.answer_list(question)
    if "最简" in question["q"]:
        assert all(in_lowest_terms(a) for a in answers), answers
    checks = question.get("check")
    if checks is not None:
        _recompute_checked(question, checks if isinstance(checks, list) else [checks])
        return True
    if "sides" in question:
        left, right = (arith.value(side) for side in question["sides"])
        sign = question.get("sign", question["a"])
        assert COMPARE[sign](left, right), f"{left} {sign} {right}"
        return True
    if "items" in question:
        _recompute_items(question)
        return True
    if "options" in question:
        return False
    q = question["q"]
    if papers_kind.is_equation(question):
        assert solves(q.split("：")[-1], answers[0]), f"{q}: {answers[0]}"
        return True
    if papers_kind.is_calculation(question):
        text = q + "＝" + answers[0].replace("\n", "")
        assert arith.problems(text) == [] and arith.checked(text) >= 1, text
        return True
    if papers_kind.is_word_problem(question):
        return _recompute_word_problem(answers[0])
    if papers_kind.BLANK.search(q):
        if len(answers) == 1 and answers[0] in COMPARE:
            assert compares(q.split("：")[-1], answers[0]), q
            return True
        text = papers_kind.filled(q, answers)
        assert arith.problems(text) == [], arith.problems(text)
        return arith.checked(text) > arith.checked(q)
    return False


class Catalogue(unittest.TestCase):
    def setUp(self):
        self.papers = papers_kind.papers()

    def test_the_catalogues_papers_in_order(self):
        self.assertEqual([p["title"] for p in self.papers], TITLES)
        self.assertEqual([p["number"] for p in self.papers], list(range(2001, 2024)))
        self.assertEqual([p["file"] for p in self.papers], FILES)
        self.assertEqual([p["answers"] for p in self.papers], list(range(23)))

    def test_each_paper_has_fifteen_to_twenty_five_questions(self):
        for paper in self.papers:
            with self.subTest(paper=paper["title"]):
                count = sum(len(s["questions"]) for s in paper["section"])
                self.assertGreaterEqual(count, 15)
                self.assertLessEqual(count, 25)

    def test_every_question_has_its_answer(self):
        for paper in self.papers:
            for where, section, question in every_question(paper):
                with self.subTest(question=where):
                    answers = papers_kind.answer_list(question)
                    self.assertTrue(all(a.strip() for a in answers))
                    blanks = len(papers_kind.BLANK.findall(question["q"]))
                    if "items" in question:
                        self.assertEqual(len(answers), len(question["items"]))
                    elif "options" in question:
                        self.assertIn(question["a"], "ABCD")
                        self.assertTrue(any(o.startswith(question["a"] + "．") for o in question["options"]))
                    elif blanks:
                        self.assertEqual(len(answers), blanks)

    def test_word_problems_end_with_a_sentence_of_answer(self):
        for paper in self.papers:
            for where, section, question in every_question(paper):
                if "应用题" in section["title"] or "解决问题" in section["title"]:
                    with self.subTest(question=where):
                        self.assertRegex(question["a"], r"＝[^\n]*\n(.*\n)*答：[^\n]+。$")


class Answers(unittest.TestCase):
    def test_every_computed_answer_is_right(self):
        total = recomputed = 0
        for paper in papers_kind.papers():
            for where, _, question in every_question(paper):
                total += 1
                with self.subTest(question=where):
                    try:
                        recomputed += recompute(question)
                    except AssertionError as wrong:
                        self.fail(f"{where}: {wrong}")
        # nearly every answer is worked out again; the rest are words (a time read off a clock, a name)
        self.assertGreaterEqual(recomputed / total, 0.9, f"{recomputed} of {total}")

    def test_the_answer_sentence_says_what_was_worked_out(self):
        for paper in papers_kind.papers():
            for where, _, question in every_question(paper):
                if not papers_kind.is_word_problem(question):
                    continue
                *working, sentence = question["a"].split("\n")
                known = numbers_in(question["q"]) | numbers_in("\n".join(working))
                with self.subTest(question=where):
                    self.assertLessEqual(numbers_in(sentence), known)

    def test_the_checks_catch_a_wrong_answer(self):
        wrong = [
            {"q": "35＋27＝（　　）", "a": "52"},
            {"q": "", "items": ["8＋5＝", "12－7＝"], "a": ["13", "6"]},
            {"q": "25×(36－18)", "a": "25×18＝460"},
            {"q": "437÷6", "a": "72……4"},
            {"q": "比一比：35＋8（　）43", "a": "＜"},
            {"q": "", "items": ["6＋2（　）9", "5－3（　）1"], "a": ["＜", "＜"]},
            {"q": "得数是7的是（　　）", "options": ["A．3＋4", "B．9－2"], "a": "A", "check": "7"},
            {"q": "3米（　）290厘米", "a": "＜", "sides": ["3×100", "290"]},
            {"q": "3米＝（　　）厘米", "a": "30", "check": "3×100"},
            {"q": "最大的数是（　　）", "options": ["A．45", "B．54"], "a": "A", "check": "54"},
            {"q": "解方程：3x＋5＝20", "a": "3x＝15\nx＝6"},
            {"q": "3(x－2)＝15", "a": "x－2＝5\nx＝8"},
            {"q": "12和18的最大公因数是（　　）。", "a": "3", "check": "gcd:12 18"},
            {"q": "18的因数有（　　）。", "a": "1、2、3、6、18", "check": "factors:18"},
            {"q": "保留两位小数约是（　　）。", "a": "2.46", "check": "≈2:2.7÷1.1"},
            {"q": "是质数的是（　　）。", "options": ["A．21", "B．29"], "a": "A", "check": "prime"},
            {"q": "能围成三角形的是（　　）。", "options": ["A．3、4、8", "B．5、5、9"], "a": "A", "check": "triangle"},
            {"q": "约是30万的是（　　）。", "options": ["A．295000", "B．305200"], "a": "B", "check": "rounds:10000 300000"},
            {"q": "2023年全年有（　　）天。", "a": "366", "check": "year:2023"},
            {"q": "把24分之18约分成最简分数。", "items": ["24分之18＝"], "a": ["12分之9"]},
            {"q": "每千克几元？", "a": "解：设每千克x元。\n3x＋14＝50\n3x＝36\nx＝11\n答：每千克11元。"},
            {"q": "需要几个瓶子？", "a": "18.6÷1.2＝15.5（个）\n答：需要15个瓶子。", "check": "ceil:18.6÷1.2"},
            {"q": "一共多少个？", "a": "35＋27＝52（个）\n答：一共有52个。"},
        ]
        for question in wrong:
            with self.subTest(question=question):
                with self.assertRaises(AssertionError):
                    recompute(question)


class Pages(unittest.TestCase):
    def test_a_paper_has_room_for_name_and_score_and_no_answers(self):
        for paper in papers_kind.papers():
            with self.subTest(paper=paper["title"]):
                page = papers_kind.paper_page(paper)
                self.assertIn('<meta charset="gbk">', page)
                self.assertIn("姓名：", page)
                self.assertIn("得分：", page)
                self.assertIn(f"<h1>{paper['title']}</h1>", page)
                self.assertNotIn("答：", page)
                page.encode("gbk")

    def test_the_answer_text_shows_every_word_problems_working(self):
        for paper in papers_kind.papers():
            text = papers_kind.answer_text(paper)
            self.assertNotIn("<html", text)
            for where, _, question in every_question(paper):
                if papers_kind.is_word_problem(question):
                    with self.subTest(question=where):
                        last_line = question["a"].split("\n")[-1]
                        self.assertIn(escape(last_line), text)

    def test_the_committed_files_are_where_the_program_looks(self):
        for paper in papers_kind.papers():
            with self.subTest(paper=paper["title"]):
                self.assertTrue((ROOT / f"data/test/{paper['file']}.htm").exists())
                self.assertTrue((ROOT / f"src/library/texts/Text3_{paper['answers']:02d}.txt").exists())


if __name__ == "__main__":
    unittest.main()
