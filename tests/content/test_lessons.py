# SPDX-License-Identifier: GPL-3.0-or-later
"""The synchronous lessons and half-year summaries: one lesson page for every
line of the lesson lists, each with a drill that fits the lesson's grade or a
few fixed questions with their answers, and twelve summaries."""
import re
import unittest
from html.parser import HTMLParser

from support import ROOT
from content import arith, kind_lessons

# Every drill a lesson may send the child to, with the grades whose lessons
# it suits: the drill's numbers must have been taught by then.
DRILL_GRADES = {
    "q11": (1, 1), "q21": (1, 1), "q17": (1, 1), "q27": (1, 1),
    "q12": (1, 2), "q22": (1, 2), "q13": (1, 2), "q23": (1, 2),
    "q14": (2, 3), "q24": (2, 3), "q15": (2, 3), "q25": (2, 3), "q16": (3, 4), "q26": (3, 4),
    "q31": (2, 2), "q41": (2, 2), "q42": (3, 3),
    "q32": (3, 3), "q38": (3, 3), "q33": (3, 3), "q39": (3, 4), "q37": (3, 4),
    "q34": (3, 4), "q35": (4, 4), "q36": (4, 4),
    "q43": (3, 4), "q44": (3, 4), "q45": (4, 4), "q46": (4, 4),
    "q77": (1, 2), "q71": (3, 3), "q72": (3, 3), "q73": (3, 3), "q74": (3, 3),
    "q75": (3, 3), "q76": (3, 3),
    "q81": (1, 2), "q82": (1, 2), "q83": (2, 3), "q84": (2, 3),
    "q91": (1, 2), "q92": (1, 3), "q93": (2, 4), "q94": (3, 6), "q95": (4, 6),
    "q5002": (5, 6), "q5003": (5, 6), "q5004": (5, 6), "q5005": (5, 6), "q5006": (5, 6),
    "q5007": (5, 6), "q5008": (5, 6), "q5009": (5, 6), "q5010": (5, 6), "q5011": (5, 6),
    "q5012": (5, 6), "q5013": (5, 6),
    "q9002": (4, 6), "q9003": (4, 6), "q9004": (4, 6), "q9005": (4, 6), "q9006": (4, 6),
    "q9007": (4, 6), "q9008": (5, 6), "q9009": (5, 6), "q9001": (5, 6),
    "q7002": (5, 6), "q7003": (5, 6), "q7004": (5, 6),
    "q8002": (5, 6), "q8003": (5, 6), "q8004": (5, 6),
    "q57": (1, 1), "q56": (2, 2), "q55": (3, 3),
}

SKILL_KEY = re.compile(r"k[1-6][12]\d\d")

SUMMARY_CAPTIONS = [f"小学{grade}年级{term}" for grade in range(1, 7) for term in "上下"]
SUMMARY_SUBTITLES = [f"{grade}年级{term}册知识点总结" for grade in "一二三四五六" for term in "上下"]


def lesson_list(grade):
    text = (ROOT / f"data/{grade}.txt").read_bytes().decode("gbk")
    return [(n, line) for n, line in enumerate(text.split("\r\n"), 1) if line.strip()]


def read_data(relative):
    raw = (ROOT / relative).read_bytes()
    return raw, raw.decode("gbk")


class LessonPage:
    """A lesson file taken apart the way the program reads it."""

    def __init__(self, text):
        lines = text.split("\r\n")
        self.first = lines[0]
        self.practice = lines[0].removeprefix(kind_lessons.PRACTICE_MARK)
        rest = "\n".join(lines[1:])
        self.body, marker, self.answers = rest.partition("\n" + kind_lessons.ANSWER_MARK + "\n")
        self.has_answers = bool(marker)
        heading = re.search(r"<h1>(.*?)</h1>", self.body)
        self.title = heading.group(1) if heading else None

    def items(self, part, css_class):
        found = re.search(rf'<ol class="{css_class}">(.*?)</ol>', part, re.S)
        return re.findall(r"<li>(.*?)</li>", found.group(1), re.S) if found else []

    @property
    def questions(self):
        return self.items(self.body, "questions")

    @property
    def answer_items(self):
        return self.items(self.answers, "answers")


