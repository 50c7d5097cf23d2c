# SPDX-License-Identifier: GPL-3.0-or-later
"""The grade exam papers: one printable page per paper in data/test/ and one
answer text per paper in src/library/texts/built/ (Text3_NN.txt, NN in catalogue
order), both from content/papers/grade1.toml … grade6.toml.

A paper has sections; a section has a title ("二、填空"), an optional `note`
(how to answer) and either `each` (points for every answer in it) or questions
that carry their own `each`. The heading shows the points: "二、填空（每空1分，
共20分）". A question holds its answer; its shape decides how it is shown:
    q = "…（　　）…", a = "…" or [..]   blanks filled in order
    q = "…。（　　）", a = "√" or "×"    a true-or-false statement (why = "…")
    q = "…", items = ["8＋5＝", …], a = [..]  a block of short sums (work = true:
                                             room under each, for written sums)
    q = "…", options = ["A．…", …], a = "B"  a choice
    q = "25×（36－18）", a = "25×18＝450"   a calculation written out step by step
    q = "解方程：4x－8＝20", a = "解：4x＝28\\nx＝7"   an equation, as a teacher solves it
    q = "…？", a = "35＋27＝62（个）\\n答：…"   a word problem with its working
Any question may show a `picture` (see paper_pictures); shapes of the picture
marked `answer` are drawn on the answer page only. A question may also say how
its answer is worked out again (check, sides, facts, makes); the tests read
those, the pages do not.
"""
import re
from fractions import Fraction

from content.common import escape, load_toml, reading_page
from content.paper_pictures import draw, has_answer_drawing

GRADES = range(1, 7)
BLANK = re.compile(r"（[\s　_]*）")
JUDGEMENTS = ("√", "×")

# A paper prints on plain A4: no background, and a question is never cut in two.
PAPER_STYLE = """<style>
.head { display: flex; justify-content: space-between; max-width: 36em; font-size: 20px; }
.rule { font-size: 16px; color: #555555; margin: 0 0 6px; }
.note { font-size: 16px; margin: 0 0 4px; }
ol.qs > li { margin: 10px 0; }
.opts { margin-left: 1em; }
.opts span { margin-right: 2.5em; }
.items span { display: inline-block; min-width: 8em; margin: 6px 2em 6px 0; white-space: nowrap; vertical-align: top; }
.items.work span { min-height: 6em; }
.picture { margin: 6px 0; }
.picture svg { max-width: 100%; height: auto; }
.room { height: 3.2em; }
.room.big { height: 7em; }
@media print {
  body { background: #ffffff; font-size: 16px; padding: 0; }
  ol.qs > li { break-inside: avoid; }
  h2 { break-after: avoid; }
}
</style>
"""


def papers():
    """Every paper of every grade, in catalogue order."""
    found = []
    for grade in GRADES:
        found.extend(load_toml(f"papers/grade{grade}.toml")["paper"])
    return sorted(found, key=lambda paper: paper["number"])


def answer_list(question):
    answer = question["a"]
    return answer if isinstance(answer, list) else [answer]


def is_judgement(question):
    return question["a"] in JUDGEMENTS


def is_calculation(question):
    """A bare expression to work out, such as "25×(36－18)"."""
    return not any(key in question for key in ("items", "options")) and not BLANK.search(question["q"]) \
        and re.fullmatch(r"[0-9.+\-×÷＋－（）()分之又％ ]+", question["q"]) is not None


def is_equation(question):
    """An equation to solve, such as "4x－8＝20", answered "解：…" down to "x＝7"."""
    answer = str(question["a"])
    return "x" in question["q"] and answer.startswith("解：") and answer.split("\n")[-1].startswith("x＝") \
        and "答：" not in answer


def is_word_problem(question):
    return "答：" in str(question["a"])


def slots(question):
    """How many answers the child writes for the question: every blank, every
    short sum, and one for a choice, a statement, a calculation or a problem."""
    if "items" in question:
        return len(question["items"])
    if "options" in question or is_judgement(question):
        return 1
    return max(1, len(BLANK.findall(question["q"])))


def points_text(value):
    value = Fraction(value).limit_denominator(100)
    return str(value.numerator) if value.denominator == 1 else f"{float(value):g}"


def question_points(section, question):
    """Points for each answer of the question."""
    return Fraction(str(question.get("each", section.get("each", 0))))


def section_points(section):
    return sum(question_points(section, q) * slots(q) for q in section["questions"])


def paper_points(paper):
    return sum(section_points(s) for s in paper["section"])


def _per_word(section, question=None):
    if section.get("per"):
        return section["per"]
    kind = question if question is not None else section["questions"][0]
    if "填空" in section["title"] or ("items" not in kind and "options" not in kind and BLANK.search(kind["q"])
                                     and not is_judgement(kind)):
        return "空"
    return "题"


def section_heading(section):
    """"二、填空（每空1分，共20分）", or "（共30分）" when the questions carry their own points."""
    total = points_text(section_points(section))
    if "each" in section:
        return f"{section['title']}（每{_per_word(section)}{points_text(section['each'])}分，共{total}分）"
    return f"{section['title']}（共{total}分）"


def question_points_note(section, question):
    """"（5分）" or "（每题1分，共8分）" after a question of a section without one rule."""
    if "each" in section:
        return ""
    each, count = question_points(section, question), slots(question)
    if count == 1:
        return f"（{points_text(each)}分）"
    return f"（每{_per_word(section, question)}{points_text(each)}分，共{points_text(each * count)}分）"


