# SPDX-License-Identifier: GPL-3.0-or-later
"""The repository holds exactly what the content build writes, so no page or
built-in text drifts away from its source."""
import pathlib
import tempfile
import unittest

from support import ROOT
import build_content


class Generated(unittest.TestCase):
    def test_every_written_file_matches_the_repository(self):
        with tempfile.TemporaryDirectory() as scratch:
            written = build_content.build(scratch)
            for relative in written:
                with self.subTest(file=relative):
                    fresh = (pathlib.Path(scratch) / relative).read_bytes()
                    committed = ROOT / relative
                    self.assertTrue(committed.exists(), f"{relative} is not committed; run tools/build_content.py")
                    self.assertEqual(committed.read_bytes(), fresh,
                                     f"{relative} differs from its source; run tools/build_content.py")


if __name__ == "__main__":
    unittest.main()
