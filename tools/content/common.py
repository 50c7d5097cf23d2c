# SPDX-License-Identifier: GPL-3.0-or-later
"""What every content kind shares: the repository's folders, reading sources,
writing data files (GBK with CR LF) and built-in texts (UTF-8 with LF), and the
frame of a reading page."""
import html
import pathlib
import tomllib

ROOT = pathlib.Path(__file__).resolve().parents[2]
CONTENT = ROOT / "content"


def load_toml(relative):
    """A TOML source of content/, e.g. load_toml("papers/grade1.toml")."""
    with open(CONTENT / relative, "rb") as source:
        return tomllib.load(source)


GRADE_NAMES = "一二三四五六"


def term_words(grade, term):
    """A grade and term (1 or 2) as a page names them: 四年级下学期."""
    return f"{GRADE_NAMES[grade - 1]}年级{'上' if term == 1 else '下'}学期"


def escape(text):
    return html.escape(text, quote=False)


class Output:
    """Where a build writes: the repository itself, or a scratch folder that the
    up-to-date test compares with the repository. Paths are relative to the root."""

    def __init__(self, root=ROOT):
        self.root = pathlib.Path(root)
        self.written = []

    def _put(self, relative, data):
        path = self.root / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        self.written.append(str(relative))

    def data_text(self, relative, text):
        """A text or page of data/: GBK with CR LF line ends, as the program reads them."""
        text = text.replace("\r\n", "\n")
        try:
            data = text.replace("\n", "\r\n").encode("gbk")
        except UnicodeEncodeError as error:
            bad = text[error.start:error.end]
            raise ValueError(f"{relative}: {bad!r} has no GBK code") from None
        self._put(relative, data)

    def source_text(self, relative, text):
        """A built-in text of src/library/texts/built/: UTF-8 with LF line ends."""
        self._put(relative, text.replace("\r\n", "\n").encode("utf-8"))


def reading_page(title, body, depth=1):
    """A whole page of the data directory in the house frame: GBK declared,
    the shared style sheet `depth` folders up."""
    css = "../" * depth + "reading.css"
    return (
        "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"gbk\">\n"
        f"<title>{escape(title)}</title>\n<link rel=\"stylesheet\" href=\"{css}\">\n"
        f"</head>\n<body>\n{body.strip()}\n</body>\n</html>\n"
    )


def paragraphs(text, css_class=None):
    """Plain text with blank lines between paragraphs, as <p> elements. Lines
    that already start with "<" are kept as HTML."""
    attr = f' class="{css_class}"' if css_class else ""
    out = []
    for block in text.strip().split("\n\n"):
        block = block.strip()
        if not block:
            continue
        if block.startswith("<"):
            out.append(block)
        else:
            out.append(f"<p{attr}>" + "<br>".join(line.strip() for line in block.split("\n")) + "</p>")
    return "\n".join(out)
