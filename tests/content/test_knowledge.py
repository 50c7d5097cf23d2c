# SPDX-License-Identifier: GPL-3.0-or-later
"""The knowledge texts the program shows one item a page: their format, their
size, the first items the topics begin with, and the pictures and sounds the
items point at."""
import re
import unittest
import xml.etree.ElementTree as ElementTree

from support import ROOT

TEXTS = ROOT / "src/library/texts"
DATA = ROOT / "data"

# text name: (fewest items, the terms it begins with)
KNOWLEDGE = {
    "Text10": (30, ["自然数"]),
    "Text11": (30, ["小数"]),
    "Text12": (30, ["分数线"]),
    "Text13": (30, ["百分数"]),
    "Text14": (30, ["线段", "射线"]),
    "Knowledge6009": (20, []),
}
ENGLISH = ["Knowledge6007", "Knowledge6008", "Knowledge6010", "Knowledge6011", "Knowledge6012"]
ALL_TEXTS = list(KNOWLEDGE) + ENGLISH

# A definition is written into the page as HTML; these are the only tags it may carry.
ALLOWED_TAGS = {"br", "img", "nobr", "sup"}
# In Chinese running text punctuation and operators are full width.
HALF_WIDTH = set(",;:?!()+=*<>\"")
ENGLISH_ITEM = re.compile(r"(?P<meaning>[^A-Za-z]+?)例句：(?P<sentence>[A-Z][ -~]*?[.!?])（(?P<translation>[^（）]+)）")


def items(name):
    """(term, definition) for every line of a text that holds an item, as the program splits it."""
    lines = (TEXTS / f"{name}.txt").read_text(encoding="utf-8").split("\n")
    found = []
    for line in lines:
        if "]" in line:
            term, definition = line[1:].split("]", 1)
            found.append((term, definition))
    return found


def without_tags(text):
    return re.sub(r"<[^<>]*>", "", text)


def chinese_half_width(text):
    """ASCII punctuation, operators and blanks standing in Chinese text."""
    return sorted({ch for ch in without_tags(text) if ch in HALF_WIDTH or ch == " "})


class Format(unittest.TestCase):
    def test_every_line_is_one_item_with_term_and_definition(self):
        for name in ALL_TEXTS:
            text = (TEXTS / f"{name}.txt").read_text(encoding="utf-8")
            self.assertTrue(text.endswith("\n") and "\r" not in text, name)
            for number, line in enumerate(text.split("\n")[:-1], start=1):
                with self.subTest(text=name, line=number):
                    self.assertRegex(line, r"^\[[^\[\]]+\][^\]]+$")
                    self.assertEqual(line, line.strip())

    def test_no_term_appears_twice_in_one_text(self):
        for name in ALL_TEXTS:
            terms = [term for term, _ in items(name)]
            duplicates = sorted({term for term in terms if terms.count(term) > 1})
            self.assertEqual(duplicates, [], name)

    def test_each_text_has_enough_items_and_begins_as_its_topic_does(self):
        expected = dict(KNOWLEDGE, **{name: (30, []) for name in ENGLISH})
        for name, (fewest, first_terms) in expected.items():
            with self.subTest(text=name):
                terms = [term for term, _ in items(name)]
                self.assertGreaterEqual(len(terms), fewest)
                self.assertEqual(terms[:len(first_terms)], first_terms)

    def test_definitions_carry_only_the_tags_a_page_can_take(self):
        for name in ALL_TEXTS:
            for term, definition in items(name):
                with self.subTest(text=name, term=term):
                    tags = re.findall(r"<\s*/?\s*([A-Za-z0-9]+)", definition)
                    self.assertLessEqual(set(tags), ALLOWED_TAGS)
                    self.assertNotIn("<", without_tags(definition))
                    self.assertNotIn(">", without_tags(definition))
                    self.assertEqual(definition.count("<nobr>"), definition.count("</nobr>"))

    def test_chinese_text_uses_full_width_punctuation(self):
        for name in KNOWLEDGE:
            for term, definition in items(name):
                with self.subTest(text=name, term=term):
                    self.assertEqual(chinese_half_width(term + definition), [])


