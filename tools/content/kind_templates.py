# SPDX-License-Identifier: GPL-3.0-or-later
"""Word-problem templates: content/templates/*.txt (UTF-8, one template a line)
become the grade files of the data directory that the word-problem sheets draw
from (GBK with CR LF).

A source file is split into terms by the lines "# 上学期" and "# 下学期"; every
template belongs to the term above it, and content/templates/limits.toml says
what each grade has been taught by the end of each term. Other lines starting
with "#" are notes for the writer. Only the templates and the two term lines
reach the data file, in the order of the source: a sheet shows its questions
in file order, so the first term's templates come first, and a child in
上学期 gets those before "# 下学期" only."""
from content.common import CONTENT, load_toml

FILES = ("一年级应用题.txt", "二年级应用题.txt", "三年级应用题.txt",
         "四年级应用题.txt", "五年级应用题.txt", "六年级应用题.txt")
TERMS = {"# 上学期": "上", "# 下学期": "下"}


def grade_of(name):
    return FILES.index(name) + 1


def templates_by_term(name):
    """[(term, template)] of one source file, in file order."""
    text = (CONTENT / "templates" / name).read_text(encoding="utf-8")
    term, found = None, []
    for raw in text.splitlines():
        line = raw.strip()
        if line in TERMS:
            term = TERMS[line]
        elif line and not line.startswith("#"):
            if term is None:
                raise ValueError(f"{name}: “{line[:12]}…” comes before “# 上学期”")
            found.append((term, line))
    return found


def template_lines(name):
    """The templates of one grade file, each term's under its term line, as
    they go into the data file."""
    marks = {term: mark for mark, term in TERMS.items()}
    lines, current = [], None
    for term, line in templates_by_term(name):
        if term != current:
            lines.append(marks[term])
            current = term
        lines.append(line)
    return lines


def limits():
    """What each grade and term has met: {(grade, term): {key: value}}. A term
    lists only what is new; everything else carries on from the term before."""
    source = load_toml("templates/limits.toml")
    met, current = {}, {}
    for term in source["term"]:
        current = {**current, **{k: v for k, v in term.items() if k not in ("new_words", "new_units")}}
        current["words"] = current.get("words", []) + term.get("new_words", [])
        current["units"] = current.get("units", []) + term.get("new_units", [])
        met[(term["grade"], term["term"])] = current
    return met


def build(out):
    # Every template ends with CR LF, as an editor saves it; the sheet skips
    # the empty text after the last one, as it skips any line that is no template.
    for name in FILES:
        out.data_text(f"data/{name}", "\n".join(template_lines(name)) + "\n")
