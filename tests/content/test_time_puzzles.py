# SPDX-License-Identifier: GPL-3.0-or-later
"""The time puzzles: every answer recomputed from clock rules of its own, and
the text laid out for a child reading alone."""
import calendar
import datetime
import re
import unittest
from fractions import Fraction

from support import ROOT
from content.common import load_toml

GRADES = ["一年级", "二年级", "三年级", "四年级", "五年级", "六年级"]


def minutes(hours, mins=0):
    return hours * 60 + mins


def clock_time(total):
    """A time of day as written on a 12-hour dial, e.g. 7时45分, 7时."""
    hours, mins = divmod(total % (24 * 60), 60)
    hours = hours % 12 or 12
    return f"{hours}时{mins}分" if mins else f"{hours}时"


def grade_one_reading(total):
    """A whole or half hour as grade 1 reads it: 7时, 3时半."""
    hours, mins = divmod(total % (12 * 60), 60)
    assert mins in (0, 30)
    return f"{hours or 12}时半" if mins else f"{hours or 12}时"


def hands_at(total):
    """Where the hands of a dial stand at a whole or half hour, in grade 1's words."""
    hours, mins = divmod(total % (12 * 60), 60)
    minute = f"分针指着{mins // 5 or 12}"
    hour = f"时针指着{hours or 12}" if mins == 0 else f"时针在{hours or 12}和{hours % 12 + 1}的正中间"
    return f"{minute}，{hour}"


def duration(total):
    hours, mins = divmod(total, 60)
    return f"{hours}小时{mins}分" if mins else f"{hours}小时"


def hand_angles(total):
    """Angles of the hour and minute hands from 12, in degrees, at a time in minutes."""
    return Fraction(total % 720, 2), Fraction(total % 60 * 6)


def angle_between(total):
    hour, minute = hand_angles(total)
    gap = abs(hour - minute) % 360
    return min(gap, 360 - gap)


def first_meeting_after(start):
    """Minutes after `start` until the hands coincide, by stepping through
    eleven-part fractions of a minute (the hands meet only at such moments)."""
    step = Fraction(1, 11)
    t = Fraction(0)
    while True:
        t += step
        hour = Fraction(start % 720, 2) + t / 2
        minute = (Fraction(start % 60) + t) * 6
        if (hour - minute) % 360 == 0:
            return t


def meetings_in(span):
    """Moments in [0, span) minutes at which the hands lie on each other."""
    count = 0
    for eleventh in range(span * 11):
        t = Fraction(eleventh, 11)
        if (t / 2 - t * 6) % 360 == 0:
            count += 1
    return count


def mixed(value):
    whole, part = divmod(value, 1)
    return f"{whole}又{part.denominator}分之{part.numerator}" if part else f"{whole}"


def weekday_of_march_first(february_first_weekday):
    year = next(y for y in range(2001, 2100)
                if not calendar.isleap(y) and datetime.date(y, 2, 1).weekday() == february_first_weekday)
    return datetime.date(year, 3, 1).weekday()


WEEKDAYS = ["星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"]
LEAP_FEBRUARY = calendar.monthrange(2024, 2)[1]
LEAP_YEAR_DAYS = (datetime.date(2025, 1, 1) - datetime.date(2024, 1, 1)).days


def chime(strokes, seconds, other):
    return Fraction(seconds, strokes - 1) * (other - 1)


