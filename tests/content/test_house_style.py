# SPDX-License-Identifier: GPL-3.0-or-later
"""Everything a child or parent reads keeps the house style, as far as a script
can see it: full-width punctuation and operators in Chinese text, 登录 and
用户 as the program says them, stories that name the book they come from, a
classic book named only beside its own problem, grade 1 reading the clock
without elapsed time, lessons asking nothing of a later term, a 合数 that is
not a 质数, English word lists of the term their caption names, and notes that
stand beside the question rather than inside its answer.

Checked over every source in content/ (the grade papers too), the built-in
texts written by hand, and the hand-kept pages of data/ — not over the pages
and texts the content build writes from those sources."""
import functools
import pathlib
import re
import tempfile
import tomllib
import unittest

from support import ROOT
import build_content
import grade_fit
from content import kind_lessons

CJK = "\u4e00-\u9fff"
RULES = [
    ("half-width operator between numbers", re.compile(r"[0-9）)]\s*[-+*/=]\s*[0-9（(]")),
    ("ASCII blank next to a number", re.compile(rf"[{CJK}，。：；、] +[0-9]|[0-9] +[{CJK}，。：；、]")),
    # a chapter's caption "第1章 从简单情形想起" is the program's, blank and all
    ("ASCII blank between Chinese characters", re.compile(rf"[{CJK}，。：；、](?<!章) +[{CJK}，。：；、]")),
    ("half-width punctuation in Chinese", re.compile(rf"[{CJK}][,.;:?!](?![0-9])|[,;:?!][{CJK}]")),
    # the marks the program writes, (√) and (×), keep their half-width brackets
    ("half-width brackets in Chinese",
     re.compile(rf"[{CJK}，。：；、]\((?![√×])|(?<![√×])\)[{CJK}，。：；、]|\(\d+,\s*\d+\)")),
    ("leading zero in a time", re.compile(r"时0[0-9]分")),
    ("登陆 for 登录", re.compile("登陆")),
    ("帐户 for 用户", re.compile("帐户|帐号|账户|账号")),
]
# Word-problem templates keep the "?" their unit rule reads; only the words are checked there.
WORD_RULES = RULES[-2:]


# Keys whose values a test reads to recompute an answer, not words a child reads.
SCRIPT_KEYS = {"check", "sides", "facts"}


def strings(value):
    if isinstance(value, str):
        yield value
    elif isinstance(value, dict):
        for key, item in value.items():
            if key not in SCRIPT_KEYS:
                yield from strings(item)
    elif isinstance(value, list):
        for item in value:
            yield from strings(item)


def prose(text):
    """The words a child reads: tags and their attributes left out."""
    return re.sub(r"<[^>]*>", "\n", text)


def faults(text, rules=RULES):
    found = []
    # a puzzle's heading "【11 猫捉老鼠】" is the program's own format
    text = re.sub(r"【(\d+) ", r"【\1", text)
    for line in prose(text).splitlines():
        found += [f"{name}: {line.strip()}" for name, rule in rules if rule.search(line)]
    return found


def load(path):
    with open(path, "rb") as source:
        return tomllib.load(source)


# Sources that hold rules for a script, not words a child reads.
RULE_FILES = {"content/templates/limits.toml", "content/papers/taught.toml"}


def sources():
    """(file, its strings) for every TOML source of content/ that children read."""
    for path in sorted((ROOT / "content").rglob("*.toml")):
        relative = path.relative_to(ROOT)
        if str(relative) not in RULE_FILES:
            yield relative, list(strings(load(path)))


@functools.lru_cache(maxsize=None)
def generated():
    """What the content build writes; those files are checked through their sources."""
    with tempfile.TemporaryDirectory() as scratch:
        return frozenset(build_content.build(scratch))


def game_page_words(html):
    """A game page: its text outside scripts, and the Chinese strings inside them."""
    scripts = re.findall(r"<script.*?</script>", html, re.S)
    said = [s for script in scripts for s in re.findall(r"([\"'`])((?:(?!\1).)*[" + CJK + r"](?:(?!\1).)*)\1", script)]
    rest = re.sub(r"<script.*?</script>|<style.*?</style>", "", html, flags=re.S)
    return "\n".join([rest] + [text for _, text in said])


def hand_kept():
    """(file, text) of the built-in texts and data pages written by hand."""
    for path in sorted((ROOT / "src/library/texts").glob("*.*")):
        relative = path.relative_to(ROOT)
        if str(relative) not in generated():
            yield relative, path.read_text(encoding="utf-8")
    pages = [ROOT / "data/help.htm", *sorted((ROOT / "data/flash").glob("*.htm"))]
    pages += [ROOT / f"data/{grade}.txt" for grade in range(1, 7)]
    for path in pages:
        relative = path.relative_to(ROOT)
        if str(relative) not in generated():
            text = path.read_bytes().decode("gbk")
            yield relative, game_page_words(text) if path.suffix == ".htm" else text


