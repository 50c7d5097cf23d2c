"""The grade exam papers: one printable page per paper in data/test/ and one
answer text per paper in src/library/texts/ (Text3_NN.txt, NN in catalogue
order), both from content/papers/grade1.toml … grade6.toml.

A question holds its answer. Its shape decides how it is shown:
    q = "…（　　）…", a = "…" or [..]   blanks filled in order
    q = "…", items = ["8＋5＝", …], a = [..]  a block of short sums (work = true:
                                             room under each, for written sums)
    q = "…", options = ["A．…", …], a = "B"  a choice
    q = "25×（36－18）", a = "25×18＝450"   a calculation written out step by step
    q = "4x－8＝20", a = "4x＝28\\nx＝7"     an equation solved line by line
    q = "…？", a = "35＋27＝62（个）\\n答：…"   a word problem with its working
A question may also say how its answer is worked out again (check, sides); the
tests read those, the pages do not.
"""
import re

from content.common import escape, load_toml, reading_page

GRADES = range(1, 7)
BLANK = re.compile(r"（[\s　_]*）")

# A paper prints on plain A4: no background, and a question is never cut in two.
PAPER_STYLE = """<style>
.head { display: flex; justify-content: space-between; max-width: 36em; font-size: 20px; }
ol.qs > li { margin: 10px 0; }
.opts { margin-left: 1em; }
.opts span { margin-right: 2.5em; }
.items span { display: inline-block; min-width: 8em; margin: 6px 2em 6px 0; white-space: nowrap; vertical-align: top; }
.items.work span { min-height: 6em; }
.room { height: 3.2em; }
.room.big { height: 7em; }
@media print {
  body { background: #ffffff; font-size: 16px; padding: 0; }
  ol.qs > li { break-inside: avoid; }
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


def is_calculation(question):
    """A bare expression to work out, such as "25×(36－18)"."""
    return not any(key in question for key in ("items", "options")) and not BLANK.search(question["q"]) \
        and re.fullmatch(r"[0-9.+\-×÷＋－（）()分之又％ ]+", question["q"]) is not None


def is_equation(question):
    """An equation to solve, such as "4x－8＝20", answered down to "x＝7"."""
    answer = str(question["a"])
    return "x" in question["q"] and answer.split("\n")[-1].startswith("x＝") and "答：" not in answer


def is_word_problem(question):
    return "答：" in str(question["a"])


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


def _answer_items(items):
    return "<div>" + "".join(f"{ANSWER_ITEM}{item}</span>" for item in items) + "</div>"


def _question_html(question):
    parts = [_lines(question["q"])]
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


def paper_page(paper):
    body = ['<div class="head"><span>姓名：＿＿＿＿＿＿</span><span>得分：＿＿＿＿＿＿</span></div>',
            f"<h1>{escape(paper['title'])}</h1>"]
    for section in paper["section"]:
        body.append(f"<h2>{escape(section['title'])}</h2>")
        body.append('<ol class="qs">' + "\n".join(_question_html(q) for q in section["questions"]) + "</ol>")
    page = reading_page(paper["title"], "\n".join(body))
    return page.replace("</head>", PAPER_STYLE + "</head>", 1)


def chosen_option(question):
    letter = question["a"]
    return next(option for option in question["options"] if option.startswith(letter))


def _answer_html(question):
    if "items" in question:
        cells = [filled(escape(item), escape(a), in_brackets) for item, a in zip(question["items"], question["a"])]
        return _answer_items(cells)
    if "options" in question:
        return escape(chosen_option(question))
    if BLANK.search(question["q"]):
        return filled(escape(question["q"]), [escape(a) for a in answer_list(question)], in_brackets)
    if is_equation(question):
        return _lines(question["q"].split("：")[-1] + "\n" + question["a"])
    if is_calculation(question):
        if "＝" not in question["a"]:
            return escape(question["q"] + "＝" + question["a"])
        steps = question["a"].split("＝")
        return "<br>".join([escape(question["q"])] + ["＝" + escape(step) for step in steps])
    return _lines(question["a"])


def answer_text(paper):
    body = []
    for section in paper["section"]:
        body.append(f"<h2>{escape(section['title'])}</h2>")
        body.append('<ol class="qs">' + "\n".join(
            f"<li>{_answer_html(q)}</li>" for q in section["questions"]) + "</ol>")
    return "\n".join(body) + "\n"


def build(out):
    for paper in papers():
        out.data_text(f"data/test/{paper['file']}.htm", paper_page(paper))
        out.source_text(f"src/library/texts/Text3_{paper['answers']:02d}.txt", answer_text(paper))