# (grade, question number): what the answer must say, each worked out here.
EXPECTED = {
    ("一年级", 1): [hands_at(minutes(7))],
    ("一年级", 2): [grade_one_reading(minutes(3, 30))],
    ("一年级", 3): [grade_one_reading(minutes(7))],
    ("一年级", 4): [hands_at(minutes(8, 30))],
    ("二年级", 1): [f"{60 // 12}分", f"{minutes(1)}分"],
    ("二年级", 2): [clock_time(minutes(7, 3 * 60 // 12))],
    ("二年级", 3): [f"{6 * 60 // 12}分"],
    ("二年级", 4): [f"{hand_angles(minutes(1))[0] // 30}个大格"],  # a big division is 30 degrees
    ("三年级", 1): [f"{3 * 60}秒", f"{240 // 60}分"],
    ("三年级", 2): [clock_time(minutes(7, 10) + 35)],
    ("三年级", 3): [clock_time(minutes(14) + minutes(1, 40))],
    ("三年级", 4): [duration(minutes(13, 5) - minutes(9, 20))],
    ("三年级", 5): [f"{LEAP_FEBRUARY}天", f"{LEAP_YEAR_DAYS}天"],
    ("三年级", 6): [f"{(minutes(15, 15)) // 60}时15分", f"{minutes(21) // 60}时"],
    ("三年级", 7): [f"{18 - 3}秒"],
    ("四年级", 1): [f"{(datetime.datetime(2024, 1, 3, 8) - datetime.datetime(2024, 1, 1, 8)).days * 24}小时"],
    ("四年级", 2): [WEEKDAYS[weekday_of_march_first(4)]],
    ("四年级", 3): [clock_time(minutes(12) - 2 * (12 - 8))],
    ("四年级", 4): [duration(minutes(24 + 6, 10) - minutes(21, 30))],
    ("五年级", 1): [f"{angle_between(minutes(3))}度"],
    ("五年级", 2): [f"{hand_angles(minutes(2, 30))[0] - hand_angles(minutes(2))[0]}度"],
    ("五年级", 3): [f"{angle_between(minutes(8, 30))}度"],
    ("五年级", 4): [f"零{365 % 7}天", f"零{366 % 7}天"],
    ("五年级", 5): [f"{Fraction(3, 2) * 60}分", f"{float(Fraction(minutes(2, 15), 60))}小时"],
    ("六年级", 1): [f"{mixed(first_meeting_after(minutes(3)))}分钟"],
    ("六年级", 2): [f"{meetings_in(24 * 60)}次"],
    ("六年级", 3): [f"{chime(6, 10, 12)}秒"],
    ("六年级", 4): [f"{60 * Fraction(minutes(11, 10) - minutes(9, 40), 60)}千米"],
    ("六年级", 5): [clock_time(minutes(12) + 3 * 3)],
}


def source():
    return load_toml("texts/time_puzzles.toml")


class TimePuzzleAnswers(unittest.TestCase):
    def test_every_answer_is_recomputed(self):
        seen = set()
        for grade in source()["grades"]:
            for number, puzzle in enumerate(grade["puzzles"], start=1):
                key = (grade["name"], number)
                seen.add(key)
                with self.subTest(puzzle=key):
                    self.assertIn(key, EXPECTED, "a puzzle without a recomputed answer")
                    for part in EXPECTED[key]:
                        self.assertIn(part, puzzle["answer"])
        self.assertEqual(seen, set(EXPECTED))

    def test_the_clock_helpers_on_known_moments(self):
        cases = [(minutes(3), 90), (minutes(6), 180), (minutes(12), 0), (minutes(9, 45), Fraction(45, 2)),
                 (minutes(12, 30), 165)]
        for moment, angle in cases:
            with self.subTest(moment=moment):
                self.assertEqual(angle_between(moment), angle)
        self.assertEqual(first_meeting_after(minutes(0)), Fraction(720, 11))
        self.assertEqual(meetings_in(12 * 60), 11)
        self.assertEqual(clock_time(minutes(13, 5)), "1时5分")
        self.assertEqual(hands_at(minutes(12, 30)), "分针指着6，时针在12和1的正中间")
        self.assertEqual(grade_one_reading(minutes(0, 30)), "12时半")


class TimePuzzleText(unittest.TestCase):
    def setUp(self):
        self.text = (ROOT / "src/library/texts/built/Text9.txt").read_text(encoding="utf-8")

    def test_grades_in_order_each_with_answers_after_its_questions(self):
        headings = re.findall(r"^【(.+?)】$", self.text, re.M)
        self.assertEqual(headings, [h for g in GRADES for h in (g, "答案")])
        for block in re.split(r"^【.年级】$", self.text, flags=re.M)[1:]:
            questions, answers = block.split("【答案】")
            self.assertNotIn("答：", questions)
            self.assertEqual(len(re.findall(r"^\d+．", questions, re.M)),
                             len(re.findall(r"^\d+．.*答：", answers, re.M)))

    def test_grade_one_reads_only_whole_and_half_hours(self):
        first = self.text.split("【二年级】")[0]
        for shown in re.findall(r"(\d+)时(\d+)分", first):
            self.assertIn(shown[1], ("30",), shown)
        self.assertNotIn("经过", first)

    def test_times_have_no_leading_zeros_or_colons(self):
        self.assertEqual(re.findall(r"时0\d分|\d:\d", self.text), [])


if __name__ == "__main__":
    unittest.main()
