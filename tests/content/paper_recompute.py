# SPDX-License-Identifier: GPL-3.0-or-later
"""The grade papers' answers worked out again: blanks, sums, equations by
putting the root back, word problems from their working, and picture answers
from the pictures as drawn (paper_picture_facts reads them back)."""
import calendar
import itertools
import math
import re
import tomllib
import unittest
from fractions import Fraction

from support import ROOT
from content import arith
from content.common import escape
from content import kind_grade_papers as papers_kind
import paper_picture_facts as pictures

COMPARE = {"＞": lambda x, y: x > y, "＜": lambda x, y: x < y, "＝": lambda x, y: x == y}


def every_question(paper):
    for section in paper["section"]:
        for number, question in enumerate(section["questions"], 1):
            yield f"{paper['title']} {section['title']} {number}", section, question


def number_in(text):
    """The value of an answer such as "62", "B．54", "300厘米", "4分之3" or "3∶5"."""
    text = re.sub(r"^[A-D]．", "", text.strip())
    ratio = re.fullmatch(r"(\d+)∶(\d+)", text)
    if ratio:
        return Fraction(int(ratio.group(1)), int(ratio.group(2)))
    whole = arith.value(text)
    if whole is not None:
        return whole
    match = re.search(r"－?\d+又\d+分之\d+|\d+分之\d+|－?\d+(?:\.\d+)?％?", text)
    return arith.value(match.group(0)) if match else None


def numbers_in(text):
    return {Fraction(n) for n in re.findall(r"\d+(?:\.\d+)?", text)}


def divisors(n):
    return [d for d in range(1, n + 1) if n % d == 0]


def is_prime(n):
    return n > 1 and divisors(n) == [1, n]


def common_multiples(numbers, candidates):
    return (m for m in candidates if all(m % n == 0 for n in numbers))


def two_digit_numbers(*digits):
    return {10 * a + b for a, b in itertools.permutations(digits, 2) if a}


def legs(heads, feet, animal):
    rabbits = Fraction(feet - 2 * heads, 2)
    return rabbits if animal == "rabbits" else heads - rabbits


def rounding_range(target, largest):
    """Two-place decimals that round to `target` to one place: the largest or the smallest."""
    found = [Fraction(n, 100) for n in range(1, 100000)
             if Fraction(math.floor(Fraction(n, 100) * 10 + Fraction(1, 2)), 10) == target]
    return max(found) if largest else min(found)


def minutes_between(start, end):
    (h1, m1), (h2, m2) = (map(int, t.split(":")) for t in (start, end))
    return (h2 * 60 + m2) - (h1 * 60 + m1)


