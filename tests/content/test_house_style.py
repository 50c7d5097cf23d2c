"""Running prose of our texts keeps one style: full-width operators and
punctuation, no ASCII blanks next to numbers. Checked over the sources (and the
built-in texts written by hand), not over texts the program quotes verbatim."""
import re
import tomllib
import unittest

from support import ROOT

SOURCE_FOLDERS = ["content/book", "content/story", "content/texts"]
HAND_WRITTEN = ["src/library/texts/Text5.txt"]

CJK = "\u4e00-\u9fff"
RULES = [
    ("half-width operator between numbers", re.compile(r"[0-9）)]\s*[-+*/=]\s*[0-9（(]")),
    ("ASCII blank next to a number", re.compile(rf"[{CJK}，。：；、] +[0-9]|[0-9] +[{CJK}，。：；、]")),
    ("half-width punctuation in Chinese", re.compile(rf"[{CJK}][,.;:?!](?![0-9])")),
    ("leading zero in a time", re.compile(r"时0[0-9]分")),
]


def strings(value):
    if isinstance(value, str):
        yield value
    elif isinstance(value, dict):
        for item in value.values():
            yield from strings(item)
    elif isinstance(value, list):
        for item in value:
            yield from strings(item)


def prose(text):
    """The words a child reads: tags and their attributes left out."""
    return re.sub(r"<[^>]*>", "\n", text)


def faults(text):
    found = []
    for line in prose(text).splitlines():
        found += [f"{name}: {line.strip()}" for name, rule in RULES if rule.search(line)]
    return found


def texts():
    for folder in SOURCE_FOLDERS:
        for path in sorted((ROOT / folder).glob("*.toml")):
            with open(path, "rb") as source:
                yield path.relative_to(ROOT), "\n".join(strings(tomllib.load(source)))
    for relative in HAND_WRITTEN:
        yield relative, (ROOT / relative).read_text(encoding="utf-8")


class HouseStyle(unittest.TestCase):
    def test_the_rules_catch_what_they_should(self):
        cases = [
            ("18-3=15（秒）", 1), ("18－3＝15（秒）", 0), ("最大公约数是 12。", 1), ("24 和 36", 1),
            ("答：7时05分。", 1), ("一共有7种,对吗?", 1), ("12 - 5 = 7", 1), ("0.5度", 0), ("<td style=\"a: b\">2</td>", 0),
            ("（60÷12）×（36÷12）＝15（个）", 0), ("(√)和(×)", 0),
        ]
        for text, count in cases:
            with self.subTest(text=text):
                self.assertEqual(len(faults(text)), count, faults(text))

    def test_our_texts_keep_the_house_style(self):
        for relative, text in texts():
            with self.subTest(file=str(relative)):
                self.assertEqual(faults(text), [])


if __name__ == "__main__":
    unittest.main()
