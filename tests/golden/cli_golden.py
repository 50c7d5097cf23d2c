"""Golden transcript of the headless front end: every topic of every tab.

For each tab and seed one tallymoo-cli runs: every node of the tab is clicked
(the lists that grow on a click included), its page is printed, a sheet with
answer fields is marked empty, then drawn again and answered wrong, then drawn
again, answered right from its own tags and marked; games on timers are ticked. Each tab ends with the record, the
re-drill sheet marked and the record page. The transcript is compared with the
stored one byte for byte, so a change of shape that changes what a child sees
fails here.

    python3 cli_golden.py --cli PATH --data DIR --check FILE.gz
    python3 cli_golden.py --cli PATH --data DIR --write FILE.gz
"""
import argparse
import gzip
import html.parser
import os
import re
import subprocess
import sys
import tempfile

TABS = ["加减乘除", "时间转换", "比较多少", "规律运算", "分数和比例", "基础概念", "同步教学",
        "四则运算", "约数和倍数", "数学游戏", "应用题", "智力题", "讲座和故事", "各年级试卷",
        "奥数试卷"]
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

# Dates and clock times in the record and on the record page change from run to run.
DATE = re.compile(r"\d{4}-\d\d-\d\d( \d\d:\d\d(:\d\d)?)?|\d{4}年\d{1,2}月\d{1,2}日|\b\d\d:\d\d\b|\d{1,2}月\d{1,2}日")


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
            [cli, "--data", data, "--seed", str(seed), "--login", "238", "--record", record],
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


def show(cli, out):
    front = cli.line("front")
    out.append("front " + front)
    out.append("page " + cli.line("page"))
    out.append("page2 " + cli.line("page2"))
    out.append("status " + cli.line("status"))
    out.extend("message " + m for m in cli.lines("messages"))


def mark(cli, out, answers):
    for name, value in answers:
        cli.send(f"set {name} {value}")
    cli.send("finish")
    out.append("marked " + cli.line("page"))
    out.extend("message " + m for m in cli.lines("messages"))


def run_timers(cli, out):
    for timer, ticks in (("Timer2", 12), ("Timer6", 3), ("Timer5", 2)):
        if cli.line(f"state {timer}").startswith("on"):
            cli.send(f"tick {timer} {ticks}")
            out.append(f"{timer} " + cli.line("page"))
            out.extend("message " + m for m in cli.lines("messages"))


def visit(cli, key, out):
    out.append("click " + key)
    cli.send("click " + key)
    show(cli, out)
    run_timers(cli, out)
    page = cli.line("page")
    # A child reaches the finish button only while the sheet is in front.
    if cli.line("front") != "WebBrowser1" or ("name=finish" not in page and 'name="finish"' not in page):
        return
    mark(cli, out, [])
    cli.send("click " + key)
    page = cli.line("page")
    out.append("wrong " + page)
    mark(cli, out, [(name, "x") for name, _ in answers_for(page)])
    cli.send("click " + key)
    page = cli.line("page")
    out.append("again " + page)
    mark(cli, out, answers_for(page))


def run_tab(cli_path, data, tab, seed, setup):
    out = [f"== {tab} seed {seed} {' '.join(setup)}"]
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
            visit(cli, pending[0], out)
        out.extend("record " + r for r in cli.lines("record"))
        cli.send("redrill")
        page = cli.line("page")
        out.append("redrill " + page)
        out.extend("message " + m for m in cli.lines("messages"))
        if "这些是以前做错的题" in page:
            mark(cli, out, answers_for(page)[::2])
        out.extend("record " + r for r in cli.lines("record"))
        cli.send("toolbar w13")
        out.append("recordpage " + cli.line("page2"))
        cli.close()
    return [DATE.sub("DATE", line) for line in out]


def transcript(cli, data):
    lines = []
    for tab in TABS:
        for seed in SEEDS:
            lines += run_tab(cli, data, tab, seed, [])
    for tab, seed, setup in VARIANTS:
        lines += run_tab(cli, data, tab, seed, setup)
    return "\n".join(lines) + "\n"


def first_difference(expected, actual):
    old, new = expected.splitlines(), actual.splitlines()
    heading = ""
    for number, (a, b) in enumerate(zip(old, new), 1):
        if a.startswith("== "):
            heading = a
        if a != b:
            return f"line {number} ({heading}):\n  expected: {a[:600]}\n  actual:   {b[:600]}"
    return f"lengths differ: {len(old)} expected lines, {len(new)} actual"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--data", required=True)
    group = parser.add_mutually_exclusive_group(required=True)
    group.add_argument("--check")
    group.add_argument("--write")
    args = parser.parse_args()
    actual = transcript(args.cli, args.data)
    if args.write:
        with gzip.open(args.write, "wt", encoding="utf-8", compresslevel=9) as f:
            f.write(actual)
        print(f"wrote {len(actual.splitlines())} lines")
        return 0
    with gzip.open(args.check, "rt", encoding="utf-8") as f:
        expected = f.read()
    if expected == actual:
        print(f"{len(actual.splitlines())} lines as recorded")
        return 0
    print("the headless front end's transcript changed at", first_difference(expected, actual))
    return 1


if __name__ == "__main__":
    sys.exit(main())
