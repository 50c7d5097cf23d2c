# SPDX-License-Identifier: GPL-3.0-or-later
"""The eight lectures of 数学讲座 (topics 1001…1008), data/flash/j1.htm … j8.htm.

Each lecture is one source file content/lectures/jN.toml: the catalogue caption,
the grade and term it suits, an explanation, worked examples (question,
solution, check) and exercises whose answers stay folded away until the child
opens them.
"""
from .common import CONTENT, Output, escape, load_toml, paragraphs, reading_page, term_words

FIRST_TOPIC = 1001


def lectures():
    """Every lecture's source with its file stem, in catalogue order."""
    stems = sorted(path.stem for path in (CONTENT / "lectures").glob("j*.toml"))
    stems.sort(key=lambda stem: int(stem[1:]))
    return [dict(load_toml(f"lectures/{stem}.toml"), stem=stem) for stem in stems]


def page_file(lecture):
    return f"data/flash/{lecture['stem']}.htm"


def _lines(text):
    return "<br>".join(escape(line.strip()) for line in text.strip().split("\n"))


def _plain(text):
    return f'<p class="plain">{_lines(text)}</p>'


def _example(number, example):
    return "\n".join([
        '<div class="box">',
        f"<h2>【例{number}】</h2>",
        _plain(example["q"]),
        _plain("解：" + example["solution"].strip()),
        _plain("检查：" + example["check"]),
        "</div>",
    ])


def _exercises(exercises):
    questions = [_plain(f"{n}．{e['q']}") for n, e in enumerate(exercises, 1)]
    answers = [_plain(f"{n}．{e['a']}") for n, e in enumerate(exercises, 1)]
    return "\n".join([
        '<div class="try">',
        "<h2>【练一练】</h2>",
        *questions,
        "<details>",
        "<summary>查看答案</summary>",
        *answers,
        "</details>",
        "</div>",
    ])


def suits(lecture):
    return f"（本讲适合{term_words(lecture['grade'], lecture['term'])}的同学。）"


def lecture_page(lecture):
    body = [f"<h1>{escape(lecture['title'])}</h1>", _plain(suits(lecture)),
            paragraphs(escape(lecture["intro"]))]
    body += [_example(n, e) for n, e in enumerate(lecture["example"], 1)]
    body.append(_exercises(lecture["exercise"]))
    return reading_page(lecture["title"], "\n".join(body))


def build(out: Output):
    for lecture in lectures():
        out.data_text(page_file(lecture), lecture_page(lecture))