def filled(text, answer, mark=lambda a: a):
    """`text` with its blanks holding `answer` (each through `mark`), or, for a
    sum like "8＋5＝", with the answer written after it."""
    if BLANK.search(text):
        answers = [mark(a) for a in ([answer] if isinstance(answer, str) else answer)]
        return BLANK.sub(lambda blank: answers.pop(0) if answers else blank.group(0), text)
    return text + answer


def in_brackets(text):
    # The answer stands where the child wrote it, inside the brackets of the blank.
    return f"（{text}）"


def _lines(text):
    return "<br>".join(escape(line) for line in text.split("\n"))


def _items_block(items, work=False):
    """Short sums side by side, each kept whole on its line; written sums get
    room below them."""
    css = "items work" if work else "items"
    return f'<div class="{css}">' + "".join(f"<span>{item}</span>" for item in items) + "</div>"


# The answer text is shown inside a page the program frames, so it carries its own spacing.
ANSWER_ITEM = '<span style="display: inline-block; margin-right: 2em; white-space: nowrap;">'


# The points of one question, a quiet line above its answer.
POINTS_NOTE = '<div style="color: #777777; font-size: 16px;">'


def _answer_items(items):
    return "<div>" + "".join(f"{ANSWER_ITEM}{item}</span>" for item in items) + "</div>"


def _question_html(section, question):
    first, *rest = question["q"].split("\n")
    note = question_points_note(section, question)
    parts = [_lines("\n".join([first + ("　" + note if note else "")] + rest))]
    if "picture" in question:
        parts.append(draw(question["picture"]))
    if "items" in question:
        parts.append(_items_block([escape(item) for item in question["items"]], question.get("work", False)))
    if "options" in question:
        options = "".join(f"<span>{escape(option)}</span>" for option in question["options"])
        parts.append(f'<div class="opts">{options}</div>')
    if is_word_problem(question):
        parts.append('<div class="room big"></div>')
    elif is_calculation(question) or is_equation(question):
        parts.append('<div class="room"></div>')
    return "<li>" + "".join(parts) + "</li>"


def paper_intro(paper):
    return f"考试时间：{paper['minutes']}分钟　　满分：{points_text(paper_points(paper))}分"


def paper_page(paper):
    body = ['<div class="head"><span>姓名：＿＿＿＿＿＿</span><span>得分：＿＿＿＿＿＿</span></div>',
            f"<h1>{escape(paper['title'])}</h1>",
            f'<p class="plain rule">{paper_intro(paper)}</p>']
    for section in paper["section"]:
        body.append(f"<h2>{escape(section_heading(section))}</h2>")
        if section.get("note"):
            body.append(f'<p class="plain note">{escape(section["note"])}</p>')
        body.append('<ol class="qs">' + "\n".join(_question_html(section, q) for q in section["questions"]) + "</ol>")
    page = reading_page(paper["title"], "\n".join(body))
    return page.replace("</head>", PAPER_STYLE + "</head>", 1)


def chosen_option(question):
    letter = question["a"]
    return next(option for option in question["options"] if option.startswith(letter))


def _equation_lines(question):
    """The equation, then "解：" and each step under the one before, as on the board."""
    equation = question["q"].split("：")[-1]
    first, *steps = question["a"].split("\n")
    indent = "　　"
    return "<br>".join([escape(equation), escape(first)] + [indent + escape(step) for step in steps])


def _answer_html(question):
    if "items" in question:
        cells = [filled(escape(item), escape(a), in_brackets) for item, a in zip(question["items"], question["a"])]
        shown = _answer_items(cells)
    elif "options" in question:
        shown = escape(chosen_option(question))
    elif is_judgement(question):
        shown = filled(escape(question["q"]), [escape(question["a"])], in_brackets)
        if question.get("why"):
            shown += f"<br>{escape(question['why'])}"
    elif BLANK.search(question["q"]):
        shown = filled(_lines(question["q"]), [escape(a) for a in answer_list(question)], in_brackets)
    elif is_equation(question):
        shown = _equation_lines(question)
    elif is_calculation(question):
        if "＝" not in question["a"]:
            shown = escape(question["q"] + "＝" + question["a"])
        else:
            steps = question["a"].split("＝")
            shown = "<br>".join([escape(question["q"])] + ["＝" + escape(step) for step in steps])
    else:
        shown = _lines(question["a"])
    if "picture" in question and has_answer_drawing(question["picture"]):
        shown += draw(question["picture"], answer=True)
    return shown


def answer_text(paper):
    body = [f'<p class="plain">满分{points_text(paper_points(paper))}分，每道大题的分数写在它的题目后面。</p>']
    for section in paper["section"]:
        body.append(f"<h2>{escape(section_heading(section))}</h2>")
        items = []
        for question in section["questions"]:
            note = question_points_note(section, question)
            shown = f"{POINTS_NOTE}{escape(note)}</div>" if note else ""
            items.append(f"<li>{shown}{_answer_html(question)}</li>")
        body.append('<ol class="qs">' + "\n".join(items) + "</ol>")
    return "\n".join(body) + "\n"


def build(out):
    for paper in papers():
        out.data_text(f"data/test/{paper['file']}.htm", paper_page(paper))
        out.source_text(f"src/library/texts/built/Text3_{paper['answers']:02d}.txt", answer_text(paper))