# Checks by name, for answers that are not one computation: "gcd:12 18".
NAMED = {
    "factors": lambda n: frozenset(divisors(n)),
    "prime-factors": lambda n: frozenset(d for d in divisors(n) if is_prime(d)),
    "gcd": math.gcd,
    "lcm": math.lcm,
    "weighings": lambda n: next(k for k in itertools.count() if 3 ** k >= n),
    "pigeonhole": lambda things, boxes: -(-things // boxes),
    "february": lambda year: calendar.monthrange(year, 2)[1],
    "year": lambda year: 366 if calendar.isleap(year) else 365,
    "first-multiple": lambda *args: next(common_multiples(args[:-1], itertools.count(args[-1]))),
    "last-multiple": lambda *args: next(common_multiples(args[:-1], range(args[-1], 0, -1))),
    "max": lambda *numbers: max(numbers),
    "min": lambda *numbers: min(numbers),
    "handshakes": lambda n: n * (n - 1) // 2,
    "two-digit": lambda *digits: len(two_digit_numbers(*digits)),
    "chickens": lambda heads, feet: legs(heads, feet, "chickens"),
    "rabbits": lambda heads, feet: legs(heads, feet, "rabbits"),
    "third-side-min": lambda a, b: abs(a - b) + 1,
    "third-side-max": lambda a, b: a + b - 1,
    "primes-below": lambda n: sum(1 for k in range(n) if is_prime(k)),
    "odd-composite": lambda n: frozenset(k for k in range(1, n + 1) if k % 2 and k > 1 and not is_prime(k)),
    "even-digits": lambda: frozenset(range(0, 10, 2)),
    "proper": lambda n: sum(1 for k in range(1, n) if math.gcd(k, n) == 1),
}


def expected_value(check):
    """What `check` says the answer is worth: a number, or a set of numbers."""
    name, _, argument = check.partition(":")
    if name in NAMED:
        return NAMED[name](*(int(n) for n in argument.split()))
    if name in ("ceil", "floor"):
        exact = arith.value(argument)
        return Fraction(math.ceil(exact) if name == "ceil" else math.floor(exact))
    if name.startswith("≈") and argument:
        scale = 10 ** int(name[1:])
        return Fraction(math.floor(arith.value(argument) * scale + Fraction(1, 2)), scale)
    if name == "zeros":
        product = int(arith.value(argument))
        return Fraction(len(str(product)) - len(str(product).rstrip("0")))
    if name in ("round-max", "round-min"):
        return rounding_range(arith.value(argument), name == "round-max")
    if name == "minutes":
        return Fraction(minutes_between(*argument.split()))
    return arith.value(check)


def answer_value(expected, answer):
    if isinstance(expected, frozenset):
        return frozenset(int(n) for n in re.findall(r"\d+", answer))
    return number_in(answer)


def sides_of(option):
    """The lengths in an option such as "B．5、5、9"."""
    return sorted(int(n) for n in re.findall(r"\d+", option))


def rounds_to(number, unit):
    return (number + unit // 2) // unit * unit


def only_chosen(question, holds):
    """Does `holds` say yes to the chosen option and to no other?"""
    said = [holds(option) for option in question["options"]]
    return said["ABCD".index(question["a"])] and said.count(True) == 1


def chosen_matches(question, check):
    if check == "triangle":
        return only_chosen(question, lambda o: sum(sides_of(o)[:2]) > sides_of(o)[2])
    if check == "leap":
        return only_chosen(question, lambda o: calendar.isleap(int(number_in(o))))
    if check.startswith("divmod:"):
        a, b = (int(n) for n in check.split(":")[1].split())
        return only_chosen(question, lambda o: tuple(int(n) for n in re.findall(r"\d+", o)) == divmod(a, b))
    if check.startswith("multiple-of:"):
        n = int(check.split(":")[1])
        return only_chosen(question, lambda o: number_in(o) % n == 0)
    if check.startswith("rounds:"):
        unit, target = (int(n) for n in check[len("rounds:"):].split())
        return only_chosen(question, lambda o: rounds_to(int(number_in(o)), unit) == target)
    values = [number_in(option) for option in question["options"]]
    chosen = values["ABCD".index(question["a"])]
    if check in ("max", "min"):
        right = max(values) if check == "max" else min(values)
        return chosen == right and values.count(right) == 1
    if check == "prime":
        return is_prime(int(chosen)) and sum(is_prime(int(v)) for v in values) == 1
    if check == "terminating":
        ends = [set(n for n in divisors(v.denominator) if is_prime(n)) <= {2, 5} for v in values]
        return ends[values.index(chosen)] and ends.count(True) == 1
    if check.startswith("≈") and ":" not in check:
        target = arith.value(check[1:])
        distances = [abs(v - target) for v in values]
        return distances[values.index(chosen)] == min(distances) and distances.count(min(distances)) == 1
    return chosen == expected_value(check) and values.count(chosen) == 1


def equation_holds(equation, root):
    text = equation.replace("∶", "÷")
    text = re.sub(r"(?<=[\d％)）])(?=[x(（])", "×", text).replace("x", f"({root})")
    left, right = (arith.value(side) for side in text.split("＝"))
    assert None not in (left, right), f"{equation}: cannot put x in"
    return left == right


def solves(equation, answer):
    """Does the root on the last line "x＝…" of `answer` make the equation, and
    every line of the working, hold?"""
    root = arith.value(answer.split("\n")[-1].split("＝")[1])
    assert root is not None, answer
    steps = [line.removeprefix("解：") for line in answer.split("\n") if "x" in line and "＝" in line]
    return all(equation_holds(line, root) for line in [equation] + steps)


def compares(text, sign):
    """Does `sign` belong in the one blank of "13－6（　）8"?"""
    left, right = (arith.value(side) for side in papers_kind.BLANK.split(text))
    assert None not in (left, right), f"{text}: give its sides"
    return COMPARE[sign](left, right)


def in_lowest_terms(answer):
    for denominator, numerator in re.findall(r"(\d+)分之(\d+)", answer):
        if math.gcd(int(denominator), int(numerator)) != 1:
            return False
    return all(math.gcd(int(a), int(b)) == 1 for a, b in re.findall(r"(\d+)∶(\d+)", answer))


REMAINDER = re.compile(r"(\d+)÷(\d+)＝(\d+)（[^）\d]+）……(\d+)（[^）\d]+）")


def remainders_hold(answer):
    """Every "52÷7＝7（盘）……3（个）" in a working: the division is right and both parts carry units."""
    if "……" not in answer:
        return 0
    found = REMAINDER.findall(answer)
    assert len(found) == answer.count("……"), f"a remainder without its units: {answer}"
    for a, b, q, r in ((int(n) for n in m) for m in found):
        assert a == b * q + r and 0 <= r < b, f"{a}÷{b}＝{q}……{r}"
    return len(found)


def duration_in(sentence):
    """Minutes in "1小时50分钟" or "45分钟"."""
    found = re.search(r"(?:(\d+)小时)?(\d+)分钟|(\d+)小时", sentence)
    assert found, sentence
    hours = int(found.group(1) or found.group(3) or 0)
    return Fraction(hours * 60 + int(found.group(2) or 0))


def _picture_answers(question, facts):
    """The answers that the question's picture gives, one per blank or choice."""
    answers = papers_kind.answer_list(question)
    checked = 0
    for fact_name, answer in zip(facts, answers):
        if not fact_name:
            continue
        said = pictures.fact(question["picture"], fact_name)
        if isinstance(said, str):
            assert said == answer, f"{fact_name}: the picture says {said}, the answer {answer}"
        else:
            assert number_in(answer) == said, f"{fact_name}: the picture says {said}, the answer {answer}"
        checked += 1
    return checked


def _checked_answers(question, checks):
    if "options" in question:
        assert chosen_matches(question, checks[0]), f"{checks[0]}: not {question['a']}"
        return 1
    if papers_kind.is_word_problem(question):
        sentence = question["a"].split("\n")[-1]
        if checks[0].startswith("minutes:"):
            assert expected_value(checks[0]) == duration_in(sentence), f"{checks[0]} against {sentence}"
            return 1
        said = re.search(r"\d+(?:\.\d+)?(?:又\d+分之\d+|分之\d+)?", sentence).group(0)
        assert expected_value(checks[0]) == number_in(said), f"{checks[0]} against {said}"
        return 1
    checked = 0
    for check, answer in zip(checks, papers_kind.answer_list(question)):
        if not check:
            continue
        expected = expected_value(check)
        assert expected == answer_value(expected, answer), f"{check}: {expected} against {answer}"
        checked += 1
    return checked


def _judgement(question):
    """A statement is true exactly when its answer is √: checked by its sides,
    a claim worked out, or a counter-example."""
    if "sides" in question:
        left, right = (expected_value(side) for side in question["sides"])
        holds = COMPARE[question.get("sign", "＝")](left, right)
    elif "remainder" in question:
        a, b, q, r = question["remainder"]
        holds = a == b * q + r and 0 <= r < b
    elif "counter" in question:
        left, sign, right = question["counter"]
        assert COMPARE[sign](expected_value(left), expected_value(right)), f"{question['counter']} is no counter-example"
        holds = False
    else:
        return 0
    assert question["a"] == ("√" if holds else "×"), f"the statement is {'true' if holds else 'false'}"
    return 1


def _items(question):
    for item, answer in zip(question["items"], question["a"]):
        if answer in COMPARE:
            assert compares(item, answer), f"{item}: {answer}"
        else:
            text = papers_kind.filled(item, answer)
            assert arith.problems(text) == [] and arith.checked(text) >= 1, text
    return len(question["items"])


def _word_problem(question):
    answer = question["a"]
    assert arith.problems(answer) == [], arith.problems(answer)
    remainders = remainders_hold(answer)
    check = question.get("check", "")
    check = check[0] if isinstance(check, list) else check
    if check.startswith(("ceil:", "floor:")) and arith.value(check.split(":", 1)[1]).denominator != 1 \
            and "……" not in answer:
        rule = "进一法" if check.startswith("ceil") else "去尾法"
        assert rule in answer, f"a quotient that is not whole is rounded by the {rule}, and says so"
    if "解：设" in answer:
        lines = answer.split("\n")
        equation = next(line for line in lines[1:] if "x" in line and "＝" in line)
        root = next(line for line in reversed(lines) if line.startswith("x＝"))
        assert solves(equation, root), f"{equation}: {root}"
        return 1
    return 1 if arith.checked(answer) >= 1 or remainders else 0


def recompute(question):
    """Checks the question's answers by working them out. Returns how many of
    its answers could be worked out, and raises AssertionError when one is wrong."""
    answers = papers_kind.answer_list(question)
    if "最简" in question["q"]:
        assert all(in_lowest_terms(a) for a in answers), answers
    done = 0
    if "makes" in question:
        claims = question["makes"] if isinstance(question["makes"], list) else [question["makes"]]
        for claim in claims:
            assert pictures.makes(question["picture"], claim), f"the answer drawing does not {claim}"
        done += len(claims)
    facts = question.get("facts")
    checks = question.get("check")
    if facts is not None:
        done += _picture_answers(question, facts)
    if checks is not None:
        checks = checks if isinstance(checks, list) else [checks]
        if papers_kind.is_word_problem(question):
            return done + max(_checked_answers(question, checks), _word_problem(question))
        return done + _checked_answers(question, checks)
    if facts is not None or "makes" in question:
        return done
    if papers_kind.is_judgement(question):
        return _judgement(question)
    if "sides" in question:
        left, right = (expected_value(side) for side in question["sides"])
        assert COMPARE[question["sign"]](left, right), f"{left} {question['sign']} {right}"
        return 1
    if "items" in question:
        return _items(question)
    if "options" in question:
        return 0
    q = question["q"]
    if papers_kind.is_equation(question):
        assert solves(q.split("：")[-1], answers[0]), f"{q}: {answers[0]}"
        return 1
    if papers_kind.is_calculation(question):
        text = q + "＝" + answers[0].replace("\n", "")
        assert arith.problems(text) == [] and arith.checked(text) >= 1, text
        return 1
    if papers_kind.is_word_problem(question):
        return _word_problem(question)
    if papers_kind.BLANK.search(q):
        if len(answers) == 1 and answers[0] in COMPARE:
            assert compares(q.split("：")[-1], answers[0]), q
            return 1
        text = papers_kind.filled(q, answers)
        assert arith.problems(text) == [], arith.problems(text)
        return len(answers) if arith.checked(text) > arith.checked(q) else 0
    return 0
