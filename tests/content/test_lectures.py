# SPDX-License-Identifier: GPL-3.0-or-later
"""The eight lectures: catalogue captions and files, the grade each suits and
what that grade has been taught, the page's parts, answers hidden until asked,
and every result of the examples and exercises recomputed here from the
question alone."""
import re
import unittest
from fractions import Fraction as F

from support import ROOT
from content import arith, kind_lectures
import grade_fit

CAPTIONS = ["添运算符号", "数列中的规律", "等差数列的认识", "等差数列的应用",
            "特殊数列的计算", "速算方法（一）", "速算方法（二）", "常用速算方法"]


def fraction_words(value):
    value = F(value)
    return str(value.numerator) if value.denominator == 1 else f"{value.denominator}分之{value.numerator}"


def term(first, step, place):
    return first + (place - 1) * step


def count_terms(first, step, last):
    """Terms from `first` to `last` going by `step`, up or down."""
    return len(range(first, last + (1 if step > 0 else -1), step))


def row_by_rule(rule, row):
    """The missing terms (None) of a row, after checking that the rule, a
    function of the place 1, 2, 3…, gives every term that is shown."""
    assert all(shown == rule(n) for n, shown in enumerate(row, 1) if shown is not None)
    return [rule(n) for n, shown in enumerate(row, 1) if shown is None]


def fibonacci(place):
    a, b = 1, 1
    for _ in range(place - 1):
        a, b = b, a + b
    return a


def zigzag(low, high):
    """1, 10, 3, 8, … : odd places climb from `low`, even places fall from `high`, both by 2."""
    return lambda n: low + (n - 1) if n % 2 else high - (n - 2)


def is_arithmetic(row):
    steps = {b - a for a, b in zip(row, row[1:])}
    return str(abs(steps.pop())) if len(steps) == 1 else "不是"


