# SPDX-License-Identifier: GPL-3.0-or-later
"""The grade exam papers: the catalogue's 23 papers in order, each shaped like a
real 期中/期末 paper of its term (sections, points, answers to write, time),
asking only what the term has taught, and every answer that is a computation
worked out again here: blanks, sums, equations by putting the root back, word
problems from their working, and picture answers from the pictures as drawn
(paper_picture_facts reads them back)."""
import calendar
import itertools
import math
import re
import tomllib
import unittest
from fractions import Fraction

from support import ROOT
from content import arith
from content.common import escape
from content import kind_grade_papers as papers_kind
import paper_picture_facts as pictures
from paper_recompute import *  # noqa: F401,F403 (the helpers the tests read as their own)

TITLES = [f"{g}年级{t}学期{e}考试题" for g in range(1, 7) for t in (1, 2) for e in ("期中", "期末")]
TITLES.remove("6年级2学期期中考试题")
FILES = [f"{g}{k}" for g in range(1, 7) for k in (1, 2, 3, 4)]
FILES.remove("63")

# Every paper has these kinds of section; 计算 may be called 口算 in grade 1.
SECTION_KINDS = {"填空": "填空", "判断": "判断", "选择": "选择", "计算": "算", "操作": "操作", "解决问题": "解决问题"}
# An A4 page at 96 dots per inch leaves about this much width inside its margins.
A4_WIDTH = 640



# ---------------------------------------------------------------- the term's lessons

def lesson_lists():
    """{grade: (first term's lessons, second term's lessons)} from data/1.txt … 6.txt."""
    terms = {}
    for grade in range(1, 7):
        lines = [line.strip() for line in (ROOT / f"data/{grade}.txt").read_bytes().decode("gbk").splitlines()]
        lines = [line for line in lines if line]
        split = lines.index("上学期总复习")
        review = lambda line: "复习" in line  # noqa: E731
        terms[grade] = ([l for l in lines[:split] if not review(l)], [l for l in lines[split + 1:] if not review(l)])
    return terms


def taught_by(paper, terms):
    """Every lesson taught by the time of the paper."""
    grade, term = int(paper["file"][0]), int(paper["title"].split("学期")[0][-1])
    taught = set()
    for g in range(1, grade + 1):
        for t, lessons in enumerate(terms[g], 1):
            if (g, t) < (grade, term):
                taught.update(lessons)
            elif (g, t) == (grade, term):
                taught.update(lessons[:paper.get("units", len(lessons))])
    return taught


def paper_strings(paper):
    """Everything a child reads in the paper and its answers, as source text."""
    for _, _, question in every_question(paper):
        yield question["q"]
        yield from question.get("items", [])
        yield from question.get("options", [])
        if not papers_kind.is_judgement(question):      # "×" marks a statement, it multiplies nothing
            yield from papers_kind.answer_list(question)
        if question.get("why"):
            yield question["why"]


def taught_marks():
    with open(ROOT / "content/papers/taught.toml", "rb") as source:
        return tomllib.load(source)["lesson"]


# ---------------------------------------------------------------- house style

HOUSE_STYLE = [
    ("half-width punctuation", re.compile(r"[\u4e00-\u9fff）][,.;:?!()]|[,;:?!()][\u4e00-\u9fff（]")),
    ("half-width operator", re.compile(r"[0-9）][+\-*/=<>][0-9（]")),
    ("ASCII blank", re.compile(r"[\u4e00-\u9fff，。：；、] +\S|\S +[\u4e00-\u9fff，。：；、]")),
    ("leading zero in a time", re.compile(r"时0\d分")),
    ("clock time read as a duration", re.compile(r"\d+时\d+分钟|\d+小时\d+分(?!钟)")),
    ("duration read as a clock time", re.compile(r"(用了|经过了?|放了|需要|要用)\d+时|(用了|经过了?|放了)\d+分(?!钟)")),
]


def style_faults(text):
    return [name for name, rule in HOUSE_STYLE if rule.search(text)]


# A rough pace for a child of the grade band: minutes for each answer of each kind.
PACE = {"口算": (0.4, 0.3), "填空": (0.7, 0.6), "判断": (0.5, 0.5), "选择": (0.8, 0.8), "竖式": (2.0, 2.0),
        "脱式": (2.5, 2.5), "方程": (2.5, 2.5), "操作": (1.5, 1.5), "解决问题": (3.5, 4.5)}


def work_minutes(paper):
    """About how long a child of the grade needs to work the paper through."""
    upper = int(paper["file"][0]) >= 3
    total = 0
    for _, section, question in every_question(paper):
        if "解决问题" in section["title"]:
            kind = "解决问题"
        elif "操作" in section["title"]:
            kind = "操作"
        elif papers_kind.is_equation(question):
            kind = "方程"
        elif papers_kind.is_calculation(question):
            kind = "脱式"
        elif "items" in question and (question.get("work") or "算" in section["title"]):
            kind = "竖式" if question.get("work") else "口算"
        else:
            kind = next((k for k in ("判断", "选择") if k in section["title"]), "填空")
        total += PACE[kind][upper] * papers_kind.slots(question)
    return total


