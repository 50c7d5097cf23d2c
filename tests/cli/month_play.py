# SPDX-License-Identifier: GPL-3.0-or-later
"""A month of two children through tallymoo-cli, against a model of what each page must say.

小明 (一年级) and 小红 (三年级, 四年级 from 1 September) practise every day from
20 August to 18 September but for a few missed days; a script of right and
wrong answers is typed into each day's 今日练习 and, on some days, a 口算
sheet or a re-drill. The model here keeps its own review schedule, streak,
marks, weak topics and weekly figures from what was typed, and every day the
pages are checked against it.

    python3 month_play.py --cli PATH --data DIR
"""
import argparse
import datetime
import html.parser
import os
import random
import re
import sqlite3
import subprocess
import sys
import tempfile
import time

from month_model import Model, first_term_templates, lesson_plan, skill_units

FIRST_DAY = datetime.date(2026, 8, 20)
DAYS = 30
GRADE_CHANGE = datetime.date(2026, 9, 1)
MISSED_DAYS = {"小明": {datetime.date(2026, 8, 27), datetime.date(2026, 9, 10)},
               "小红": {datetime.date(2026, 9, 5)}}
# The 口算 sheets done beside 今日练习, by child and term: every third day.
DRILLS = {("小明", 2): "k1201", ("小明", 1): "k1101", ("小红", 2): "k3206", ("小红", 1): "k3207"}
WORD_PROBLEMS = {"小明": "q57", "小红": "q5104"}
WORD_FILES = {"q57": "一年级应用题.txt", "q5104": "四年级应用题.txt"}
END = "state END"  # answers "error: no state END": the end of a command's output


class Fields(html.parser.HTMLParser):
    """A page's answer fields by question number: {n: {name: answer}}."""

    def __init__(self, page):
        super().__init__()
        self.questions = {}
        self.feed(page)

    def handle_starttag(self, tag, attrs):
        values = dict(attrs)
        found = re.fullmatch(r"([a-z]+)(\d+)", values.get("name") or "")
        if tag == "input" and values.get("class") == "text" and "tag" in values and found:
            self.questions.setdefault(int(found[2]), {})[values["name"]] = values["tag"].split("|")[0]


class Session:
    """One tallymoo-cli, spoken to a command at a time."""

    def __init__(self, args, record, day, *extra):
        self.process = subprocess.Popen(
            [args.cli, "--data", args.data, "--record", record, "--today", day.isoformat(), "--seed",
             str(day.toordinal()), *extra], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
            env=dict(os.environ, XDG_DATA_HOME=os.path.dirname(record), HOME=os.path.dirname(record)))

    def ask(self, *commands):
        self.process.stdin.write("\n".join(commands + (END,)) + "\n")
        self.process.stdin.flush()
        lines = []
        while (line := self.process.stdout.readline().rstrip("\n")) != "error: no state END":
            if not line and self.process.poll() is not None:
                raise RuntimeError("tallymoo-cli ended")
            lines.append(line)
        return lines

    def close(self):
        self.process.communicate("quit\n")