# (lecture, "例" or "练", number) -> the results, worked out from the question.
SOLVERS = {
    ("j2", "例", 1): lambda: row_by_rule(lambda n: 3 * n - 2, [1, 4, 7, 10, 13, None, None]),
    ("j2", "例", 2): lambda: row_by_rule(lambda n: 2 * 3 ** (n - 1), [2, 6, 18, 54, None]),
    ("j2", "例", 3): lambda: row_by_rule(lambda n: n * (n + 1) // 2, [1, 3, 6, 10, 15, None, 28]),
    ("j2", "例", 4): lambda: row_by_rule(zigzag(1, 10), [1, 10, 3, 8, 5, 6, None, None]),
    ("j2", "练", 1): lambda: row_by_rule(lambda n: 5 * n, [5, 10, 15, 20, None]),
    ("j2", "练", 2): lambda: row_by_rule(lambda n: 2 ** (n - 1), [1, 2, 4, 8, 16, None]),
    ("j2", "练", 3): lambda: row_by_rule(lambda n: 2 + n * (n - 1) // 2, [2, 3, 5, 8, 12, None]),
    ("j2", "练", 4): lambda: row_by_rule(fibonacci, [1, 1, 2, 3, 5, 8, 13, None]),
    ("j2", "练", 5): lambda: row_by_rule(zigzag(2, 20), [2, 20, 4, 18, 6, 16, None, None]),
    ("j2", "练", 6): lambda: row_by_rule(lambda n: n * n, [1, 4, 9, 16, 25, None]),
    ("j3", "例", 1): lambda: [is_arithmetic([3, 7, 11, 15, 19]), is_arithmetic([1, 2, 4, 8, 16]),
                             is_arithmetic([20, 17, 14, 11, 8])],
    ("j3", "例", 2): lambda: [list(range(2, 1000, 3))[19]],
    ("j3", "例", 3): lambda: [count_terms(4, 3, 100)],
    ("j3", "练", 1): lambda: [9 - 5, list(range(5, 1000, 4))[9]],
    ("j3", "练", 2): lambda: [list(range(1, 1000, 2))[49]],
    ("j3", "练", 3): lambda: [count_terms(6, 5, 101)],
    ("j3", "练", 4): lambda: [list(range(7, 1000, 6)).index(127) + 1],
    ("j3", "练", 5): lambda: [next(d for d in range(1, 50) if term(3, d, 10) == 48)],
    ("j3", "练", 6): lambda: [count_terms(50, -3, 2), term(50, -3, 10)],
    ("j4", "例", 1): lambda: [sum(range(1, 51))],
    ("j4", "例", 2): lambda: [sum(20 + 2 * row for row in range(15))],
    ("j4", "例", 3): lambda: [sum(range(3, 13))],
    ("j4", "练", 1): lambda: [sum(range(2, 41, 2))],
    ("j4", "练", 2): lambda: [sum(range(5, 101, 5))],
    ("j4", "练", 3): lambda: [sum(range(18, 61, 2))],
    ("j4", "练", 4): lambda: [10 + 3 * 14, sum(10 + 3 * day for day in range(15))],
    ("j4", "练", 5): lambda: [sum(n for n in range(1, 101) if n % 2)],
    ("j4", "练", 6): lambda: [sum(range(100, 0, -3))],
    ("j5", "例", 1): lambda: [sum(range(1, 20, 2))],
    ("j5", "例", 2): lambda: [sum(2 ** k for k in range(8))],
    ("j5", "例", 3): lambda: [sum([1, 2, 3, 4, 5, 4, 3, 2, 1])],
    ("j5", "例", 4): lambda: [fraction_words(sum(F(1, n * (n + 1)) for n in range(1, 5)))],
    ("j5", "练", 1): lambda: [sum(range(1, 30, 2))],
    ("j5", "练", 2): lambda: [sum(2 ** k for k in range(7))],
    ("j5", "练", 3): lambda: [sum(range(1, 11)) + sum(range(1, 10))],
    ("j5", "练", 4): lambda: [3 + 6 + 12 + 24 + 48],
    ("j5", "练", 5): lambda: [fraction_words(sum(F(1, n * (n + 1)) for n in range(1, 7)))],
    ("j6", "例", 1): lambda: [38 + 56 + 62 + 44],
    ("j6", "例", 2): lambda: [498 + 357],
    ("j6", "例", 3): lambda: [635 - 199],
    ("j6", "例", 4): lambda: [1000 - 387],
    ("j6", "例", 5): lambda: [25 * 37 * 4],
    ("j6", "练", 1): lambda: [27 + 46 + 73 + 54],
    ("j6", "练", 2): lambda: [399 + 258],
    ("j6", "练", 3): lambda: [1000 - 462],
    ("j6", "练", 4): lambda: [824 - 298],
    ("j6", "练", 5): lambda: [125 * 17 * 8],
    ("j6", "练", 6): lambda: [4 * 79 * 25],
    ("j6", "练", 7): lambda: [1000 - 380],
    ("j7", "例", 1): lambda: [35 * 11, 68 * 11],
    ("j7", "例", 2): lambda: [23 * 27, 46 * 44],
    ("j7", "例", 3): lambda: [48 * 5, 36 * 25],
    ("j7", "例", 4): lambda: [47 * 99],
    ("j7", "练", 1): lambda: [54 * 11],
    ("j7", "练", 2): lambda: [79 * 11],
    ("j7", "练", 3): lambda: [62 * 68],
    ("j7", "练", 4): lambda: [85 * 85],
    ("j7", "练", 5): lambda: [64 * 25],
    ("j7", "练", 6): lambda: [38 * 99],
    ("j7", "练", 7): lambda: [86 * 5],
    ("j7", "练", 8): lambda: [47 * 5],
    ("j7", "练", 9): lambda: [26 * 25],
    ("j8", "例", 1): lambda: [47 * 36 + 47 * 64],
    ("j8", "例", 2): lambda: [102 * 45],
    ("j8", "例", 3): lambda: [78 + 81 + 79 + 83 + 80 + 77],
    ("j8", "例", 4): lambda: [52 * 48],
    ("j8", "练", 1): lambda: [63 * 27 + 63 * 73],
    ("j8", "练", 2): lambda: [99 * 58 + 58],
    ("j8", "练", 3): lambda: [101 * 76],
    ("j8", "练", 4): lambda: [96 + 103 + 98 + 101 + 97 + 105],
    ("j8", "练", 5): lambda: [125 * 88],
    ("j8", "练", 6): lambda: [61 * 59],
}


def numbers_in(expression):
    return [int(n) for n in re.findall(r"\d+", expression)]


class Lectures(unittest.TestCase):
    def setUp(self):
        self.lectures = kind_lectures.lectures()

    def test_eight_lectures_in_catalogue_order(self):
        self.assertEqual([l["title"] for l in self.lectures], CAPTIONS)
        for n, lecture in enumerate(self.lectures, 1):
            with self.subTest(lecture=lecture["title"]):
                self.assertEqual(lecture["number"], 1000 + n)
                self.assertEqual(kind_lectures.page_file(lecture), f"data/flash/j{n}.htm")
                self.assertTrue((ROOT / "data/flash" / f"j{n}.htm").exists())

    def test_each_names_a_grade_and_asks_only_what_it_has_been_taught(self):
        for lecture in self.lectures:
            reached = grade_fit.term_end(lecture["grade"], lecture["term"])
            parts = [("讲", lecture["intro"])]
            parts += [(f"例{n}", "\n".join([e["q"], e["solution"], e["check"]]))
                      for n, e in enumerate(lecture["example"], 1)]
            parts += [(f"练{n}", e["q"] + "\n" + e["a"]) for n, e in enumerate(lecture["exercise"], 1)]
            for name, text in parts:
                with self.subTest(lecture=lecture["stem"], part=name):
                    self.assertEqual(grade_fit.untaught(text, reached), [])

    def test_each_has_an_explanation_examples_with_checks_and_exercises(self):
        for lecture in self.lectures:
            with self.subTest(lecture=lecture["title"]):
                self.assertGreater(len(lecture["intro"].strip()), 100)
                self.assertGreaterEqual(len(lecture["example"]), 2)
                self.assertGreaterEqual(len(lecture["exercise"]), 3)
                for example in lecture["example"]:
                    self.assertTrue(example["solution"].strip() and example["check"].strip())
                for exercise in lecture["exercise"]:
                    self.assertTrue(exercise["a"].strip())

    def test_every_result_recomputed_from_the_question(self):
        for lecture in self.lectures[1:]:
            for kind, items in (("例", lecture["example"]), ("练", lecture["exercise"])):
                for n, item in enumerate(items, 1):
                    with self.subTest(lecture=lecture["stem"], item=f"{kind}{n}"):
                        solver = SOLVERS.get((lecture["stem"], kind, n))
                        self.assertIsNotNone(solver, "no independent check")
                        results = [str(v) for v in solver()]
                        self.assertEqual(results, item["expected"])
                        told = item["a"] if kind == "练" else item["solution"]
                        for result in results:
                            self.assertIn(result, told)

    def test_filled_blanks_hold(self):
        for lecture in self.lectures:
            for item in lecture["example"] + lecture["exercise"]:
                if "expected" in item:
                    filled = arith.fill_blanks(item["q"], item["expected"])
                    self.assertEqual(arith.problems(filled), [], filled)

    def test_sign_puzzles_keep_the_numbers_and_reach_the_target(self):
        lecture = self.lectures[0]
        for n, item in enumerate(lecture["example"] + lecture["exercise"], 1):
            targets = item.get("targets") or [item["target"]] * len(item["expressions"])
            told = item.get("a") or item["solution"]
            for expression, target in zip(item["expressions"], targets, strict=True):
                puzzle = "○".join(str(x) for x in item["numbers"]) + f"＝{target}"
                with self.subTest(item=n, expression=expression):
                    self.assertIn(puzzle, item["q"])
                    self.assertEqual(numbers_in(expression), item["numbers"])
                    self.assertEqual(arith.value(expression), target)
                    self.assertIn(f"{expression}＝{target}", told)


def thousand_minus(n):
    """1000 minus a three-digit number by the lecture's rule: from the ones
    leftwards, the first digit that is not 0 makes 10, the digits left of it
    make 9, the 0s right of it stay 0."""
    digits = [int(d) for d in f"{n:03d}"]
    first = max(i for i, d in enumerate(digits) if d)
    made = [9 - d for d in digits[:first]] + [10 - digits[first]] + [0] * (2 - first)
    return int("".join(str(d) for d in made))


def sums_and_products(numbers):
    """Every value the numbers give in this order with ＋ and ×, brackets anywhere."""
    if len(numbers) == 1:
        return {numbers[0]}
    values = set()
    for cut in range(1, len(numbers)):
        for left in sums_and_products(numbers[:cut]):
            for right in sums_and_products(numbers[cut:]):
                values |= {left + right, left * right}
    return values


class Rules(unittest.TestCase):
    """The rules the lectures state hold in every case they are applied to, and
    the cases their conditions leave out really are the ones where they fail."""

    def test_subtracting_from_a_thousand(self):
        for n in range(100, 1000):
            self.assertEqual(thousand_minus(n), 1000 - n, n)
            # "hundreds and tens make 9, ones make 10" writes a digit 10 when the ones are 0
            naive = [9 - n // 100, 9 - n // 10 % 10, 10 - n % 10]
            self.assertEqual(max(naive) <= 9, n % 10 != 0, n)
            if n % 10:
                self.assertEqual(int("".join(map(str, naive))), 1000 - n)

    def test_quick_products(self):
        for n in range(10, 100):
            tens, ones = divmod(n, 10)
            middle = tens + ones
            self.assertEqual((tens + middle // 10) * 100 + middle % 10 * 10 + ones, n * 11, n)
            self.assertEqual(n * 5, n // 2 * 10 if n % 2 == 0 else n * 10 // 2)
            self.assertEqual(n * 25, n // 4 * 100 if n % 4 == 0 else n * 100 // 4)
        for tens in range(1, 10):
            for ones in range(1, 10):
                product = (10 * tens + ones) * (10 * tens + 10 - ones)
                self.assertEqual(product, tens * (tens + 1) * 100 + ones * (10 - ones))
        for middle in range(10, 100, 10):
            for apart in range(10):
                self.assertEqual((middle + apart) * (middle - apart), middle * middle - apart * apart)

    def test_special_sums_from_one(self):
        for k in range(1, 40):
            self.assertEqual(sum(range(1, 2 * k, 2)), k * k)
            self.assertEqual(sum(list(range(1, k + 1)) + list(range(k - 1, 0, -1))), k * k)
            self.assertEqual(sum(2 ** i for i in range(k)), 2 ** k - 1)
        self.assertNotEqual(3 + 5, 2 * 2, "odd numbers not starting at 1 break the rule")

    def test_plus_and_times_never_fall_below_the_sum_of_numbers_above_one(self):
        for numbers in ([2, 2, 2], [2, 3, 4, 5], [5, 5, 5, 5, 5], [2, 9, 2, 7]):
            self.assertGreaterEqual(min(sums_and_products(numbers)), sum(numbers), numbers)
        self.assertLess(min(sums_and_products([1, 1, 1])), 3, "with 1s the rule needs its warning")


class Pages(unittest.TestCase):
    def test_page_frame_heading_and_hidden_answers(self):
        for lecture in kind_lectures.lectures():
            page = (ROOT / kind_lectures.page_file(lecture)).read_bytes().decode("gbk")
            with self.subTest(lecture=lecture["title"]):
                self.assertIn('<meta charset="gbk">', page)
                self.assertIn('href="../reading.css"', page)
                self.assertIn(f"<h1>{lecture['title']}</h1>", page)
                self.assertIn(grade_fit.term_words(lecture["grade"], lecture["term"]), page)
                self.assertIn("【例1】", page)
                self.assertEqual(page.count("<summary>查看答案</summary>"), 1)
                hidden_from = page.index("<details>")
                last_question = lecture["exercise"][-1]["q"]
                self.assertLess(page.index(last_question), hidden_from)
                for exercise in lecture["exercise"]:
                    self.assertGreater(page.index(exercise["a"]), hidden_from)


if __name__ == "__main__":
    unittest.main()
