# SPDX-License-Identifier: GPL-3.0-or-later
"""The Olympiad-style papers: catalogue titles, files and answer texts, the
grade each suits and what that grade has been taught, and every result
recomputed here from the question alone, by brute force where the question is
a search (ages, chickens and rabbits, counting)."""
import functools
import itertools
import math
import unittest
from fractions import Fraction as F

from support import ROOT
from content import arith, kind_olympiad
import grade_fit


def mixed(value):
    """A fraction as the papers write it: 10分之9, 16又11分之4, or a whole number."""
    value = F(value)
    whole, part = divmod(value.numerator, value.denominator)
    if part == 0:
        return str(whole)
    fraction = f"{value.denominator}分之{part}"
    return f"{whole}又{fraction}" if whole else fraction


def decimal(value):
    text = f"{float(value):.6f}".rstrip("0").rstrip(".")
    assert F(text) == F(value), "not a short decimal"
    return text


def only(solutions):
    """The one solution of a search; a problem with none or several is a fault."""
    solutions = list(solutions)
    assert len(solutions) == 1, f"{len(solutions)} solutions: {solutions[:5]}"
    return solutions[0]


def fill_by_rule(rule, row):
    """The missing term (None) of a row, after checking that the rule, a
    function of the place 1, 2, 3…, gives every term that is shown."""
    assert all(term == rule(n) for n, term in enumerate(row, 1) if term is not None)
    return only(rule(n) for n, term in enumerate(row, 1) if term is None)


def pairs(limit):
    return itertools.product(range(limit + 1), repeat=2)


def digit_sum(n):
    return sum(int(d) for d in str(n))


def meetings(distance, speed_a, speed_b, count):
    """Where two walkers going to and fro between A (0) and B (distance) meet,
    measured from A. Between two turns both move straight, so each stretch of
    time is solved exactly."""
    distance, speed_a, speed_b = F(distance), F(speed_a), F(speed_b)

    def motion(start, speed, t):
        """(place, velocity) at time t of a walker starting at `start`."""
        leg, into = divmod(speed * t, distance)
        outward = leg % 2 == 0
        offset = into if outward else distance - into
        velocity = speed if outward else -speed
        return (offset, velocity) if start == 0 else (distance - offset, -velocity)

    turns = sorted({k * distance / v for v in (speed_a, speed_b) for k in range(1, 4 * count + 4)})
    found, t = [], F(0)
    for end in turns:
        (a, va), (b, vb) = motion(0, speed_a, t), motion(distance, speed_b, t)
        if va != vb:
            meet = t + (b - a) / (va - vb)
            if t < meet <= end and (not found or found[-1][0] != meet):
                found.append((meet, a + va * (meet - t)))
        t = end
    return [place for _, place in found[:count]]


def two_before_sum(first, second, place):
    """The number at `place` in a row where each number is the sum of the two before it."""
    row = [first, second]
    while len(row) < place:
        row.append(row[-1] + row[-2])
    return row[place - 1]