class Play:
    def __init__(self, args, folder):
        self.args = args
        self.record = os.path.join(folder, "record.sqlite")
        self.models = {"小明": Model("小明", 1), "小红": Model("小红", 3)}
        self.checked = self.mismatches = self.answers = self.child_days = 0
        self.skills = {}

    def check(self, what, expected, actual):
        self.checked += 1
        if expected != actual:
            self.mismatches += 1
            print(f"MISMATCH {what}: expected {expected!r}, got {actual!r}")

    def parent(self, day, *commands):
        session = Session(self.args, self.record, day, "--login", "238")
        lines = session.ask(*commands)
        session.close()
        return lines

    def rows(self, sql, *values):
        with sqlite3.connect(self.record) as db:
            return db.execute(sql, values).fetchall()

    def newest_sheet(self, child):
        return self.rows("SELECT sheet.id, topic_key FROM sheet JOIN child ON child.id = child_id "
                         "WHERE name = ? ORDER BY sheet.id DESC LIMIT 1", child)[0]

    def type_answers(self, session, page, wrong_at):
        """Types every field's answer, wrong in single-field questions that `wrong_at` picks."""
        typed = {}
        for number, fields in sorted(Fields(page).questions.items()):
            wrong = list(fields) == [f"answer{number}"] and wrong_at(number)
            for name, answer in fields.items():
                session.ask(f"set {name} {'99999' if wrong else answer}")
            typed[number] = not wrong
            self.answers += 1
        return typed

    def stored_answers(self, child, day, typed, caption_of):
        """The sheet just stored, as (topic, caption, question, right); the stored marks against the typed."""
        sheet_id, key = self.newest_sheet(child)
        if key in ("practice", "redrill"):
            stored = self.rows("SELECT position, topic_key, topic, question, right_answer, review FROM practice_answer "
                               "WHERE sheet_id = ? ORDER BY position", sheet_id)
            self.check(f"{child} {day} marks of {key}", typed, {row[0]: bool(row[4]) for row in stored})
            return key, [(row[1], row[2], row[3], typed[row[0]]) for row in stored], stored
        missed = self.rows("SELECT question, typed FROM missed WHERE sheet_id = ?", sheet_id)
        wrong = sum(not right for right in typed.values())
        self.check(f"{child} {day} misses of {key}", ["99999"] * wrong, [row[1] for row in missed])
        rights = [(key, caption_of, None, True)] * (len(typed) - wrong)
        return key, [(key, caption_of, row[0], False) for row in missed] + rights, []

    def practise(self, session, child, day, rng):
        model = self.models[child]
        first = session.ask("tick Timer3", "page")[0]
        self.check(f"{child} {day} first page is today's", bool(model.sheets), "todaycount" in first)
        page = session.ask("today", "page")[0]
        self.check_today_page(child, day, page)
        due_before = model.due(day)
        sheet = session.ask("press todaystart", "page")[0]
        self.check(f"{child} {day} questions on the sheet", 20, len(Fields(sheet).questions))
        texts = dict((int(n), text) for n, text in re.findall(r"第(\d+)题：(.*?)<input", sheet))
        typed = self.type_answers(session, sheet, lambda n: rng.random() < miss_rate(child, day, texts[n]))
        session.ask("finish")
        key, answers, stored = self.stored_answers(child, day, typed, "今日练习")
        model.store(day, key, answers)
        reviewed = {(row[1], row[3]) for row in stored if row[5]}
        self.check(f"{child} {day} review questions are due ones", set(), reviewed - due_before)
        self.check(f"{child} {day} due misses on the sheet", min(len(due_before), 7), min(len(reviewed), 7))
        self.check_new_questions(child, day, [row for row in stored if not row[5]])

    def check_today_page(self, child, day, page):
        model = self.models[child]
        self.check(f"{child} {day} today's waiting", model.waiting(), waiting_of(page))
        plan = lesson_plan(self.args.data, model.grade, day, self.skills)
        self.check(f"{child} {day} week's lesson", plan.caption, re.search(r"<p>((?:这个星期学|暑假)[^<]*)</p>", page)[1])
        self.check(f"{child} {day} kind line", plan.note, "lessonnote" in page)

    def check_new_questions(self, child, day, stored):
        model = self.models[child]
        plan = lesson_plan(self.args.data, model.grade, day, self.skills)
        later = [row[1] for row in stored if row[1].startswith("k") and (int(row[1][1]), int(row[1][2])) > plan.reach]
        self.check(f"{child} {day} drills of a later term", [], later)
        outside = [row[1] for row in stored if row[1] not in plan.taught]
        if plan.in_term:
            self.check(f"{child} {day} drills not taught yet", [], outside)
        lesson = sum(row[1] in plan.drills for row in stored)
        self.check(f"{child} {day} half the new questions from the week's drills", True, 2 * lesson >= len(stored))

    def check_done(self, session, child, day, page=None):
        model = self.models[child]
        page = page or session.ask("today", "page")[0]
        self.check(f"{child} {day} done", True, "今天的练习做完了 ✓" in page and "todaymore" in page)
        streak = model.streak(day)
        said = re.search(r"已经连续练习(\d+)天", page)
        self.check(f"{child} {day} streak", streak, int(said[1]) if said else 1 if "明天再练" in page else 0)
        self.check(f"{child} {day} today's waiting after", model.waiting(), waiting_of(page))

    def check_pages(self, session, child, day):
        model = self.models[child]
        self.check(f"{child} {day} waiting", [str(model.waiting())], session.ask("waiting"))
        due = {tuple(line.split("\t")) for line in session.ask("due")[:-1]}
        self.check(f"{child} {day} due", model.due_lines(day), due)
        record_page = session.ask("toolbar w13", "page2")[0]
        self.check(f"{child} {day} record page's waiting", model.waiting(), waiting_of(record_page))
        report = session.ask("report", "page2")[0]
        self.check(f"{child} {day} report's waiting", model.waiting(), waiting_of(report))
        self.check(f"{child} {day} report's week", model.week_figures(day), week_figures(report))
        listed = set(re.findall(r"<tr><td>([^<]*)</td><td>([^<]*)</td><td>(今天|\d+月\d+日)</td></tr>", report))
        expected = model.week_misses(day)
        self.check(f"{child} {day} report's misses", min(20, len(expected)), len(listed & expected))
        weak = model.weak_captions()[:3]
        self.check(f"{child} {day} report's weak topics", weak, re.findall(r"<li><b>“([^”]*)”</b>", report)[:len(weak)])
        marks = {line.split("\t")[0]: line.split("\t")[2] for line in session.ask("mastery 口算")[:-1]}
        self.check(f"{child} {day} marks", model.marks(), marks)

    def word_problems(self, session, child, day):
        key = WORD_PROBLEMS[child]
        page = session.ask("tab 应用题", f"click {key}", "page")[0]
        problems = re.findall(r"\d+：(.*?)<br>答案", page)
        templates = first_term_templates(os.path.join(self.args.data, WORD_FILES[key]))
        self.check(f"{child} {day} word problems", 10, len(problems))
        self.check(f"{child} {day} word problems of 下学期", [],
                   [p for p in problems if not any(t.fullmatch(p) for t in templates)])

    def drill(self, session, child, day, rng):
        key = DRILLS[(child, 2 if day.month in (7, 8) else 1)]
        page = session.ask("tab 口算", f"click {key}", "page")[0]
        typed = self.type_answers(session, page, lambda n: rng.random() < 0.15)
        session.ask("finish")
        caption = self.captions[key]
        key, answers, _ = self.stored_answers(child, day, typed, caption)
        self.models[child].store(day, key, answers)
        score = session.ask("record")[0].split("\t")[-2]
        self.check(f"{child} {day} score of {key}", round(100 * sum(typed.values()) / len(typed)), int(score))

    def redrill(self, session, child, day):
        sheet = session.ask("redrill", "page")[0]
        typed = self.type_answers(session, sheet, lambda n: False)
        session.ask("finish")
        key, answers, _ = self.stored_answers(child, day, typed, "错题重练")
        self.models[child].store(day, key, answers)

    def day(self, child, day, rng):
        self.child_days += 1
        session = Session(self.args, self.record, day, "--child", child)
        self.practise(session, child, day, rng)
        self.check_done(session, child, day)
        self.check_pages(session, child, day)
        session.close()

    def later_that_day(self, child, day, index, rng):
        """A 口算 sheet or a re-drill, and in September a word-problem sheet."""
        session = Session(self.args, self.record, day, "--child", child)
        self.check_done(session, child, day, session.ask("tick Timer3", "page")[0])
        if index % 3 == 2:
            self.drill(session, child, day, rng)
        else:
            self.redrill(session, child, day)
        if day >= GRADE_CHANGE and index % 7 == 0:
            self.word_problems(session, child, day)
        self.check_pages(session, child, day)
        session.close()

    def run(self):
        self.parent(FIRST_DAY, "child add 小明 1", "child add 小红 3")
        tree = self.parent(FIRST_DAY, "tab 口算", "tree")
        self.captions, self.skills = skill_captions(tree), skill_units(tree)
        for index in range(DAYS):
            day = FIRST_DAY + datetime.timedelta(days=index)
            if day == GRADE_CHANGE:
                self.check("grade change", ["小明\t1", "小红\t4", "."], self.parent(day, "child grade 小红 4", "children"))
                self.models["小红"].grade = 4
            children = [child for child in self.models if day not in MISSED_DAYS[child]]
            chances = {child: random.Random(f"{child}{day}") for child in children}
            for child in children:
                self.day(child, day, chances[child])
            if index % 3 == 2 or (day >= GRADE_CHANGE and index % 7 == 0):
                # A child's next sheet comes a while later: the record orders a day's sheets by their time.
                time.sleep(1)
                for child in children:
                    self.later_that_day(child, day, index, chances[child])
        fluent = sum(state == "熟练" for model in self.models.values() for state in model.marks().values())
        print(f"month: {self.child_days} child-days over {DAYS} days, {self.answers} answers, {self.checked} checks, "
              f"{fluent} topics 熟练 at the end, {self.mismatches} mismatches")
        return 1 if self.mismatches else 0


def miss_rate(child, day, question):
    """小明 slips on subtraction, 小红 on decimals, both less as the month goes on; the rest nearly never."""
    hard = "－" in question if child == "小明" else "." in question
    late = day >= datetime.date(2026, 9, 8)
    return (0.1 if late else 0.4) if hard else 0.02


def waiting_of(page):
    found = re.search(r'class="plain waiting" data-waiting=(\d+)', page)
    return int(found[1]) if found else None


def week_figures(report):
    found = re.search(r"<td>练习的天数</td><td>(\d+)天</td>.*?<td>练习卷</td><td>(\d+)张</td>.*?"
                      r"<td>题数</td><td>(\d+)道</td>", report)
    return tuple(map(int, found.groups())) if found else None


def skill_captions(tree):
    """The 口算 tree's lines as {key: caption}."""
    return dict(line.strip().split("\t")[:2] for line in tree if line.strip().startswith("k"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--data", required=True)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        return Play(args, folder).run()


if __name__ == "__main__":
    sys.exit(main())
