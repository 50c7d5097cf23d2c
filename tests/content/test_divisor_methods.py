# SPDX-License-Identifier: GPL-3.0-or-later
"""The divisor and multiple method pages: every list, ladder and result on
them recomputed from the numbers alone."""
import math
import re
import unittest

from support import ROOT

TEXTS = ROOT / "src/library/texts/built"


def read(name):
    return (TEXTS / f"{name}.htm").read_text(encoding="utf-8")


def plain(html):
    return re.sub(r"<[^>]+>", "", html)


def numbers(listed):
    return [int(n) for n in re.findall(r"\d+", listed)]


def divisors(n):
    return [d for d in range(1, n + 1) if n % d == 0]


def ladders(html):
    """Each short-division table as rows of (divisor or None, a, b)."""
    for table in re.findall(r'<table cellpadding="6" style="border-collapse: collapse; text-align: right">(.*?)</table>',
                            html, re.S):
        rows = []
        for row in re.findall(r"<tr>(.*?)</tr>", table, re.S):
            cells = [plain(c) for c in re.findall(r"<td[^>]*>.*?</td>", row)]
            rows.append((int(cells[0]) if cells[0] else None, int(cells[1]), int(cells[2])))
        yield rows


class DivisorPages(unittest.TestCase):
    def test_divisor_and_multiple_lists(self):
        for name in ("Text16", "Text17"):
            text = read(name)
            with self.subTest(page=name):
                for n, listed in re.findall(r"<td>(\d+)的约数</td><td>(.*?)</td>", text):
                    self.assertEqual(numbers(listed), divisors(int(n)))
                for n, listed in re.findall(r"<td>(\d+)的倍数</td><td>(.*?)……</td>", text):
                    self.assertEqual(numbers(listed), [int(n) * k for k in range(1, len(numbers(listed)) + 1)])
        gcd_page = read("Text16")
        common = numbers(re.search(r"<td>公约数</td><td>(.*?)</td>", gcd_page).group(1))
        self.assertEqual(common, [d for d in divisors(24) if 36 % d == 0])
        lcm_page = read("Text17")
        common = numbers(re.search(r"<td>公倍数</td><td>(.*?)……</td>", lcm_page).group(1))
        self.assertEqual(common, [m for m in range(1, 49) if m % 6 == 0 and m % 8 == 0])

    def test_every_stated_result(self):
        stated = 0
        for name in ("Text16", "Text17"):
            text = plain(read(name))
            for a, b, result in re.findall(r"(\d+)和(\d+)(?:的|：)最大公约数是(\d+)", text):
                stated += 1
                self.assertEqual(math.gcd(int(a), int(b)), int(result), f"{a}和{b}")
            for a, b, result in re.findall(r"(\d+)和(\d+)的最小公倍数是(\d+)", text):
                stated += 1
                self.assertEqual(math.lcm(int(a), int(b)), int(result), f"{a}和{b}")
            for a, b, result in re.findall(r"求(\d+)和(\d+)的最大公约数.*?最大公约数是(\d+)", text, re.S):
                stated += 1
                self.assertEqual(math.gcd(int(a), int(b)), int(result))
        self.assertGreaterEqual(stated, 10)

    def test_short_division_ladders(self):
        found = {}
        for name in ("Text16", "Text17"):
            for rows in ladders(read(name)):
                with self.subTest(page=name, start=rows[0][1:]):
                    for (d, a, b), (_, qa, qb) in zip(rows, rows[1:]):
                        self.assertTrue(d > 1 and a == d * qa and b == d * qb)
                    self.assertIsNone(rows[-1][0])
                    self.assertEqual(math.gcd(rows[-1][1], rows[-1][2]), 1)
                found[name] = rows
        gcd_rows, lcm_rows = found["Text16"], found["Text17"]
        self.assertEqual(math.prod(d for d, _, _ in gcd_rows[:-1]), math.gcd(24, 36))
        self.assertEqual(lcm_rows[0][1:], (12, 18))
        self.assertEqual(len(lcm_rows) - 1, 2, "the multiple example takes two steps")
        divisors_times_quotients = math.prod(d for d, _, _ in lcm_rows[:-1]) * lcm_rows[-1][1] * lcm_rows[-1][2]
        self.assertEqual(divisors_times_quotients, math.lcm(12, 18))
        self.assertIn(f"＝<b>{math.lcm(12, 18)}</b>", read("Text17"))

    def test_todays_terms_are_bridged_once_on_each_page(self):
        for name in ("Text16", "Text17"):
            text = plain(read(name))
            with self.subTest(page=name):
                self.assertIn("因数", text)
                self.assertEqual(text.count("最大公因数"), 1)


if __name__ == "__main__":
    unittest.main()
