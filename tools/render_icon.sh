#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon, packaging/tallymoo.svg, to the 256 px PNG the
# menu uses where SVG icons are not read. Run by hand after changing the SVG;
# the PNG is committed. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
rsvg-convert --width 256 --height 256 packaging/tallymoo.svg --output packaging/tallymoo.png