def templates():
    for path in sorted((ROOT / "content/templates").glob("*.txt")):
        yield path.relative_to(ROOT), path.read_text(encoding="utf-8")


def titled_entries(text):
    """(title, question, answer) of a text of 【title】question答案=answer entries."""
    for match in re.finditer(r"【([^】]+)】(.*?)答案=(.*?)(?=\n【|\Z)", text, re.S):
        yield match.groups()


class Rules(unittest.TestCase):
    def test_the_rules_catch_what_they_should(self):
        cases = [
            ("18-3=15（秒）", 1), ("18－3＝15（秒）", 0), ("最大公约数是 12。", 1), ("24 和 36", 1),
            ("答：7时05分。", 1), ("一共有7种,对吗?", 1), ("12 - 5 = 7", 1), ("0.5度", 0), ("<td style=\"a: b\">2</td>", 0),
            ("（60÷12）×（36÷12）＝15（个）", 0), ("(√)和(×)", 0), ("用高级帐户登陆以后", 2), ("用高级用户登录以后", 0),
            ("学习 数学", 1), ("用数对表示是(3,5)；", 1), ("出现(√)，做错的出现(×)和答案", 0), ("Hello, I am Lele.（你好，我是乐乐。）", 0), ("电子表上写作3:00。", 0),
        ]
        for text, count in cases:
            with self.subTest(text=text):
                self.assertEqual(len(faults(text)), count, faults(text))

    def test_game_pages_are_read_for_their_words_only(self):
        page = "<p>开始</p><script>var a = b+1; say('答对了!'); say(\"第\" + n + \"题\");</script>"
        self.assertEqual(faults(game_page_words(page)), [f"half-width punctuation in Chinese: 答对了!"])


class Punctuation(unittest.TestCase):
    def test_sources_keep_the_house_style(self):
        for relative, texts in sources():
            found = [f for text in texts for f in faults(text)]
            with self.subTest(file=str(relative)):
                self.assertEqual(found, [])

    def test_texts_and_pages_written_by_hand_keep_the_house_style(self):
        for relative, text in hand_kept():
            with self.subTest(file=str(relative)):
                self.assertEqual(faults(text), [])

    def test_templates_say_登录_and_用户(self):
        for relative, text in templates():
            with self.subTest(file=str(relative)):
                self.assertEqual(faults(text, WORD_RULES), [])


# The classic books our stories come from, as each story must name it.
STORY_SOURCES = {
    "曹冲称象": "《三国志》", "田忌赛马": "《史记》", "鸡兔同笼": "《孙子算经》", "韩信点兵": "《孙子算经》",
    "百鸡问题": "《张丘建算经》", "丢番图的墓志铭": "《希腊诗文选》", "高斯巧算1到100": "《纪念高斯》",
}
# A classic book is named only beside its own problem: each entry that names
# the book shows the problem's numbers (in either writing) or its first words.
CLASSIC_PROBLEMS = {
    "《孙子算经》": [("35", "94"), ("三十五", "九十四"), ("三三数之剩二",)],
    "《张丘建算经》": [("百钱买鸡百只",), ("100个钱", "100只")],
}


class Sources(unittest.TestCase):
    def test_every_story_names_where_it_comes_from(self):
        stories = {}
        for path in (ROOT / "content/story").glob("*.toml"):
            if path.stem != "index":
                page = load(path)
                stories[page["title"]] = page["body"]
        for title, body in stories.items():
            with self.subTest(story=title):
                if title in STORY_SOURCES:
                    self.assertIn(STORY_SOURCES[title], body)
                else:
                    self.assertRegex(body, r"《[^》]+》|传说", "a story says its book, or that it is a legend")

    def entries(self):
        for relative, texts in sources():
            for text in texts:
                yield relative, text
        for relative, text in hand_kept():
            for line in text.splitlines():
                yield relative, line

    def test_a_classic_book_is_named_only_beside_its_own_problem(self):
        for relative, text in self.entries():
            for book, problems in CLASSIC_PROBLEMS.items():
                if book in text:
                    with self.subTest(file=str(relative), book=book, text=text[:40]):
                        self.assertTrue(any(all(part in text for part in problem) for problem in problems))

    def test_a_definition_of_合数_leaves_the_质数_out(self):
        defines = re.compile(r"叫(?:作|做)?合数|合数是|是合数。")
        for relative, text in self.entries():
            for sentence in re.split(r"[。；\n]", text):
                if defines.search(sentence) and re.search("因数|约数", sentence):
                    with self.subTest(file=str(relative), sentence=sentence):
                        self.assertNotRegex(sentence, r"[两2]个以上")
                        self.assertRegex(sentence, r"除了1和它本身|至少有[3三]个")


GRADE_ONE_CLOCK = [
    ("elapsed time", re.compile(r"(?<!已)经过|多长时间|多少时间|再过|过了?\d+(?:小时|分钟|分)|\d+小时|\d+分钟|几小时|几分钟")),
    ("几时几分", re.compile(r"\d+时\d+分|\d+:(?!00)\d\d")),
]


