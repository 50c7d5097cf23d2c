// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// Pages the program builds for WebBrowser2 look like the reading pages of the
// data directory: the same frame and the shared style sheet "reading.css".
// They are shown with the data directory as their base, so relative links work.

// A whole page: the title (escaped) in <title>, the body as given.
std::string readingFrame(const std::string& title, const std::string& bodyHtml);

// What a reading topic shows when its page is missing: the topic's title and
// a short, kind note, never an empty pane or the browser's own error.
std::string missingReadingPage(const std::string& title);

}  // namespace tally