def pages():
    for grade in kind_lessons.GRADES:
        for number, title in lesson_list(grade):
            yield grade, number, title


class LessonFiles(unittest.TestCase):
    def test_every_listed_lesson_has_its_page_with_the_listed_title(self):
        for grade, number, title in pages():
            with self.subTest(grade=grade, lesson=number):
                relative = kind_lessons.lesson_path(grade, number)
                self.assertTrue((ROOT / relative).exists(), relative)
                raw, text = read_data(relative)
                self.assertNotIn(b"\n", raw.replace(b"\r\n", b""), "lines end in CR LF")
                page = LessonPage(text)
                self.assertTrue(page.first.startswith(kind_lessons.PRACTICE_MARK))
                self.assertEqual(page.title, title)

    def test_no_page_for_a_lesson_that_is_not_listed(self):
        for grade in kind_lessons.GRADES:
            listed = {f"{number:03d}.txt" for number, _ in lesson_list(grade)}
            present = {p.name for p in (ROOT / f"data/lessons/{grade}").glob("*.txt")}
            self.assertEqual(present, listed, f"grade {grade}")

    def test_drills_are_known_and_suit_the_grade(self):
        for grade, number, title in pages():
            page = LessonPage(read_data(kind_lessons.lesson_path(grade, number))[1])
            if not page.practice:
                continue
            for drill in page.practice.split(","):
                with self.subTest(grade=grade, lesson=title, drill=drill):
                    # a calculation skill of 口算 is its own grade's ("k3201")
                    low, high = (int(drill[1]),) * 2 if SKILL_KEY.fullmatch(drill) else DRILL_GRADES[drill]
                    self.assertTrue(low <= grade <= high)

    def test_a_lesson_has_a_drill_or_fixed_questions_with_one_answer_each(self):
        for grade, number, title in pages():
            page = LessonPage(read_data(kind_lessons.lesson_path(grade, number))[1])
            with self.subTest(grade=grade, lesson=title):
                if page.practice:
                    self.assertEqual(page.questions, [])
                    self.assertFalse(page.has_answers)
                else:
                    self.assertTrue(3 <= len(page.questions) <= 5, len(page.questions))
                    self.assertTrue(page.has_answers)
                    self.assertEqual(len(page.answer_items), len(page.questions))
                    self.assertTrue(all(a.strip() for a in page.answer_items))

    def test_one_or_two_worked_examples_each_checked(self):
        for grade, number, title in pages():
            page = LessonPage(read_data(kind_lessons.lesson_path(grade, number))[1])
            with self.subTest(grade=grade, lesson=title):
                examples = re.findall(r"【例(\d)】", page.body)
                self.assertIn(examples, (["1"], ["1", "2"]))
                worked = page.body.split('<p class="practice">')[0].split('<p class="example">')[1:]
                for number, example in enumerate(worked, 1):
                    self.assertRegex(example, "检查|验算|检验", f"例{number}")

    def test_answers_are_not_shown_with_the_questions(self):
        for grade, number, title in pages():
            page = LessonPage(read_data(kind_lessons.lesson_path(grade, number))[1])
            with self.subTest(grade=grade, lesson=title):
                self.assertNotIn('class="answers"', page.body)


class TagBalance(HTMLParser):
    """Records tags that close out of order or stay open."""
    VOID = {"br"}

    def __init__(self):
        super().__init__()
        self.open, self.faults = [], []

    def handle_starttag(self, tag, attrs):
        if tag not in self.VOID:
            self.open.append(tag)

    def handle_endtag(self, tag):
        if not self.open or self.open.pop() != tag:
            self.faults.append(tag)


def data_pages():
    for path in sorted((ROOT / "data/lessons").rglob("*.txt")):
        yield path.relative_to(ROOT), path.read_bytes().decode("gbk")