# ---------------------------------------------------------------- tests

class Shape(unittest.TestCase):
    def setUp(self):
        self.papers = papers_kind.papers()

    def test_the_catalogues_papers_in_order(self):
        self.assertEqual([p["title"] for p in self.papers], TITLES)
        self.assertEqual([p["number"] for p in self.papers], list(range(2001, 2024)))
        self.assertEqual([p["file"] for p in self.papers], FILES)
        self.assertEqual([p["answers"] for p in self.papers], list(range(23)))

    def test_each_paper_is_shaped_like_a_real_one(self):
        for paper in self.papers:
            with self.subTest(paper=paper["title"]):
                titles = [s["title"] for s in paper["section"]]
                self.assertTrue(6 <= len(titles) <= 8, titles)
                for kind, word in SECTION_KINDS.items():
                    self.assertTrue(any(word in t for t in titles), f"no {kind} section")
                self.assertTrue(any("picture" in q for _, s, q in every_question(paper) if "操作" in s["title"]))
                self.assertEqual(paper_points_of(paper), 100)
                blanks = sum(papers_kind.slots(q) for _, _, q in every_question(paper))
                self.assertTrue(50 <= blanks <= 60, f"{blanks} answers to write")
                self.assertTrue(60 <= paper["minutes"] <= 90)
                self.assertTrue(paper["minutes"] / 2 <= work_minutes(paper) <= paper["minutes"],
                                f"about {work_minutes(paper):.0f} minutes of work in {paper['minutes']}")

    def test_points_are_shown_and_add_up(self):
        for paper in self.papers:
            for section in paper["section"]:
                with self.subTest(section=f"{paper['title']} {section['title']}"):
                    heading = papers_kind.section_heading(section)
                    total = int(re.search(r"共(\d+)分）$", heading).group(1))
                    if "each" in section:
                        per = Fraction(re.search(r"每.([\d.]+)分", heading).group(1))
                        answers = sum(papers_kind.slots(q) for q in section["questions"])
                        self.assertEqual(per * answers, total)
                    else:
                        notes = [papers_kind.question_points_note(section, q) for q in section["questions"]]
                        self.assertEqual(sum(points_in(n) for n in notes), total)
                        self.assertTrue(all(notes))

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
                    elif papers_kind.is_judgement(question):
                        self.assertIn("判断", section["title"])
                        self.assertTrue(question["q"].endswith("（　　）"))
                    elif blanks:
                        self.assertEqual(len(answers), blanks)
                    for key in ("facts", "check"):
                        if isinstance(question.get(key), list):
                            self.assertEqual(len(question[key]), len(answers), key)


def points_in(note):
    return Fraction(re.search(r"(?:共)?([\d.]+)分）$", note).group(1))


def paper_points_of(paper):
    return sum(points_in(papers_kind.section_heading(s)) for s in paper["section"])


