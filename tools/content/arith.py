# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the arithmetic written in content.

Every chain like "24÷6＋18÷6＋30÷6＝12" or "10×9＝90÷2＝45" found in a text must
hold exactly (fractions, no rounding). Parts of a chain that are not plain
computations (words, letters, blanks) are left out of the comparison, so a
chain is only checked where it can be checked honestly.

    problems(text)        the chains that do not hold, as readable lines
    checked(text)         how many chains were checked
    fill_blanks(q, [a])   the question with its blanks （　） filled in
    value("3×(4＋5)")     the exact value of a computation, or None
"""
import html
import re
from fractions import Fraction

_TO_ASCII = str.maketrans({
    "０": "0", "１": "1", "２": "2", "３": "3", "４": "4", "５": "5", "６": "6", "７": "7",
    "８": "8", "９": "9", "＋": "+", "－": "-", "−": "-", "×": "*", "÷": "/", "＝": "=",
    "（": "(", "）": ")", "％": "%", "／": "/", "．": "¦", "　": "¦", "＜": "¦", "＞": "¦",
})
_RUN_CHARS = set("0123456789.+-*/=()% ")
# Next to these a number is part of something that is not a computation.
# A ratio "2：3＝8：12" is no chain of sums, and "156000＝15.6万" compares across a unit.
_UNSAFE = set("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ□○△☆◇▽?？_＿：:∶万亿")
_BLANK = "□"


def _normalise(text):
    # a tag ends a chain, unless an operator right beside it carries the chain on ("<u>10</u>－5")
    text = re.sub(r"(?:<[^>]*>)+", "¦", text)
    text = re.sub(r"(?<=[0-9０-９])¦(?=[＋－×÷＝+\-*/=])|(?<=[＋－×÷+\-*/])¦(?=[0-9０-９])", "", text)
    text = html.unescape(text).replace("\xa0", " ")
    text = text.translate(_TO_ASCII)
    # mixed numbers and fractions in words: 16又4/11, 16又11分之4, 11分之4
    text = re.sub(r"(\d+)又(\d+)/(\d+)", r"(\1+\2/\3)", text)
    text = re.sub(r"(\d+)又(\d+)分之(\d+)", r"(\1+\3/\2)", text)
    text = re.sub(r"分之(?=\s*[(（])", "分之□", text)
    return re.sub(r"(\d+)分之(\d+)", r"(\2/\1)", text)


def _strip_groups(text):
    # blanks to a placeholder, units and words in brackets to nothing,
    # question labels "(2)" in front of a computation to nothing
    def group(match):
        inner = match.group(1)
        if re.fullmatch(r"[\s¦_＿]*", inner):
            return _BLANK
        if re.search(r"[0-9]", inner):
            return match.group(0)
        return ""
    previous = None
    while previous != text:
        previous = text
        text = re.sub(r"\(([^()]*)\)", group, text)
    text = re.sub(r"\((\d{1,2})\)(?=[\d(])", "", text)
    return text


class _Parser:
    def __init__(self, text):
        self.tokens = re.findall(r"\d+(?:\.\d+)?%?|[-+*/()]", text.replace(" ", ""))
        self.joined = "".join(self.tokens)
        self.source = text.replace(" ", "")
        self.at = 0

    def parse(self):
        if self.joined != self.source or not self.tokens:
            return None
        try:
            result = self.sum()
        except (ZeroDivisionError, IndexError, ValueError):
            return None
        return result if self.at == len(self.tokens) else None

    def peek(self):
        return self.tokens[self.at] if self.at < len(self.tokens) else None

    def take(self):
        token = self.tokens[self.at]
        self.at += 1
        return token

    def sum(self):
        total = self.product()
        while self.peek() in ("+", "-"):
            total = total + self.product() if self.take() == "+" else total - self.product()
        return total

    def product(self):
        total = self.factor()
        while self.peek() in ("*", "/"):
            if self.take() == "*":
                total *= self.factor()
            else:
                total /= self.factor()
        return total

    def factor(self):
        token = self.take()
        if token == "-":
            return -self.factor()
        if token == "(":
            inner = self.sum()
            if self.take() != ")":
                raise ValueError
            return inner
        if token[0].isdigit():
            if token.endswith("%"):
                return Fraction(token[:-1]) / 100
            return Fraction(token)
        raise ValueError


def value(expression):
    """The exact value of a computation written in either width, or None."""
    text = _normalise(expression)
    return _Parser(text.strip()).parse() if set(text) <= _RUN_CHARS else None


def _runs(text):
    """(run, char before, char after) for every stretch of computation characters."""
    start = None
    for i, ch in enumerate(text + "\n"):
        if ch in _RUN_CHARS and i < len(text):
            if start is None:
                start = i
            continue
        if start is not None:
            run = text[start:i]
            if "=" in run:
                yield run, text[start - 1] if start else "", ch
            start = None


# "52÷7＝7……3", also with the units a word problem writes: "52÷7＝7（盘）……3（个）".
_UNIT = r"(?:\s*\([^()\d]*\))?"
_REMAINDER = re.compile(rf"(\d+)\s*/\s*(\d+)\s*=\s*(\d+){_UNIT}\s*(?:……|\.\.\.\.\.\.|…|⋯⋯)\s*(\d+){_UNIT}")


def _remainder_problems(text):
    found, bad = 0, []
    for m in _REMAINDER.finditer(text):
        a, b, q, r = (int(g) for g in m.groups())
        found += 1
        if not (b > 0 and a == b * q + r and 0 <= r < b):
            bad.append(f"{m.group(0)}: {a}÷{b} is {a // b} remainder {a % b}")
    text = _REMAINDER.sub("¦", text)
    return text, found, bad


def _chains(text):
    """Yields (chain text, values that could be computed)."""
    text = _strip_groups(_normalise(text))
    for run, before, after in _runs(text):
        parts = run.split("=")
        if before and (before in _UNSAFE or before in "…⋯"):
            parts = parts[1:]
        if after and after in _UNSAFE:
            parts = parts[:-1]
        values = [_Parser(p.strip()).parse() for p in parts]
        # a part starting with a binary operator continues something outside the run
        values = [v for p, v in zip(parts, values) if v is not None and p.strip()[:1] not in "+*/"]
        if len(values) >= 2:
            yield run.strip(), values


def _scan(text):
    normal = _normalise(text)
    rest, found, bad = _remainder_problems(normal)
    for chain, values in _chains(rest):
        found += 1
        if any(v != values[0] for v in values):
            shown = ", ".join(str(v) for v in values)
            bad.append(f"{chain}: the parts are worth {shown}")
    return found, bad


def problems(text):
    """Readable lines, one per chain that does not hold."""
    return _scan(text)[1]


def checked(text):
    """How many chains (and remainders) the text holds that could be checked."""
    return _scan(text)[0]


def fill_blanks(question, answers):
    """The question with its blanks "（　　）" (or "(  )", "____") filled, in order."""
    answers = list(answers)

    def fill(match):
        return answers.pop(0) if answers else match.group(0)
    return re.sub(r"（[\s　_]*）|\([\s　_]*\)|_{3,}", fill, question)
