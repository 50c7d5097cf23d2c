# SPDX-License-Identifier: GPL-3.0-or-later
"""The book 教你思考 (data/book/) and the maths stories (data/story/).

Every page has its source in content/book/ or content/story/: the title (which
is also the file name and so the caption in the tree), a body in a small line
markup, and a closing exercise whose answer stays folded until the child opens
it. The index page of each folder lists the pages in the order the tree shows
them, which is the order of their file names.

Body markup, one element per line (blank lines only separate):
    ## 标题          a section heading
    | 算式或句子     a line without indent (a worked step, a formula)
    例题：题目       the example in a box
    原文：古书原文   a quoted classic text in a box
    <…>              raw HTML, up to the next blank line (tables, lists)
    anything else    a paragraph
"""
from content.common import CONTENT, escape, load_toml, reading_page

FOLDERS = {
    "book": {"index": "教你思考", "exercise": "试一试", "back": "回到目录"},
    "story": {"index": "数学故事", "exercise": "想一想", "back": "回到故事目录"},
}


def blocks(markup):
    """Raw HTML blocks whole, every other line on its own."""
    for block in markup.strip().split("\n\n"):
        block = block.strip()
        if block.startswith("<"):
            yield block
        else:
            yield from (line.strip() for line in block.split("\n") if line.strip())


def element(line):
    if line.startswith("<"):
        return line
    if line.startswith("## "):
        return f"<h2>{escape(line[3:])}</h2>"
    if line.startswith("| "):
        return f'<p class="plain">{escape(line[2:])}</p>'
    for label, heading in (("例题：", "<h2>例题</h2>\n"), ("原文：", "")):
        if line.startswith(label):
            return f'<div class="box">\n{heading}<p class="plain">{escape(line[len(label):])}</p>\n</div>'
    return f"<p>{escape(line)}</p>"


def body_html(markup):
    return "\n".join(element(line) for line in blocks(markup))


def exercise_html(exercise, heading):
    lines = [f'<div class="try">', f"<h2>{heading}</h2>",
             f'<p class="plain">{escape(exercise["question"])}</p>']
    if "hint" in exercise:
        lines.append(f'<p class="plain">提示：{escape(exercise["hint"])}</p>')
    lines += ["<details>", "<summary>看看答案</summary>",
              body_html(exercise["answer"]), "</details>", "</div>"]
    return "\n".join(lines)


def page_html(page, folder):
    words = FOLDERS[folder]
    parts = [f"<h1>{escape(page['title'])}</h1>", body_html(page["body"]),
             exercise_html(page["exercise"], words["exercise"]),
             f'<p><a href="{words["index"]}.htm">{words["back"]}</a></p>']
    return reading_page(page["title"], "\n".join(parts))


def pages(folder):
    """The page sources of a folder, in the order the tree lists their files."""
    sources = [load_toml(path.relative_to(CONTENT)) for path in (CONTENT / folder).glob("*.toml")
               if path.stem != "index"]
    return sorted(sources, key=lambda page: page["title"] + ".htm")


def index_html(folder, entries):
    index = load_toml(f"{folder}/index.toml")
    items = "\n".join(
        f'<li><a href="{escape(p["title"])}.htm">{escape(p["title"])}</a>　——{escape(p["tagline"])}</li>'
        for p in entries)
    contents = f'<div class="box">\n<h2>{index["list_heading"]}</h2>\n<ul>\n{items}\n</ul>\n</div>'
    body = "\n".join([f"<h1>{FOLDERS[folder]['index']}</h1>", body_html(index["before"]),
                      contents, body_html(index["after"])])
    return reading_page(FOLDERS[folder]["index"], body)


def build(out):
    for folder, words in FOLDERS.items():
        entries = pages(folder)
        for page in entries:
            out.data_text(f"data/{folder}/{page['title']}.htm", page_html(page, folder))
        out.data_text(f"data/{folder}/{words['index']}.htm", index_html(folder, entries))
