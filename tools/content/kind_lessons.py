# SPDX-License-Identifier: GPL-3.0-or-later
"""The synchronous lessons and the half-year summaries.

Sources: content/lessons/grade1.toml … grade6.toml (one [[lesson]] per line of
data/<g>.txt) and content/lessons/summaries.toml. Each lesson becomes
data/lessons/<g>/<NNN>.txt, read by the program as

    练习=<drill key, or nothing>
    <HTML fragment: title, key points, worked examples, fixed questions>
    答案=
    <HTML fragment: the answers of the fixed questions>

and each summary data/lessons/summary/<NN>.txt, an HTML fragment.
"""
from .common import CONTENT, load_toml

GRADES = range(1, 7)
PRACTICE_MARK = "练习="
ANSWER_MARK = "答案="


def lesson_path(grade, number):
    return f"data/lessons/{grade}/{number:03d}.txt"


def summary_path(number):
    return f"data/lessons/summary/{number:02d}.txt"


def _block(text):
    """Source text with blank lines between paragraphs: one <br>-joined line each."""
    blocks = [b.strip() for b in text.strip().split("\n\n") if b.strip()]
    return ["<br>".join(line.strip() for line in b.split("\n")) for b in blocks]


def _paragraphs(text, css_class=None):
    attr = f' class="{css_class}"' if css_class else ""
    return [f"<p{attr}>{block}</p>" for block in _block(text)]


def _list(items, css_class):
    lines = [f'<ol class="{css_class}">']
    lines += [f"<li>{'<br>'.join(_block(item))}</li>" for item in items]
    lines.append("</ol>")
    return lines


def _examples(examples):
    lines = []
    for number, example in enumerate(examples, 1):
        lines.append(f'<p class="example"><b>【例{number}】</b>{"<br>".join(_block(example["question"]))}</p>')
        lines += _paragraphs(example["solution"], "solution")
    return lines


def lesson_text(lesson):
    questions = lesson.get("question", [])
    lines = [PRACTICE_MARK + lesson.get("practice", ""), f"<h1>{lesson['title']}</h1>"]
    lines += _paragraphs(lesson["points"])
    lines += _examples(lesson["example"])
    if questions:
        lines.append('<p class="practice"><b>【练一练】</b></p>')
        lines += _list([q["text"] for q in questions], "questions")
        lines.append(ANSWER_MARK)
        lines += _list([q["answer"] for q in questions], "answers")
    return "\n".join(lines) + "\n"


def summary_text(summary):
    lines = [f"<h1>{summary['title']}</h1>", f'<p class="subtitle">{summary["subtitle"]}</p>']
    for section in summary["section"]:
        lines.append(f"<h2>{section['strand']}</h2>")
        lines.append("<ul>")
        for point, example in section["points"]:
            lines.append(f"<li>{point}<br>例：{example}</li>")
        lines.append("</ul>")
    return "\n".join(lines) + "\n"


def lessons(grade):
    return load_toml(f"lessons/grade{grade}.toml")["lesson"]


def summaries():
    return load_toml("lessons/summaries.toml")["summary"]


def build(out):
    # a grade is written once its source exists; the tests ask for all six
    for grade in GRADES:
        if (CONTENT / f"lessons/grade{grade}.toml").exists():
            for lesson in lessons(grade):
                out.data_text(lesson_path(grade, lesson["number"]), lesson_text(lesson))
    if (CONTENT / "lessons/summaries.toml").exists():
        for summary in summaries():
            out.data_text(summary_path(summary["number"]), summary_text(summary))
