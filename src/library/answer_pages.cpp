// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/answer_pages.h"

#include <cstdio>

#include "base/content_store.h"
#include "library/reading_frame.h"
#include "page/html_page.h"

namespace tally {
namespace {

constexpr int kFirstAnswerTopic = 2037;
constexpr int kLastAnswerTopic = 2072;

int answerTextIndex(int topic) { return topic - kFirstAnswerTopic; }

}  // namespace

bool isAnswerTopic(int topic) { return topic >= kFirstAnswerTopic && topic <= kLastAnswerTopic; }

std::string answerTextName(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "Text3_%02d", index);
    return name;
}

std::string answerPage(const std::string& title, const std::string& answersHtml) {
    if (answersHtml.find_first_not_of(" \r\n\t") == std::string::npos) return missingReadingPage(title);
    return readingFrame(title, "<h1>" + escapeHtmlText(title) + "</h1>\n" + answersHtml);
}

std::string answerPageOf(int topic, const std::string& caption) {
    return answerPage(caption, ContentStore::text(answerTextName(answerTextIndex(topic))));
}

}  // namespace tally
