# SPDX-License-Identifier: GPL-3.0-or-later
"""What a child's pages must say, worked out from the rules as the program's documents state them.

The review: a miss comes back after 1 day, then 3, 7 and 16 while answered right
when due; a wrong answer starts it again; the fourth right answer in a row and it
is learned. Only 今日练习 and re-drills give right answers that count. Marks: a
topic's sheets, with its answers on 今日练习 and re-drills gathered from the newest
back into sheets of at least ten; 熟练 when the last three scored 90 or more,
要加油 when the last scored below 60. Weak: the last five weighed 5…1, below 90.
The school year: 上学期 from 1 September, its lessons spread evenly over its weeks
to the week of 20 January; July and August review the grade's 下学期.
"""
import datetime
import os
import re
from dataclasses import dataclass

INTERVALS = (1, 3, 7, 16)
MIXED = ("practice", "redrill")
GRADES = "一二三四五六"


class Model:
    def __init__(self, name, grade):
        self.name, self.grade = name, grade
        self.sheets = []    # (day, key, answers): answers as (topic, caption, question, right)
        self.schedule = {}  # (topic, question) -> [right answers in a row, due day, day of last miss]
        self.captions = {}

    def store(self, day, key, answers):
        self.sheets.append((day, key, answers))
        for topic, caption, question, right in answers:
            self.captions[topic] = caption
            if not right:
                self.schedule[(topic, question)] = [0, day + datetime.timedelta(days=1), day]
            elif key in MIXED and (topic, question) in self.schedule:
                self.answered_right(day, (topic, question))

    def answered_right(self, day, question):
        item = self.schedule[question]
        if day < item[1]:
            return
        item[0] += 1
        if item[0] == len(INTERVALS):
            del self.schedule[question]
        else:
            item[1] = day + datetime.timedelta(days=INTERVALS[item[0]])

    def waiting(self):
        return len(self.schedule)

    def due(self, day):
        return {question for question, item in self.schedule.items() if item[1] <= day}

    def due_lines(self, day):
        return {(topic, question, self.schedule[(topic, question)][1].isoformat()) for topic, question in self.due(day)}

    def week_misses(self, day):
        """The week's misses still waiting: topic, question and the day each comes back, "今天" when due."""
        start = day - datetime.timedelta(days=6)
        return {(self.captions[topic], question, "今天" if item[1] <= day else f"{item[1].month}月{item[1].day}日")
                for (topic, question), item in self.schedule.items() if start <= item[2] <= day}

    def week_figures(self, day):
        week = [sheet for sheet in self.sheets if day - datetime.timedelta(days=6) <= sheet[0] <= day]
        return len({sheet[0] for sheet in week}), len(week), sum(len(sheet[2]) for sheet in week)

    def streak(self, day):
        practised = {sheet[0] for sheet in self.sheets if sheet[1] == "practice"}
        run = 0
        while day - datetime.timedelta(days=run) in practised:
            run += 1
        return run

    def topic_scores(self):
        """Each topic's sheet scores, oldest first, its shares of the mixed sheets gathered."""
        sheets, shares = {}, {}
        for order, (day, key, answers) in enumerate(self.sheets):
            if key not in MIXED:
                sheets.setdefault(key, []).append((order, round(100 * sum(a[3] for a in answers) / len(answers))))
                continue
            for topic in dict.fromkeys(a[0] for a in answers):
                mine = [a[3] for a in answers if a[0] == topic]
                shares.setdefault(topic, []).append((order, len(mine), sum(mine)))
        for topic, listed in shares.items():
            sheets.setdefault(topic, []).extend(gathered(listed))
        return {topic: [score for _, score in sorted(listed)] for topic, listed in sheets.items()}

    def marks(self):
        marks = {}
        for topic, scores in self.topic_scores().items():
            if not topic.startswith("k"):
                continue
            fluent = len(scores) >= 3 and min(scores[-3:]) >= 90
            marks[topic] = "要加油" if scores[-1] < 60 else "熟练" if fluent else "练过"
        return marks

    def weak_captions(self):
        weak = []
        for topic, scores in self.topic_scores().items():
            recent = scores[::-1][:5]
            weights = range(5, 5 - len(recent), -1)
            score = sum(w * s for w, s in zip(weights, recent)) / sum(weights)
            if score < 90:
                weak.append((round(score, 1), topic))
        return [self.captions[topic] for _, topic in sorted(weak)]