def grade_one_items():
    """Every question and answer written for grade 1, one item at a time."""
    puzzles = load(ROOT / "content/texts/time_puzzles.toml")
    first = next(g for g in puzzles["grades"] if g["name"] == "一年级")
    yield "content/texts/time_puzzles.toml", list(strings(first["puzzles"]))
    for name in ("lessons/grade1.toml", "papers/grade1.toml"):
        path = ROOT / "content" / name
        if path.exists():
            yield f"content/{name}", list(strings(load(path)))
    path = ROOT / "content/templates/一年级应用题.txt"
    if path.exists():
        yield str(path.relative_to(ROOT)), path.read_text(encoding="utf-8").splitlines()


class GradeFit(unittest.TestCase):
    def test_grade_one_reads_whole_and_half_hours_and_no_elapsed_time(self):
        for relative, items in grade_one_items():
            for item in items:
                for name, rule in GRADE_ONE_CLOCK:
                    with self.subTest(file=relative, kind=name, item=item[:40]):
                        self.assertIsNone(rule.search(item))

    def test_a_lesson_asks_nothing_a_later_term_teaches(self):
        for grade in kind_lessons.GRADES:
            review = grade_fit.lesson_list(grade).index(grade_fit.TERM_REVIEW) + 1
            for lesson in kind_lessons.lessons(grade):
                reached = grade_fit.term_end(grade, 1 if lesson["number"] <= review else 2)
                parts = [lesson["points"]] + [e["question"] + "\n" + e["solution"] for e in lesson["example"]]
                parts += [q["text"] + "\n" + q["answer"] for q in lesson.get("question", [])]
                for part in parts:
                    with self.subTest(grade=grade, lesson=lesson["title"], part=part[:30]):
                        self.assertEqual(grade_fit.untaught(part, reached), [])

    def test_a_term_summary_holds_only_that_term_and_the_ones_before(self):
        for summary in kind_lessons.summaries():
            grade, term = divmod(summary["number"], 2)  # 02 is grade 1 term 1, 13 grade 6 term 2
            for section in summary["section"]:
                for point, example in section["points"]:
                    with self.subTest(summary=summary["subtitle"], point=point):
                        self.assertEqual(grade_fit.untaught(point + "\n" + example,
                                                            grade_fit.term_end(grade, term + 1)), [])

    def test_each_grade_of_time_puzzles_asks_only_what_the_grade_has_been_taught(self):
        for number, grade in enumerate(load(ROOT / "content/texts/time_puzzles.toml")["grades"], 1):
            self.assertEqual(grade["name"], f"{grade_fit.GRADE_NAMES[number - 1]}年级")
            for puzzle in grade["puzzles"]:
                text = "\n".join(strings(puzzle))
                with self.subTest(grade=grade["name"], puzzle=puzzle["question"]):
                    self.assertEqual(grade_fit.untaught(text, grade_fit.term_end(number, 2)), [])


# The words of the PEP textbook's grade-3 terms, for the lists whose captions name them.
PEP_WORDS = {
    "Knowledge6011": """ruler pencil eraser crayon bag pen book no your red green yellow blue black brown
        white orange mum face ear eye nose mouth arm hand head body leg foot duck pig cat bear dog
        elephant monkey bird tiger panda zoo funny bread juice egg milk water cake fish rice one two
        three four five six seven eight nine ten brother plate""",
    "Knowledge6012": """student pupil he she teacher boy girl and new friend today father dad man woman mother
        mum sister brother grandmother grandma grandfather grandpa family thin fat tall short long small
        big giraffe so children tail on in under chair desk where cap ball car boat map toy box pear apple
        orange banana watermelon strawberry grape buy fruit eleven twelve thirteen fourteen fifteen sixteen
        seventeen eighteen nineteen twenty kite beautiful""",
}


class EnglishLists(unittest.TestCase):
    def test_the_pep_lists_hold_the_words_of_the_term_their_captions_name(self):
        for name, words in PEP_WORDS.items():
            text = (ROOT / f"src/library/texts/{name}.txt").read_text(encoding="utf-8")
            listed = re.findall(r"^\[([a-z]+)\]", text, re.M)
            with self.subTest(text=name):
                self.assertGreaterEqual(len(listed), 30)
                self.assertEqual(sorted(set(listed) - set(words.split())), [])


class AnswerNotes(unittest.TestCase):
    def test_a_condition_of_the_question_stands_beside_it_not_in_the_answer(self):
        for name in ("Puzzles.txt", "Text15.txt", "Text18.txt", "IqTest.txt"):
            text = (ROOT / "src/library/texts" / name).read_text(encoding="utf-8")
            for title, _, answer in titled_entries(text):
                with self.subTest(text=name, entry=title):
                    self.assertNotRegex(answer, r"（(?:如果|要是|假如)|先说一说")


if __name__ == "__main__":
    unittest.main()