class Answers(unittest.TestCase):
    def test_every_computed_answer_is_right(self):
        total = recomputed = 0
        for paper in papers_kind.papers():
            for where, _, question in every_question(paper):
                total += papers_kind.slots(question)
                with self.subTest(question=where):
                    try:
                        recomputed += recompute(question)
                    except AssertionError as wrong:
                        self.fail(f"{where}: {wrong}")
        # nearly every answer is worked out again; the rest are words (a direction, a name)
        self.assertGreaterEqual(recomputed / total, 0.85, f"{recomputed} of {total}")
        print(f"\n{recomputed} of {total} paper answers recomputed")

    def test_the_answer_sentence_says_what_was_worked_out(self):
        for paper in papers_kind.papers():
            for where, _, question in every_question(paper):
                if not papers_kind.is_word_problem(question):
                    continue
                *working, sentence = question["a"].split("\n")
                known = numbers_in(question["q"]) | numbers_in("\n".join(working))
                with self.subTest(question=where):
                    self.assertLessEqual(numbers_in(sentence), known)

    def test_answers_are_written_as_a_teacher_writes_them(self):
        for paper in papers_kind.papers():
            for where, section, question in every_question(paper):
                answer = "\n".join(papers_kind.answer_list(question))
                with self.subTest(question=where):
                    if question["q"].startswith(("解方程", "解比例")):
                        self.assertTrue(papers_kind.is_equation(question), "an equation is solved from 解：")
                    if "列方程" in question["q"] or "用比例解" in question["q"]:
                        self.assertTrue(answer.startswith("解：设"))
                    if "解决问题" in section["title"]:
                        self.assertRegex(answer, r"＝[^\n]*\n(.*\n)*答：[^\n]+。$")
                        remainders_hold(answer)

    def test_the_checks_catch_a_wrong_answer(self):
        clock = {"kind": "clock", "times": ["7:30"]}
        grid = {"kind": "grid", "cols": 12, "rows": 6, "axes": [[[6, 0], [6, 6]]],
                "shapes": [{"name": "A", "points": [[1, 1], [3, 1], [3, 4], [1, 4]]},
                           {"name": "B", "points": [[6, 1], [8, 1], [8, 4], [6, 4]]},
                           {"name": "C", "points": [[2, 1], [5, 1], [5, 3]], "answer": True}]}
        bars = {"kind": "bars", "title": "t", "unit": "人", "step": 5, "top": 30, "bars": [["甲", 25], ["乙", 15]]}
        cubes = {"kind": "cubes", "heights": [[1, 0], [2, 1]], "choices": [[[1, 0], [1, 1]], [[1, 1], [1, 1]]]}
        wrong = [
            {"q": "35＋27＝（　　）", "a": "52"},
            {"q": "", "items": ["8＋5＝", "12－7＝"], "a": ["13", "6"]},
            {"q": "25×(36－18)", "a": "25×18＝460"},
            {"q": "比一比：35＋8（　）43", "a": "＜"},
            {"q": "得数是7的是（　　）", "options": ["A．3＋4", "B．9－2"], "a": "A", "check": "7"},
            {"q": "3米＝（　　）厘米", "a": "30", "check": "3×100"},
            {"q": "解方程：3x＋5＝20", "a": "解：3x＝15\nx＝6"},
            {"q": "解方程：3（x－2）＝15", "a": "解：x－2＝6\nx＝7"},
            {"q": "12和18的最大公因数是（　　）。", "a": "3", "check": "gcd:12 18"},
            {"q": "9＋6＝15。（　　）", "a": "×", "sides": ["9＋6", "15"]},
            {"q": "45÷6的商是6，余数是9。（　　）", "a": "√", "remainder": [45, 6, 6, 9]},
            {"q": "一共多少个？", "a": "35＋27＝52（个）\n答：一共有52个。"},
            {"q": "装几盘？", "a": "52÷7＝7（盘）……4（个）\n答：装7盘，还剩4个。"},
            {"q": "需要几个瓶子？", "a": "18.6÷1.2＝15.5（个）\n答：需要16个瓶子。", "check": "ceil:18.6÷1.2"},
            {"q": "每千克几元？", "a": "解：设每千克x元。\n3x＋14＝50\n3x＝36\nx＝11\n答：每千克11元。"},
            {"q": "钟面上是（　　）。", "a": "7时", "picture": clock, "facts": ["time 1"]},
            {"q": "A的面积是（　　）。", "a": "8", "picture": grid, "facts": ["area A"]},
            {"q": "B是A向（　　）平移（　　）格。", "a": ["右", "4"], "picture": grid,
             "facts": ["move-dir A B", "move-cells A B"]},
            {"q": "画出C的对称图形。", "a": "见图", "picture": grid, "makes": "mirror A C"},
            {"q": "一共（　　）人。", "a": "45", "picture": bars, "facts": ["total"]},
            {"q": "从正面看是（　　）。", "a": "B", "picture": cubes, "facts": ["choice front"]},
        ]
        for question in wrong:
            with self.subTest(question=question["q"]):
                with self.assertRaises(AssertionError):
                    recompute(question)