def gathered(shares):
    """Shares (order, questions, right), oldest first, as sheets (order of the newest, score)."""
    sheets, questions, right, newest = [], 0, 0, None
    for order, asked, got in reversed(shares):
        newest = order if newest is None else newest
        questions, right = questions + asked, right + got
        if questions >= 10:
            sheets.append([newest, questions, right])
            questions, right, newest = 0, 0, None
    if questions and sheets:
        sheets[-1][1] += questions
        sheets[-1][2] += right
    elif questions:
        sheets.append([newest, questions, right])
    return [(order, round(100 * got / asked)) for order, asked, got in sheets]


@dataclass
class LessonPlan:
    caption: str      # the week's line on the today page
    note: bool        # the kind line of a lesson with nothing to practise
    drills: set       # what the week practises
    taught: set       # everything the practice may draw from in term time
    reach: tuple      # the latest (grade, term) a drill may come from
    in_term: bool
    term: int


def read_gbk_lines(path):
    with open(path, encoding="gbk") as file:
        return [line.rstrip("\r\n") for line in file]


def lesson_terms(data, grade, units):
    """The grade's lessons as two lists of (caption, drills), 上学期 then 下学期."""
    lessons = []
    for number, caption in enumerate(read_gbk_lines(os.path.join(data, f"{grade}.txt")), 1):
        path = os.path.join(data, "lessons", str(grade), f"{number:03}.txt")
        line = read_gbk_lines(path)[0] if os.path.exists(path) else ""
        keys = [key for key in line.removeprefix("练习=").split(",") if key] if line.startswith("练习=") else []
        lessons.append((caption.strip(), keys))
    split = next(i for i, (caption, _) in enumerate(lessons) if "上学期" in caption) + 1
    terms = lessons[:split], lessons[split:]
    return [[(caption, own_drills(keys, units.get((grade, term, caption), []), grade, term))
             for caption, keys in lessons] for term, lessons in ((1, terms[0]), (2, terms[1]))]


def own_drills(keys, unit_skills, grade, term):
    """A lesson's linked drills, a skill only of the lesson's grade and term, and its unit's skills."""
    return {key for key in keys if not re.fullmatch(r"k\d{4}", key) or key[1:3] == f"{grade}{term}"} | set(unit_skills)


def monday(day):
    return day - datetime.timedelta(days=day.weekday())


def lesson_plan(data, grade, day, units):
    """The week's lesson for a day of July to December."""
    first, second = lesson_terms(data, grade, units)
    if day.month in (7, 8):
        drills = set().union(*(d for _, d in second))
        return LessonPlan(f"暑假：复习{GRADES[grade - 1]}年级下学期", False, drills, drills, (grade, 2), False, 2)
    start, end = datetime.date(day.year, 9, 1), datetime.date(day.year + 1, 1, 20)
    weeks = (monday(end) - monday(start)).days // 7 + 1
    index = (monday(day) - monday(start)).days // 7 * len(first) // weeks
    caption, own = first[index]
    earlier = set().union(*(d for _, d in first[:index]))
    if not earlier and grade > 1:
        earlier = set().union(*(d for _, d in lesson_terms(data, grade - 1, units)[1]))
    ahead = next((d for _, d in first if d), set())
    drills = own or earlier or ahead
    taught = set().union(*(d for _, d in first[:index + 1])) | (drills if not own else set())
    return LessonPlan(f"这个星期学：{GRADES[grade - 1]}年级上学期：{caption}", not own, drills, taught,
                      (grade, 1), True, 1)


def skill_units(tree):
    """The 口算 tree's lines as {(grade, term, unit caption): [skill keys]}."""
    units, unit = {}, None
    for line in tree:
        key, caption = line.strip().split("\t")[:2]
        if re.fullmatch(r"k\d\d-\d\d", key):
            unit = (int(key[1]), int(key[2]), caption)
        elif re.fullmatch(r"k\d{4}", key) and unit:
            units.setdefault(unit, []).append(key)
    return units


def first_term_templates(path):
    """The 上学期 templates of a word-problem file as patterns of the problems they make."""
    lines = read_gbk_lines(path)
    patterns = []
    for line in lines[:lines.index("# 下学期")]:
        if not line.strip() or line.startswith("#"):
            continue
        patterns.append(re.compile(r"(?:[0-9./]+|多少)".join(map(re.escape, literal_parts(line.replace("?", "？"))))))
    return patterns


def literal_parts(template):
    """The text of a template around its bracketed numbers, which may hold brackets themselves."""
    parts, depth, text = [], 0, ""
    for char in template:
        if char == "(":
            if depth == 0:
                parts.append(text)
                text = ""
            depth += 1
        elif char == ")":
            depth -= 1
        elif depth == 0:
            text += char
    return parts + [text]
