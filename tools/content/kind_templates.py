"""Word-problem templates: content/templates/*.txt (UTF-8, one template a line)
become the grade files of the data directory that the word-problem sheets draw
from (GBK with CR LF)."""
from content.common import CONTENT

FILES = ("一年级应用题.txt", "二年级应用题.txt", "三年级应用题.txt")


def template_lines(name):
    """The templates of one grade file, blank lines left out."""
    text = (CONTENT / "templates" / name).read_text(encoding="utf-8")
    return [line.strip() for line in text.splitlines() if line.strip()]


def build(out):
    # No line end after the last template: an empty last line would be one
    # more line for the sheet to draw and then skip.
    for name in FILES:
        out.data_text(f"data/{name}", "\n".join(template_lines(name)) + "\n")
