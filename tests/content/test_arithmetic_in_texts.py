# SPDX-License-Identifier: GPL-3.0-or-later
"""Every computation written out in the program's texts and pages holds."""
import unittest

from support import ROOT
from content import arith


def texts():
    for path in sorted((ROOT / "src/library/texts").rglob("*.*")):
        yield path.relative_to(ROOT), path.read_text(encoding="utf-8")
    for path in sorted((ROOT / "data").rglob("*")):
        if path.suffix.lower() in (".htm", ".txt") and path.name != "tallymoologin.ini":
            yield path.relative_to(ROOT), path.read_bytes().decode("gbk")
    for path in sorted((ROOT / "content").rglob("*")):
        if path.suffix in (".toml", ".txt"):
            yield path.relative_to(ROOT), path.read_text(encoding="utf-8")


class ArithmeticInTexts(unittest.TestCase):
    def test_every_written_chain_holds(self):
        for relative, text in texts():
            with self.subTest(file=str(relative)):
                self.assertEqual(arith.problems(text), [])


if __name__ == "__main__":
    unittest.main()
