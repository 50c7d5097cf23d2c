// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tally {

class Form1;

// The login check every marking and reveal starts with: false, after telling
// the child so, unless the advanced user's password was given at login. Once
// children are named, a child alone may have a sheet marked (without its
// right answers, while the parent's option allows it), never a page that only
// reveals answers (`revealOnly`).
bool answersAllowed(Form1& form, bool revealOnly);

// The finish button: the login check, then the family of the grading key
// marks the page and what it marked goes to the record; the think-time
// count stops.
void runGrader(Form1& form);

}  // namespace tally
