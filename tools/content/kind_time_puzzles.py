# SPDX-License-Identifier: GPL-3.0-or-later
"""The time puzzles of the time tab (built-in text Text9): each grade's
questions under its heading, then that grade's answers with their working,
so no answer stands right under its question."""
from content.common import load_toml

SOURCE = "texts/time_puzzles.toml"
TARGET = "src/library/texts/built/Text9.txt"


def numbered(items):
    return [f"{number}．{item}" for number, item in enumerate(items, start=1)]


def grade_lines(grade):
    puzzles = grade["puzzles"]
    lines = [f"【{grade['name']}】"]
    lines += numbered(p["question"] for p in puzzles)
    lines.append("【答案】")
    lines += numbered(f"{p['working']}答：{p['answer']}" for p in puzzles)
    return lines


def text(source):
    lines = [source["intro"]]
    for grade in source["grades"]:
        lines += grade_lines(grade)
    return "\n".join(lines) + "\n"


def build(out):
    out.source_text(TARGET, text(load_toml(SOURCE)))
