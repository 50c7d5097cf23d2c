# SPDX-License-Identifier: GPL-3.0-or-later
"""The pages the headless front end writes for every topic of every tab.

For each tab and seed one tallymoo-cli runs on a fixed day: every node of the
tab is clicked (the lists that grow on a click included), its page is kept, a
sheet with answer fields is marked empty, then drawn again and answered wrong,
then drawn again, answered right from its own tags and marked; games on timers
are ticked. Each tab ends with the record, the re-drill sheet marked and the
record page. A page is the lines of one such step, keyed by topic, run and step.
"""
import html.parser
import os
import re
import subprocess
import tempfile
from dataclasses import dataclass

TABS = ["加减乘除", "时间转换", "比较多少", "规律运算", "分数和比例", "基础概念", "同步教学",
        "四则运算", "约数和倍数", "数学游戏", "应用题", "智力题", "讲座和故事", "各年级试卷",
        "奥数试卷", "口算"]
SEEDS = [1, 7, 2024]
# Extra runs: the drill forms and larger sheets on the first tab.
VARIANTS = [
    ("加减乘除", 3, ["toolbar w7"]),
    ("加减乘除", 3, ["toolbar w8"]),
    ("加减乘除", 3, ["toolbar w9"]),
    ("加减乘除", 5, ["options 20 -"]),
    ("四则运算", 5, ["options 50 -"]),
    ("分数和比例", 5, ["options 20 -"]),
]
RUNS = [(tab, seed, []) for tab in TABS for seed in SEEDS] + VARIANTS

# The record and the record page follow the day; every run keeps its sheets on this one.
DAY = "2024-09-02"
# Clock times in the record and on the record page change from run to run.
DATE = re.compile(r"\d{4}-\d\d-\d\d( \d\d:\d\d(:\d\d)?)?|\d{4}年\d{1,2}月\d{1,2}日|\b\d\d:\d\d\b|\d{1,2}月\d{1,2}日")


@dataclass
class Page:
    topic: str  # a node's key, or the tab's caption for its record pages
    tab: str
    run: str    # "seed S" and the commands the run starts with
    step: str
    lines: list


class Fields(html.parser.HTMLParser):
    """The answer fields of a page and the answers their tags carry."""

    def __init__(self):
        super().__init__()
        self.fields = []

    def handle_starttag(self, tag, attrs):
        if tag != "input":
            return
        values = dict(attrs)
        name = values.get("name") or ""
        if values.get("type", "text") == "text" and "tag" in values and name:
            self.fields.append((name, values["tag"]))


def answers_for(page_html):
    parser = Fields()
    parser.feed(page_html)
    answers = []
    for name, tag in parser.fields:
        if re.fullmatch(r"r\d+", name) and "小时" in tag:
            answers.append((name, tag.split("小时")[0]))
        elif re.fullmatch(r"answer\d+", name) and "小时" in tag and tag.endswith("分"):
            answers.append((name, tag.split("小时")[1][:-1]))
        else:
            answers.append((name, tag))
    return answers


class Cli:
    def __init__(self, cli, data, seed, record):
        env = dict(os.environ, XDG_DATA_HOME=os.path.dirname(record))
        self.proc = subprocess.Popen(
            [cli, "--data", data, "--seed", str(seed), "--login", "238", "--record", record, "--today", DAY],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, encoding="utf-8", env=env)

    def send(self, command):
        self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()

    def line(self, command):
        self.send(command)
        return self.proc.stdout.readline().rstrip("\n")

    def lines(self, command):
        """A command whose answer ends with a line '.'."""
        self.send(command)
        out = []
        while True:
            text = self.proc.stdout.readline()
            if text == "" or text.rstrip("\n") == ".":
                return out
            out.append(text.rstrip("\n"))

    def close(self):
        self.send("quit")
        self.proc.stdin.close()
        self.proc.wait(timeout=30)


def tree_keys(cli):
    """Node keys in tree order; the tree answer has no end marker, so ask for a state after it."""
    cli.send("tree")
    cli.send("state QuestionCount")
    keys = []
    while True:
        text = cli.proc.stdout.readline().rstrip("\n")
        if "\t" not in text:
            return keys
        keys.append(text.strip().split("\t")[0])


def shown(cli):
    lines = ["front " + cli.line("front"), "page " + cli.line("page"), "page2 " + cli.line("page2"),
             "status " + cli.line("status")]
    return lines + messages(cli)


def messages(cli):
    return ["message " + m for m in cli.lines("messages")]


def mark(cli, answers):
    for name, value in answers:
        cli.send(f"set {name} {value}")
    cli.send("finish")
    return ["marked " + cli.line("page")] + messages(cli)


def run_timers(cli):
    lines = []
    for timer, ticks in (("Timer2", 12), ("Timer6", 3), ("Timer5", 2)):
        if cli.line(f"state {timer}").startswith("on"):
            cli.send(f"tick {timer} {ticks}")
            lines += [f"{timer} " + cli.line("page")] + messages(cli)
    return lines


def visit(cli, key):
    """The steps of one node: (step, lines) in the order they happen."""
    cli.send("click " + key)
    steps = [("1 shown", shown(cli))]
    ticked = run_timers(cli)
    if ticked:
        steps.append(("2 ticked", ticked))
    page = cli.line("page")
    # A child reaches the finish button only while the sheet is in front.
    if cli.line("front") != "WebBrowser1" or ("name=finish" not in page and 'name="finish"' not in page):
        return steps
    steps.append(("3 marked empty", mark(cli, [])))
    cli.send("click " + key)
    page = cli.line("page")
    steps.append(("4 marked wrong", ["wrong " + page] + mark(cli, [(name, "x") for name, _ in answers_for(page)])))
    cli.send("click " + key)
    page = cli.line("page")
    steps.append(("5 marked right", ["again " + page] + mark(cli, answers_for(page))))
    return steps


def record_steps(cli):
    steps = [("1 record", ["record " + r for r in cli.lines("record")])]
    cli.send("redrill")
    page = cli.line("page")
    redrill = ["redrill " + page] + messages(cli)
    if "这些是以前做错的题" in page:
        redrill += mark(cli, answers_for(page)[::2])
    steps.append(("2 redrill", redrill))
    steps.append(("3 record after the redrill", ["record " + r for r in cli.lines("record")]))
    cli.send("toolbar w13")
    steps.append(("4 record page", ["recordpage " + cli.line("page2")]))
    return steps


def run_tab(cli_path, data, tab, seed, setup):
    """The pages of one run, in the order they are written."""
    run = " ".join([f"seed {seed}"] + setup)
    pages = []
    with tempfile.TemporaryDirectory() as home:
        cli = Cli(cli_path, data, seed, os.path.join(home, "record.sqlite"))
        for command in setup:
            cli.send(command)
        cli.send("tab " + tab)
        seen = set()
        while True:
            pending = [k for k in tree_keys(cli) if k not in seen]
            if not pending:
                break
            seen.add(pending[0])
            pages += [Page(pending[0], tab, run, step, lines) for step, lines in visit(cli, pending[0])]
        pages += [Page(tab, tab, run, step, lines) for step, lines in record_steps(cli)]
        cli.close()
    for page in pages:
        page.lines = [DATE.sub("DATE", line) for line in page.lines]
    return pages


def all_pages(cli, data, seed=None):
    """Every run's pages, or those of the runs with this seed."""
    pages = []
    for tab, run_seed, setup in RUNS:
        if seed is None or seed == run_seed:
            pages += run_tab(cli, data, tab, run_seed, setup)
    return pages
