# SPDX-License-Identifier: GPL-3.0-or-later
"""The Olympiad-style practice papers (topics 2024…2036) and their answers.

Each paper is one source file content/olympiad/YEAR.toml: the catalogue title,
the topic number, the grade and term it suits, the index of its answer text,
and the problems, each with its question, its working, its 答 line and the
expected results a test recomputes. The paper page carries the questions only;
the answer text lists every problem with its working. Both say first that the
paper is our own and that the year in its title is only its number.
"""
import pathlib

from .arith import fill_blanks
from .common import CONTENT, Output, escape, reading_page, load_toml, term_words

FIRST_YEAR = 1991
FIRST_TOPIC = 2024
FIRST_ANSWER_TEXT = 23
WORK_NOTE = "请把解答过程写在每道题下面的空白处。"
NAME_LINE = "姓名：＿＿＿＿＿＿＿＿　　得分：＿＿＿＿＿＿＿＿"
WORK_ROOM = '<div style="height:10em"></div>'


def papers():
    """Every paper's source, in catalogue order."""
    folder = CONTENT / "olympiad"
    sources = sorted(folder.glob("*.toml"))
    return [load_toml(pathlib.Path("olympiad") / path.name) for path in sources]


def about(paper):
    """What the paper is: ours, for which grade, and what its year means."""
    return (f"本卷是为本程序编写的练习卷，适合{term_words(paper['grade'], paper['term'])}的同学。"
            f"标题里的“{paper['year']}年”只是这套卷子的编号，不是那一年比赛的试题。")


def page_file(paper):
    return f"data/test/{paper['year']}.htm"


def answer_file(paper):
    return f"src/library/texts/built/Text3_{paper['answers']:02d}.txt"


def _lines(text):
    return "<br>".join(escape(line.strip()) for line in text.strip().split("\n"))


def _problem_on_paper(number, problem):
    return (
        '<div class="box" style="break-inside:avoid">\n'
        f'<p class="plain"><b>{number}．</b>{_lines(problem["q"])}</p>\n'
        f"{WORK_ROOM}\n</div>"
    )


def paper_page(paper):
    body = [
        f"<h1>{escape(paper['title'])}</h1>",
        f'<p class="plain">（{about(paper)}{WORK_NOTE}）</p>',
        f'<p class="plain">{NAME_LINE}</p>',
    ]
    body += [_problem_on_paper(n, p) for n, p in enumerate(paper["problem"], 1)]
    return reading_page(paper["title"], "\n".join(body))


def answered_question(problem):
    """The question as the answer text shows it: blanks filled with the result."""
    return fill_blanks(problem["q"], [f"（{result}）" for result in problem["expected"]])


def _problem_with_answer(number, problem):
    return (
        '<div class="box">\n'
        f'<p class="plain"><b>{number}．</b>{_lines(answered_question(problem))}</p>\n'
        f'<p class="plain">解：{_lines(problem["work"])}</p>\n'
        f'<p class="plain">{escape(problem["answer"])}</p>\n'
        "</div>"
    )


def answer_text(paper):
    parts = [f'<p class="plain">（{about(paper)}）</p>']
    parts += [_problem_with_answer(n, p) for n, p in enumerate(paper["problem"], 1)]
    return "\n".join(parts) + "\n"


def build(out: Output):
    for paper in papers():
        out.data_text(page_file(paper), paper_page(paper))
        out.source_text(answer_file(paper), answer_text(paper))
