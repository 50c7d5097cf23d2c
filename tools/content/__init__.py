# SPDX-License-Identifier: GPL-3.0-or-later
"""The content pipeline: written content kept as structured source in content/,
turned into the data pages and built-in texts the program reads."""