class English(unittest.TestCase):
    def test_words_are_single_lower_case_words(self):
        for name in ENGLISH:
            for word, _ in items(name):
                with self.subTest(text=name, word=word):
                    self.assertRegex(word, r"^[a-z]+$")

    def test_each_word_has_meaning_example_and_translation(self):
        for name in ENGLISH:
            for word, definition in items(name):
                with self.subTest(text=name, word=word):
                    match = ENGLISH_ITEM.fullmatch(definition)
                    self.assertIsNotNone(match, definition)
                    self.assertTrue(match["meaning"].endswith("。"))
                    self.assertEqual(chinese_half_width(match["meaning"] + match["translation"]), [])
                    self.assertRegex(match["translation"], r"[。！？]$")
                    self.assertNotRegex(match["sentence"], r"[^ -~]", "full-width marks in the English sentence")

    def test_the_example_uses_the_word(self):
        # A plural or a capital letter at the start of the sentence still counts.
        for name in ENGLISH:
            for word, definition in items(name):
                sentence = ENGLISH_ITEM.fullmatch(definition)["sentence"].lower()
                with self.subTest(text=name, word=word):
                    self.assertRegex(sentence, rf"\b{word[:-1] if word.endswith('y') else word}")


class Sounds(unittest.TestCase):
    def assert_is_mp3(self, path):
        self.assertTrue(path.is_file(), f"{path.relative_to(ROOT)} is missing; run tools/make_sounds.sh")
        head = path.read_bytes()[:3]
        self.assertTrue(head == b"ID3" or (head[0] == 0xFF and head[1] & 0xE0 == 0xE0), path.name)

    def test_every_whole_number_term_is_spoken(self):
        for term, _ in items("Text10"):
            with self.subTest(term=term):
                self.assertNotRegex(term, r'[/\\:*?"<>|\s.]', "the term names a sound file")
                self.assert_is_mp3(DATA / "sound" / f"{term}.mp3")

    def test_every_english_word_is_spoken_and_nothing_else_is_there(self):
        words = {word for name in ENGLISH for word, _ in items(name)}
        for word in sorted(words):
            with self.subTest(word=word):
                self.assert_is_mp3(DATA / "sound" / "en" / f"{word}.mp3")
        spoken = {path.stem for path in (DATA / "sound" / "en").glob("*.mp3")}
        self.assertEqual(sorted(spoken - words), [], "sounds of words no list holds")


class Pictures(unittest.TestCase):
    def pictures(self):
        for name in ALL_TEXTS:
            for term, definition in items(name):
                for source in re.findall(r"<img\s[^>]*?src=\"?([^\s\">]+)", definition):
                    yield name, term, source

    def test_every_picture_a_definition_shows_is_in_the_data_folder(self):
        for name, term, source in self.pictures():
            with self.subTest(text=name, term=term):
                self.assertTrue((DATA / source).is_file(), source)

    def test_every_shape_has_its_own_picture_and_every_picture_is_shown(self):
        shown = [source for name, _, source in self.pictures() if name == "Knowledge6009"]
        self.assertEqual(len(shown), len(items("Knowledge6009")), "a shape without a picture")
        self.assertEqual(len(shown), len(set(shown)), "two shapes share a picture")
        drawn = {f"pic/shapes/{path.name}" for path in (DATA / "pic/shapes").glob("*.svg")}
        self.assertEqual(sorted(drawn - set(shown)), [])

    def test_every_drawing_is_well_formed_svg_with_a_size(self):
        for path in sorted((DATA / "pic/shapes").glob("*.svg")):
            with self.subTest(picture=path.name):
                root = ElementTree.parse(path).getroot()
                self.assertEqual(root.tag, "{http://www.w3.org/2000/svg}svg")
                self.assertTrue(root.get("viewBox"))
                self.assertRegex(path.name, r"^[a-z_]+\.svg$")


if __name__ == "__main__":
    unittest.main()