@functools.lru_cache(maxsize=None)
def weighings(count):
    """Weighings on a balance that always find the one lighter piece among
    `count`: each weighing puts two equal groups on the pans and leaves the rest."""
    if count <= 1:
        return 0
    return 1 + min(max(weighings(side), weighings(count - 2 * side)) for side in range(1, count // 2 + 1))


def taking_turns(rates, target=1):
    """Hours until the pipes, opened one hour each in turn, fill the pool."""
    filled, hours = F(0), F(0)
    for rate in itertools.cycle(rates):
        if filled + rate >= target:
            return hours + (target - filled) / rate
        filled += rate
        hours += 1


SOLVERS = {
    # 1991
    (1991, 1): lambda: [125 * 32 * 25],
    (1991, 2): lambda: [999 + 99 + 9 + 3],
    (1991, 3): lambda: [fill_by_rule(lambda n: 3 * n - 1, [2, 5, 8, 11, None, 17])],
    (1991, 4): lambda: list(only((n, p) for n, p in pairs(100) if 5 * n + 8 == p and 7 * n - 4 == p)),
    (1991, 5): lambda: list(only((a, b) for a, b in pairs(85) if a + b == 85 and a - b == 17)),
    (1991, 6): lambda: [only(n for n in range(11) if 40 - n == 7 * (10 - n))],
    (1991, 7): lambda: list(only((c, r) for c, r in pairs(10) if c + r == 10 and 2 * c + 4 * r == 28)),
    (1991, 8): lambda: [math.comb(5, 2)],
    (1991, 9): lambda: [2 * (4 * 2 + 2)],
    # 1992
    (1992, 1): lambda: [36 * 99 + 36],
    (1992, 2): lambda: [sum(range(1, 21))],
    (1992, 3): lambda: [fill_by_rule(lambda n: n * n, [1, 4, 9, 16, None, 36])],
    (1992, 4): lambda: list(only((a, b) for a, b in pairs(200) if a - b == 48 and a == 4 * b)),
    (1992, 5): lambda: [only(n for n in range(1, 200)
                             if (lambda left: left - (F(left, 2) + 1))(n - (F(n, 2) + 2)) == 5)],
    (1992, 6): lambda: [only(h for h in range(1, 20) if (65 + 55) * h == 360)],
    (1992, 7): lambda: [only(x for x in range(1, 60) if 3 * x - x == 26)],
    (1992, 8): lambda: [sum(1 for n in range(1, 101) if n % 3 == 0)],
    (1992, 9): lambda: list(only(
        likes for likes in itertools.permutations(["画画", "唱歌", "跳绳"])
        if likes[0] not in ("唱歌", "跳绳") and likes[1] != "跳绳")),
    # 1993
    (1993, 1): lambda: [478 - 178 - 96],
    (1993, 2): lambda: [25 * 44],
    (1993, 3): lambda: [fill_by_rule(lambda n: two_before_sum(1, 1, n), [1, 1, 2, 3, 5, 8, None, 21])],
    (1993, 4): lambda: list(only((s, k) for s, k in pairs(180) if s + k == 180 and s == 3 * k)),
    # the art group is children 0…24, the music group 22 children from 25 - both on
    (1993, 5): lambda: [only(both for both in range(23)
                             if len(set(range(25)) | set(range(25 - both, 47 - both))) == 40)],
    (1993, 6): lambda: list(only((c, t) for c, t in pairs(20) if c + t == 20 and 4 * c + 3 * t == 68)),
    (1993, 7): lambda: [(80 + 70) * 6],
    (1993, 8): lambda: [only(n for n in range(200) if n // 7 == 12 and n % 7 == 5)],
    (1993, 9): lambda: [len({"".join(p) for p in itertools.permutations("123")})],
    # 1994
    (1994, 1): lambda: [sum(range(1, 20, 2))],
    (1994, 2): lambda: [101 * 57 - 57],
    (1994, 3): lambda: [fill_by_rule(lambda n: 3 * 2 ** (n - 1), [3, 6, 12, 24, None, 96])],
    (1994, 4): lambda: [(88 * 3 + 96) // 4],
    (1994, 5): lambda: [only(m for m in range(1, 60) if 100 * m == 200 + 60 * m)],
    (1994, 6): lambda: list(only((g, s) for g, s in pairs(80) if g + s == 80 and g - s == 56)),
    (1994, 7): lambda: [only(l * w for l, w in pairs(22) if 2 * (l + w) == 44 and l - w == 6)],
    (1994, 8): lambda: [only(n for n in range(10, 100)
                             if n // 10 + n % 10 == 12 and (n % 10) * 10 + n // 10 - n == 36)],
    (1994, 9): lambda: [["红", "黄", "蓝", "绿"][(50 - 1) % 4]],
    # 1995
    (1995, 1): lambda: [1234 + 2341 + 3412 + 4123],
    (1995, 2): lambda: [75 * 41 + 25 * 41],
    (1995, 3): lambda: [fill_by_rule(lambda n: n * n + 1, [2, 5, 10, 17, 26, None])],
    (1995, 4): lambda: [len({(x, y) for x in range(0, 41, 5) for y in range(0, 41, 5)
                             if x in (0, 40) or y in (0, 40)})],
    (1995, 5): lambda: list(only((a, b) for a, b in pairs(450) if a + b == 450 and a - 30 == b + 30)),
    (1995, 6): lambda: [only(r for r in range(21) if 5 * r - 2 * (20 - r) == 79)],
    (1995, 7): lambda: [only(s for s in range(1, 100) if 20 * s == 420 + 180)],
    (1995, 8): lambda: [len(list(itertools.product(range(3), range(4))))],
    (1995, 9): lambda: [only(n for n in range(1, 100) if n % 3 == n % 4 == n % 5 == 1 and n > 1)],
    # 1996
    (1996, 1): lambda: [sum(n if n % 2 == 0 else -n for n in range(1, 101))],
    (1996, 2): lambda: [decimal(F("2.5") * F("3.2") * F("12.5"))],
    (1996, 3): lambda: [fill_by_rule(lambda n: 1 + sum(range(n)), [1, 2, 4, 7, 11, 16, None])],
    (1996, 4): lambda: [only(n for n in range(60) if 45 + n == 2 * (15 + n))],
    (1996, 5): lambda: [mixed(1 / (F(1, 10) + F(1, 15)))],
    (1996, 6): lambda: [only((5 + 4) * h for h in range(1, 20) if 5 * h - 4 * h == 3)],
    (1996, 7): lambda: [only(l * w for l, w in pairs(50) if 3 * w == 24 and 2 * l == 20)],
    (1996, 8): lambda: [sum(str(n).count("5") for n in range(1, 101))],
    (1996, 9): lambda: [weighings(9)],
    # 1997
    (1997, 1): lambda: [sum(range(1, 101)) + sum(range(1, 100))],
    (1997, 2): lambda: [sum(range(2, 101, 2)) - sum(range(1, 100, 2))],
    (1997, 3): lambda: [list(range(5, 20000, 5))[49], list(range(5, 20000, 5)).index(2020) + 1],
    (1997, 4): lambda: list(only((a, b, 72 - a - b) for a, b in pairs(72)
                                 if a - b == 4 and b - (72 - a - b) == 4)),
    (1997, 5): lambda: list(only((f, o) for f, o in pairs(24) if f + o == 24 and 5 * f + o == 64)),
    (1997, 6): lambda: [F((15 + 3) * 6, 15 - 3)],
    (1997, 7): lambda: [mixed(1 / (F(1, 6) - F(1, 12)))],
    (1997, 8): lambda: [max(s for s in range(1, 49) if 72 % s == 0 and 48 % s == 0),
                        (72 // math.gcd(72, 48)) * (48 // math.gcd(72, 48))],
    (1997, 9): lambda: [2 * (48 // 4 + 48 // 8)],
    (1997, 10): lambda: [len(list(itertools.combinations(range(8), 2)))],
    # 1998
    (1998, 1): lambda: [mixed(sum(F(1, n * (n + 1)) for n in range(1, 10)))],
    (1998, 2): lambda: [99999 * 7 + 11111 * 37],
    (1998, 3): lambda: [list(itertools.chain.from_iterable(
        [list(range(sum(range(r)) + 1, sum(range(r + 1)) + 1)) for r in range(1, 11)]))[45]],
    (1998, 4): lambda: list(only((a, b, 150 - a - b) for a, b in pairs(150)
                                 if a == 2 * b and 150 - a - b == b + 10)),
    (1998, 5): lambda: [only(4 * s for s in range(1, 40) if 4 * s + 5 == 3 * (s + 5))],
    (1998, 6): lambda: [only(m for m in range(1, 30) if 250 * m - 200 * m == 400)],
    (1998, 7): lambda: [mixed(1 / (F(1, 12) - F(1, 20)))],
    (1998, 8): lambda: [min(n for n in range(100, 1000) if n % 30 == 0),
                        max(n for n in range(100, 1000) if n % 30 == 0)],
    (1998, 9): lambda: [sum(1 for _ in itertools.combinations(range(4), 2)
                            for _ in itertools.combinations(range(5), 2))],
    (1998, 10): lambda: list(only(
        order for order in itertools.permutations("甲乙丙丁")
        if order.index("甲") < order.index("乙") and order[0] == "丙"
        and order[3] != "丙" and order.index("丁") < order.index("甲"))),
    # 1999
    (1999, 1): lambda: [decimal(F("3.14") * 37 + F("31.4") * F("6.3"))],
    (1999, 2): lambda: [mixed(math.prod(1 + F(1, n) for n in range(2, 100)))],
    (1999, 3): lambda: [len(range(3, 200, 4)), sum(range(3, 200, 4))],
    (1999, 4): lambda: list(only((a, b) for a, b in pairs(200) if a == 3 * b and a - 25 == b + 25)),
    (1999, 5): lambda: list(only((a, b) for a, b in pairs(30)
                                 if a + b == 30 and (3 * a + 2 * b) - (3 * b + 2 * a) == 4)),
    (1999, 6): lambda: [only(d for d in range(61, 400)
                             if meetings(d, 60, d - 60, 2) == [60, d - 30])],
    (1999, 7): lambda: [mixed((1 - (F(1, 12) + F(1, 18)) * 4) / F(1, 18))],
    (1999, 8): lambda: [min(n for n in range(1, 1000) if n % 5 == 3 and n % 6 == 4 and n % 7 == 5)],
    (1999, 9): lambda: [decimal(F(6 * 8, 10))],
    (1999, 10): lambda: [len({p for p in itertools.permutations("0123", 3) if p[0] != "0"})],
    # 2000
    (2000, 1): lambda: [999 * 999 + 1999],
    (2000, 2): lambda: [mixed(sum(F(1, 2 ** k) for k in range(9)))],
    (2000, 3): lambda: [list(itertools.chain.from_iterable([n] * n for n in range(1, 20)))[99]],
    (2000, 4): lambda: [only(p for p in range(1, 1000)
                             if p - F(p, 4) - (p - F(p, 4)) / 3 == 60)],
    (2000, 5): lambda: [only(b for b, y in pairs(30)
                             if b + y == 30 and b > y and y - (b - y) == F(y, 2))],
    (2000, 6): lambda: list(only((c, r) for c, r in pairs(96) if r - c == 6 and 2 * c + 4 * r == 96)),
    (2000, 7): lambda: [mixed(F(90) / (6 - F(1, 2)))],
    (2000, 8): lambda: [(lambda a: mixed(1 / a))(
        only(a for a in (F(1, d) for d in range(1, 200)) if 10 * a + 15 * (F(1, 12) - a) == 1))],
    (2000, 9): lambda: [sum(1 for n in range(1, 201) if n % 3 and n % 5)],
    (2000, 10): lambda: [max(2 * (l + 48 // l) for l in range(1, 49) if 48 % l == 0),
                         min(2 * (l + 48 // l) for l in range(1, 49) if 48 % l == 0)],
    # 2001
    (2001, 1): lambda: [2001 * 2002 - 2000 * 2003],
    (2001, 2): lambda: [sum(n * (n + 1) for n in range(1, 11))],
    (2001, 3): lambda: [two_before_sum(1, 3, 2001) % 3],
    (2001, 4): lambda: list(only((a, b) for a, b in pairs(68)
                                 if a + b == 68 and F(2, 3) * a == F(3, 4) * b)),
    (2001, 5): lambda: [only(n for n in range(100) if 72 + n == (10 + n) + (8 + n) + (6 + n))],
    (2001, 6): lambda: [F(200 + 280, 22 + 18), F(200 + 280, 22 - 18)],
    (2001, 7): lambda: [mixed(taking_turns([F(1, 6), F(1, 8)]))],
    (2001, 8): lambda: [min(n for n in range(1, 1000) if n % 3 == 1 and n % 4 == 2 and n % 5 == 3)],
    (2001, 9): lambda: [decimal(10 * 10 - F("3.14") * 10 * 10 / 4)],
    (2001, 10): lambda: [sum(1 for a, b in itertools.combinations(range(1, 11), 2) if (a + b) % 2 == 0)],
    # 2002
    (2002, 1): lambda: [mixed(sum(F(1, n * (n + 2)) for n in (1, 3, 5, 7, 9)))],
    (2002, 2): lambda: [sum(int("1" * k) for k in range(1, 10))],
    (2002, 3): lambda: [sum(2 ** k for k in range(10))],
    (2002, 4): lambda: list(only((a, b, c) for a in range(311) for b in range(311 - a)
                                 for c in [310 - a - b] if F(a, 2) == b - F(b, 3) == c - 40)),
    (2002, 5): lambda: [only(2002 - year for year in range(1970, 1990)
                             if digit_sum(year) == 2002 - year)],
    (2002, 6): lambda: list(only((b, v) for b, v in pairs(24) if b + v == 24 and 75 * b + 55 * v == 1600)),
    (2002, 7): lambda: [only(d for d in range(1, 200) if F(d, 5) - 1 == F(d, 15) + 1)],
    # the three rates, per 1/600 of the work a day, from the three pairs' days
    (2002, 8): lambda: [mixed(1 / sum(F(r, 600) for r in only(
        (a, b, 60 - b) for a, b in pairs(60)
        if F(a + b, 600) == F(1, 6) and F(a + 60 - b, 600) == 1 / F("7.5"))))],
    (2002, 9): lambda: [sum(1 for d in range(1, 2003) if 2002 % d == 0)],
    (2002, 10): lambda: (lambda painted: [painted.count(1), painted.count(2), painted.count(3), painted.count(0)])(
        [sum(1 for c in cube if c in (0, 3)) for cube in itertools.product(range(4), repeat=3)]),
    # 2003
    (2003, 1): lambda: [sum(range(1, 2004, 2)) - sum(range(2, 2003, 2))],
    (2003, 2): lambda: [mixed(sum(n + F(1, n * (n + 1)) for n in range(1, 10)))],
    (2003, 3): lambda: ["".join(str(n) for n in range(1, 1000))[2002]],
    (2003, 4): lambda: list(only((price, cost) for price, cost in pairs(400)
                                 if price - cost == 20 and cost - F(price * 8, 10) == 10)),
    (2003, 5): lambda: [only(f for f, s in pairs(100) if f == 3 * s and f + 5 == 2 * (s + 10))],
    (2003, 6): lambda: list(only((two, five, ten) for two, five, ten in itertools.product(range(16), repeat=3)
                                 if two + five + ten == 15 and 2 * two + 5 * five + 10 * ten == 66
                                 and two == 2 * five)),
    (2003, 7): lambda: list(only((a, b) for a, b in pairs(400)
                                 if 2 * (a + b) == 400 and 10 * (a - b) == 400)),
    (2003, 8): lambda: [(lambda grass, growth: only(
        d for d in range(1, 100) if grass + growth * d == 25 * d))(
        *only((g, r) for g, r in pairs(300) if g + 20 * r == 10 * 20 and g + 10 * r == 15 * 10))],
    (2003, 9): lambda: [sum(1 for p in itertools.permutations("12345") if int("".join(p)) % 4 == 0)],
    (2003, 10): lambda: [(lambda triangle: decimal(48 * triangle((0, 0), (6, 0), (F(9, 2), 4))
                                                   / triangle((3, 8), (0, 0), (12, 0))))(
        lambda a, b, c: abs((b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1])) / 2)],
}


def shown(value):
    return value if isinstance(value, str) else mixed(value)


class Papers(unittest.TestCase):
    def setUp(self):
        self.papers = kind_olympiad.papers()

    def test_each_paper_names_a_grade_and_term_and_they_never_go_down(self):
        places = []
        for paper in self.papers:
            with self.subTest(year=paper["year"]):
                self.assertIn(paper["grade"], range(1, 7))
                self.assertIn(paper["term"], (1, 2))
                places.append((paper["grade"], paper["term"]))
        self.assertEqual(places, sorted(places))

    def test_no_problem_asks_what_its_grade_has_not_been_taught(self):
        for paper in self.papers:
            reached = grade_fit.term_end(paper["grade"], paper["term"])
            for n, problem in enumerate(paper["problem"], 1):
                text = "\n".join([problem["q"], problem["work"], problem["answer"]])
                with self.subTest(year=paper["year"], problem=n):
                    self.assertEqual(grade_fit.untaught(text, reached), [])

    def test_thirteen_papers_with_catalogue_titles_topics_and_answer_texts(self):
        self.assertEqual([p["year"] for p in self.papers], list(range(1991, 2004)))
        for n, paper in enumerate(self.papers):
            with self.subTest(year=paper["year"]):
                self.assertEqual(paper["title"], f"{paper['year']}年全国奥数题")
                self.assertEqual(paper["topic"], 2024 + n)
                self.assertEqual(paper["answers"], 23 + n)
                self.assertTrue((ROOT / "data/test" / f"{paper['year']}.htm").exists())
                self.assertTrue((ROOT / "src/library/texts/built" / f"Text3_{23 + n}.txt").exists())

    def test_eight_to_twelve_problems_each_and_never_fewer_in_a_later_paper(self):
        counts = [len(p["problem"]) for p in self.papers]
        for paper, count in zip(self.papers, counts):
            with self.subTest(year=paper["year"]):
                self.assertGreaterEqual(count, 8)
                self.assertLessEqual(count, 12)
        self.assertEqual(counts, sorted(counts))

    def test_every_problem_has_working_an_answer_line_and_a_result(self):
        for paper in self.papers:
            for n, problem in enumerate(paper["problem"], 1):
                with self.subTest(year=paper["year"], problem=n):
                    self.assertTrue(problem["work"].strip())
                    self.assertTrue(problem["answer"].startswith("答："))
                    self.assertTrue(problem["expected"])
                    for result in problem["expected"]:
                        self.assertIn(result, problem["answer"])

    def test_every_result_recomputed_from_the_question(self):
        for paper in self.papers:
            for n, problem in enumerate(paper["problem"], 1):
                with self.subTest(year=paper["year"], problem=n):
                    solver = SOLVERS.get((paper["year"], n))
                    self.assertIsNotNone(solver, "no independent check for this problem")
                    self.assertEqual([shown(v) for v in solver()], problem["expected"])

    def test_no_problem_repeats_another(self):
        questions = [p["q"] for paper in self.papers for p in paper["problem"]]
        self.assertEqual(len(questions), len(set(questions)))


class Pages(unittest.TestCase):
    def test_the_note_says_whose_paper_it_is_its_grade_and_what_the_year_is(self):
        paper = {"year": 1995, "grade": 5, "term": 2}
        about = kind_olympiad.about(paper)
        for words in ("为本程序编写", "五年级下学期", "“1995年”只是这套卷子的编号", "不是那一年比赛的试题"):
            self.assertIn(words, about)

    def test_paper_page_has_title_note_name_line_and_no_answers(self):
        for paper in kind_olympiad.papers():
            page = (ROOT / kind_olympiad.page_file(paper)).read_bytes().decode("gbk")
            with self.subTest(year=paper["year"]):
                self.assertIn(f"<h1>{paper['title']}</h1>", page)
                self.assertEqual(page.count("练习卷"), 1)
                self.assertIn(kind_olympiad.about(paper), page)
                self.assertIn("姓名：", page)
                self.assertIn("得分：", page)
                self.assertNotIn("答：", page)
                self.assertNotIn("解：", page)
                self.assertEqual(page.count("<b>"), len(paper["problem"]))

    def test_answer_text_holds_every_answer_with_its_working_and_filled_blanks(self):
        for paper in kind_olympiad.papers():
            text = (ROOT / kind_olympiad.answer_file(paper)).read_text(encoding="utf-8")
            with self.subTest(year=paper["year"]):
                self.assertNotIn("<html", text)
                self.assertTrue(text.startswith(f'<p class="plain">（{kind_olympiad.about(paper)}）</p>'))
                self.assertNotIn("（　　）", text)
                for problem in paper["problem"]:
                    for line in [problem["answer"], *problem["work"].strip().split("\n")]:
                        self.assertTrue(line.strip() in text, f"missing: {line}")

    def test_filled_questions_hold(self):
        for paper in kind_olympiad.papers():
            for problem in paper["problem"]:
                self.assertEqual(arith.problems(kind_olympiad.answered_question(problem)), [])


if __name__ == "__main__":
    unittest.main()