class Fit(unittest.TestCase):
    def test_a_paper_asks_only_what_its_term_has_taught(self):
        terms = lesson_lists()
        all_lessons = {lesson for pair in terms.values() for term in pair for lesson in term}
        marks = taught_marks()
        for entry in marks:
            self.assertIn(entry["name"], terms[entry["grade"]][0] + terms[entry["grade"]][1])
        for paper in papers_kind.papers():
            taught = taught_by(paper, terms)
            self.assertLessEqual(taught, all_lessons)
            text = "\n".join(paper_strings(paper))
            for entry in marks:
                if entry["name"] in taught:
                    continue
                for mark in entry["marks"]:
                    with self.subTest(paper=paper["title"], lesson=entry["name"]):
                        self.assertIsNone(re.search(mark, text), f"{mark} before {entry['name']} is taught")

    def test_a_paper_has_been_taught_the_lessons_before_it(self):
        terms = lesson_lists()
        papers = {p["title"]: p for p in papers_kind.papers()}
        cases = [
            ("1年级1学期期中考试题", "认识图形（一）", True), ("1年级1学期期中考试题", "认识钟表", False),
            ("2年级1学期期中考试题", "表内乘法（一）", True), ("2年级1学期期中考试题", "认识时间", False),
            ("3年级2学期期末考试题", "小数的初步认识", True), ("4年级1学期期末考试题", "四则运算", False),
            ("5年级1学期期中考试题", "简易方程", False), ("6年级2学期期末考试题", "比", True),
        ]
        for title, lesson, taught in cases:
            with self.subTest(paper=title, lesson=lesson):
                self.assertEqual(lesson in taught_by(papers[title], terms), taught)

    def test_numbers_stay_in_the_grades_range(self):
        for paper in papers_kind.papers():
            if "largest" not in paper:
                continue
            for text in paper_strings(paper):
                with self.subTest(paper=paper["title"], text=text):
                    numbers = [int(n) for n in re.findall(r"\d+", text)]
                    self.assertLessEqual(max(numbers, default=0), paper["largest"])

    def test_a_mid_term_paper_stops_where_the_term_is_by_then(self):
        terms = lesson_lists()
        for paper in papers_kind.papers():
            term = terms[int(paper["file"][0])][int(paper["title"].split("学期")[0][-1]) - 1]
            with self.subTest(paper=paper["title"]):
                if "期中" in paper["title"]:
                    self.assertTrue(len(term) // 3 <= paper["units"] < len(term))
                else:
                    self.assertNotIn("units", paper)


class Pages(unittest.TestCase):
    def test_a_paper_has_room_for_name_and_score_and_no_answers(self):
        for paper in papers_kind.papers():
            with self.subTest(paper=paper["title"]):
                page = papers_kind.paper_page(paper)
                self.assertIn('<meta charset="gbk">', page)
                self.assertIn("姓名：", page)
                self.assertIn("得分：", page)
                self.assertIn(f"<h1>{paper['title']}</h1>", page)
                self.assertIn("满分：100分", page)
                self.assertNotIn("答：", page)
                self.assertNotIn('class="shape" data-name="' + "′", page)
                page.encode("gbk")

    def test_pictures_fit_an_a4_page(self):
        for paper in papers_kind.papers():
            page = papers_kind.paper_page(paper) + papers_kind.answer_text(paper)
            for width in re.findall(r'<svg[^>]* width="([\d.]+)"', page):
                with self.subTest(paper=paper["title"]):
                    self.assertLessEqual(float(width), A4_WIDTH)

    def test_answer_drawings_only_on_the_answer_page(self):
        for paper in papers_kind.papers():
            page, answers = papers_kind.paper_page(paper), papers_kind.answer_text(paper)
            for where, _, question in every_question(paper):
                if "makes" in question:
                    with self.subTest(question=where):
                        drawn = [s["name"] for s in question["picture"]["shapes"] if s.get("answer")]
                        for name in drawn:
                            self.assertNotIn(f'data-name="{name}"', page)
                            self.assertIn(f'data-name="{name}"', answers)

    def test_the_answer_text_gives_points_and_every_working(self):
        for paper in papers_kind.papers():
            text = papers_kind.answer_text(paper)
            self.assertNotIn("<html", text)
            for section in paper["section"]:
                self.assertIn(escape(papers_kind.section_heading(section)), text)
            for where, _, question in every_question(paper):
                if papers_kind.is_word_problem(question):
                    with self.subTest(question=where):
                        self.assertIn(escape(question["a"].split("\n")[-1]), text)
                if papers_kind.is_equation(question):
                    with self.subTest(question=where):
                        self.assertIn(escape(question["a"].split("\n")[0]), text)

    def test_house_style(self):
        for paper in papers_kind.papers():
            for text in paper_strings(paper):
                with self.subTest(paper=paper["title"], text=text):
                    self.assertEqual(style_faults(text), [])
            for where, _, question in every_question(paper):
                if question.get("picture", {}).get("kind") == "clock":
                    for answer in papers_kind.answer_list(question):
                        self.assertNotRegex(answer, r"\d+[:：]\d+|点")

    def test_the_style_rules_catch_what_they_should(self):
        cases = [("一共有7种,对吗?", 1), ("18-3=15（秒）", 1), ("答：7时05分。", 1), ("路上用了45分。", 1),
                 ("1小时30分", 1), ("8时30分钟", 1), ("用了1小时30分钟。", 0), ("7时30分出发。", 0),
                 ("（60÷12）×（36÷12）＝15（个）", 0), ("小明 8 岁", 1)]
        for text, count in cases:
            with self.subTest(text=text):
                self.assertEqual(len(style_faults(text)), count, style_faults(text))

    def test_the_committed_files_are_where_the_program_looks(self):
        for paper in papers_kind.papers():
            with self.subTest(paper=paper["title"]):
                self.assertTrue((ROOT / f"data/test/{paper['file']}.htm").exists())
                self.assertTrue((ROOT / f"src/library/texts/built/Text3_{paper['answers']:02d}.txt").exists())


if __name__ == "__main__":
    unittest.main()