class PageText(unittest.TestCase):
    def test_tags_are_closed_in_order(self):
        for relative, text in data_pages():
            with self.subTest(file=str(relative)):
                checker = TagBalance()
                checker.feed(text)
                self.assertEqual((checker.faults, checker.open), ([], []))

    def test_chinese_punctuation_and_no_ascii_spaces(self):
        """Full-width punctuation in running text; a colon only in a clock
        reading such as 9:05."""
        for relative, text in data_pages():
            # the 练习= line holds the program's keys, not words for the child
            body = text.split("\r\n", 1)[1] if text.startswith(kind_lessons.PRACTICE_MARK) else text
            words = re.sub(r"<[^>]*>", "", body)
            with self.subTest(file=str(relative)):
                self.assertEqual(re.findall(r"[ ,;?!()\[\]]|(?<!\d):|:(?!\d)", words), [])


class LessonSources(unittest.TestCase):
    def test_every_stated_result_is_recomputed(self):
        """A fill-in answer carries its computation in `checks`: the computation
        must give the stated result, and the result must be what the answer says."""
        counted = 0
        for grade in kind_lessons.GRADES:
            for lesson in kind_lessons.lessons(grade):
                entries = [(q["answer"], q.get("checks", [])) for q in lesson.get("question", [])]
                entries += [(e["solution"], e.get("checks", [])) for e in lesson["example"]]
                for text, checks in entries:
                    for expression, result in checks:
                        counted += 1
                        with self.subTest(grade=grade, lesson=lesson["title"], check=expression):
                            self.assertEqual(arith.value(expression), arith.value(result))
                            self.assertIn(result, text)
        self.assertGreater(counted, 50)

    def test_sources_use_only_known_fields(self):
        """A misspelt field (say `check` for `checks`) would drop its checks unseen."""
        known = {
            "lesson": {"number", "title", "practice", "points", "example", "question"},
            "example": {"question", "solution", "checks"},
            "question": {"text", "answer", "checks"},
        }
        for grade in kind_lessons.GRADES:
            for lesson in kind_lessons.lessons(grade):
                with self.subTest(grade=grade, lesson=lesson.get("title")):
                    self.assertLessEqual(set(lesson), known["lesson"])
                    for part in ("example", "question"):
                        for entry in lesson.get(part, []):
                            self.assertLessEqual(set(entry), known[part])

    def test_every_number_in_an_answer_sentence_comes_from_the_working(self):
        """"答：…" repeats what the working found; a number there that the
        question and working never mention is a slip of the pen."""
        number = re.compile(r"\d+(?:\.\d+)?")
        for grade in kind_lessons.GRADES:
            for lesson in kind_lessons.lessons(grade):
                pairs = [(q["text"], q["answer"]) for q in lesson.get("question", [])]
                pairs += [(e["question"], e["solution"]) for e in lesson["example"]]
                for question, working in pairs:
                    for sentence in re.finditer(r"答：([^<\n]*)", working):
                        known = set(number.findall(question + working[:sentence.start()]))
                        stated = number.findall(re.sub(r"\d+:\d+", "", sentence.group(1)))
                        with self.subTest(grade=grade, lesson=lesson["title"], answer=sentence.group(1)):
                            self.assertLessEqual(set(stated), known)

    def test_lesson_numbers_follow_the_list(self):
        for grade in kind_lessons.GRADES:
            numbers = [lesson["number"] for lesson in kind_lessons.lessons(grade)]
            self.assertEqual(numbers, [n for n, _ in lesson_list(grade)], f"grade {grade}")


class Summaries(unittest.TestCase):
    def test_twelve_half_year_summaries_with_their_captions(self):
        for number, (caption, subtitle) in enumerate(zip(SUMMARY_CAPTIONS, SUMMARY_SUBTITLES), 2):
            with self.subTest(caption=caption):
                relative = kind_lessons.summary_path(number)
                self.assertTrue((ROOT / relative).exists(), relative)
                text = read_data(relative)[1]
                self.assertIn(f"<h1>{caption}</h1>", text)
                self.assertIn(subtitle, text)
                self.assertIn("<h2>数与代数</h2>", text)
                self.assertGreaterEqual(text.count("<h2>"), 2)
                self.assertGreaterEqual(text.count("<li>"), 6)
        self.assertEqual(len(list((ROOT / "data/lessons/summary").glob("*.txt"))), 12)


if __name__ == "__main__":
    unittest.main()
