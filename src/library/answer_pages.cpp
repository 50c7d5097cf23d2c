#include "library/answer_pages.h"

#include <cstdio>

#include "shell/content_store.h"
#include "library/reading_frame.h"
#include "page/html_page.h"
#include "shell/catalogue.h"

namespace tally {
namespace {

constexpr int kFirstAnswerTopic = 2037;
constexpr int kLastAnswerTopic = 2072;
constexpr int kFirstPaper = 2001;

int answerTextIndex(int topic) { return topic - kFirstAnswerTopic; }

// The paper an answer topic answers: 2037 → 2001, 2060 → 2024.
int answeredPaper(int topic) { return kFirstPaper + answerTextIndex(topic); }

}  // namespace

bool isAnswerTopic(int topic) { return topic >= kFirstAnswerTopic && topic <= kLastAnswerTopic; }

std::string answerTextName(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "Text3_%02d", index);
    return name;
}

std::string answerPage(const std::string& paperTitle, const std::string& answersHtml) {
    const std::string title = paperTitle + " 参考答案";
    if (answersHtml.find_first_not_of(" \r\n\t") == std::string::npos) return missingReadingPage(title);
    return readingFrame(title, "<h1>" + escapeHtmlText(title) + "</h1>\n" + answersHtml);
}

std::string answerPageOf(int topic) {
    const auto paper = findFixedTopic("q" + std::to_string(answeredPaper(topic)));
    const std::string title = paper ? paper->caption : std::string();
    return answerPage(title, ContentStore::text(answerTextName(answerTextIndex(topic))));
}

}  // namespace tally
