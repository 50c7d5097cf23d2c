#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the data pages and built-in texts made from the sources in content/.

Each module tools/content/kind_*.py has build(out) and writes through `out`
(see content.common.Output). Run it by hand after changing content/ and commit
what it writes; a test checks that the repository holds what it would write.

    python3 tools/build_content.py            write into the repository
    python3 tools/build_content.py DIR        write into DIR instead
"""
import importlib
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

from content.common import ROOT, Output  # noqa: E402


def kinds():
    folder = pathlib.Path(__file__).resolve().parent / "content"
    for path in sorted(folder.glob("kind_*.py")):
        yield importlib.import_module(f"content.{path.stem}")


def build(root=ROOT):
    out = Output(root)
    for kind in kinds():
        kind.build(out)
    return out.written


if __name__ == "__main__":
    written = build(sys.argv[1] if len(sys.argv) > 1 else ROOT)
    print(f"{len(written)} files written")
