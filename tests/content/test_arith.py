# SPDX-License-Identifier: GPL-3.0-or-later
import unittest

from support import ROOT  # noqa: F401
from content import arith


class ChainCheck(unittest.TestCase):
    def test_chains_that_hold_and_chains_that_do_not(self):
        cases = [
            # text, chains checked, chains wrong
            ("24÷6＋18÷6＋30÷6＝12（段）", 1, 0),
            ("10×9＝90，90÷2＝45", 2, 0),
            ("3＋4＝8", 1, 1),
            ("12（个）＋3（个）＝15（个）", 1, 0),
            ("(3＋5)×2＝16", 1, 0),
            ("3/4＋1/4＝1", 1, 0),
            ("25%×8＝2", 1, 0),
            ("2.5×4.4＝11", 1, 0),
            ("－3＋5＝2", 1, 0),
            ("<td>3＋3＝6</td><td>6＋4＝11</td>", 2, 1),
            ("（2）35＋27＝62", 1, 0),
            ("1．35＋27＝62", 1, 0),
            ("17÷5＝3……2", 1, 0),
            ("17÷5＝3……3", 1, 1),
            ("4＋4＋4＝3×4＝12", 1, 0),
            ("4＋4＋4＝3×4＝13", 1, 1),
            ("90÷5.5＝16又4/11（分钟）", 1, 0),
            ("<u>10</u>－5＝5", 1, 0),
            ("1又2分之1＋3分之1＝1又6分之5", 1, 0),
        ]
        for text, count, wrong in cases:
            with self.subTest(text=text):
                self.assertEqual(arith.checked(text), count)
                self.assertEqual(len(arith.problems(text)), wrong)

    def test_what_is_not_a_plain_computation_is_left_alone(self):
        for text in ["1＋2＋…＋9＝45", "x－3＝8", "（　）－5＝9", "□＋3＝8", "7时30分＝450分",
                     "a＝5，b＝3", "35＋27＝（　　）", "3＋5≠9", "2：3＝8：12", "156000＝15.6万", "x∶6＝5∶3", "12分之（　　）＝3分之1"]:
            with self.subTest(text=text):
                self.assertEqual(arith.problems(text), [])

    def test_blanks_are_filled_in_order(self):
        self.assertEqual(arith.fill_blanks("（　）＋5＝（　　）", ["4", "9"]), "4＋5＝9")
        self.assertEqual(arith.problems(arith.fill_blanks("35＋27＝（　　）", ["63"])),
                         ["35+27=63: the parts are worth 62, 63"])

    def test_value(self):
        self.assertEqual(arith.value("3×（4＋5）"), 27)
        self.assertEqual(arith.value("1÷3＋1÷6"), arith.value("1/2"))
        self.assertIsNone(arith.value("3÷0"))
        self.assertIsNone(arith.value("3米"))


if __name__ == "__main__":
    unittest.main()
