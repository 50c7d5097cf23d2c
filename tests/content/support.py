# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts tools/ on the import path so the tests reach the content pipeline."""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools"))
