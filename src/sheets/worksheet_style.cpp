// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/worksheet_parts.h"

namespace tally {

// A4 with room at the edges for a binder; type a child reads without effort;
// boxes as wide as the fields were; the key on a page of its own.
const char* worksheetStyle() {
    return R"css(
@page { size: A4; margin: 16mm 18mm 18mm 18mm; }
body { margin: 0; font-family: "Noto Sans CJK SC", "Noto Sans SC", sans-serif; font-size: 14pt;
       line-height: 1.6; color: #000; background: #fff; }
h1.title { font-size: 20pt; text-align: center; letter-spacing: 0.1em; margin: 0 0 3mm 0; }
p.who, p.subtitle { text-align: center; margin: 0 0 7mm 0; padding-bottom: 3mm; border-bottom: 1.5px solid #000; }
span.line { display: inline-block; width: 38mm; border-bottom: 1px solid #000; }
section.key { break-before: page; }
div.question, div.note { display: inline-block; width: 100%; vertical-align: top; margin: 0 0 6mm 0;
                         break-inside: avoid; }
div.two div.question { width: calc(50% - 6mm); margin-right: 6mm; }
div.question p, div.note p { margin: 0; }
div.question td { white-space: nowrap; }
span.blank, span.filled { display: inline-block; min-width: 4.5em; height: 1.5em; margin: 0 0.25em;
                          border-bottom: 1px solid #000; vertical-align: bottom; text-align: center; }
span.blank.short { min-width: 2em; }
span.blank.on-picture { display: none; }
span.blank.wide, span.filled.wide { min-width: 7em; }
td span.blank, td span.filled { min-width: 2em; margin: 3px 0; border: 1px solid #000; }
span.filled { font-weight: bold; }
span.working { margin-left: 1em; }
div.picture svg { display: block; margin: 0 0 2mm 0; }
div.code { float: right; margin: 0 0 2mm 4mm; text-align: center; font-size: 9pt; line-height: 1.2; }
div.code + h1.title + p, div.code + h1.title + p.subtitle { clear: right; }
div.code svg { display: block; margin: 0 auto 1mm auto; }
div.code span { font-family: "DejaVu Sans Mono", monospace; font-size: 11pt; font-weight: bold; letter-spacing: 0.05em; }
)css";
}

}  // namespace tally
