// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/paper_asked.h"

#include <cstdlib>

#include "page/html_node.h"
#include "page/html_page.h"
#include "page/html_parse.h"

namespace tally {
namespace {

constexpr const char* kListClass = "paperasked";

std::string askedItem(const KeptQuestion& asked) {
    const MissedQuestion& q = asked.question;
    return "<li " + htmlAttribute("data-source", std::to_string(asked.source)) + " " +
           htmlAttribute("data-form", std::to_string(static_cast<int>(q.form))) + " " +
           htmlAttribute("data-topic", q.topicKey) + " " + htmlAttribute("data-caption", q.topicCaption) + " " +
           htmlAttribute("data-correct", q.correct) + " " + htmlAttribute("data-question", q.question) + "></li>";
}

KeptQuestion askedOf(const HtmlNode& item) {
    KeptQuestion asked;
    asked.source = std::atoi(item.attribute("data-source").c_str());
    MissedQuestion& q = asked.question;
    const int form = std::atoi(item.attribute("data-form").c_str());
    q.form = form >= 0 && form <= static_cast<int>(AnswerForm::Fraction) ? static_cast<AnswerForm>(form) : AnswerForm::None;
    q.topicKey = item.attribute("data-topic");
    q.topicCaption = item.attribute("data-caption");
    q.correct = item.attribute("data-correct");
    q.question = item.attribute("data-question");
    return asked;
}

}  // namespace

std::string withAskedList(const std::string& pageHtml, const std::vector<KeptQuestion>& asked) {
    std::string list = std::string("<ol hidden class=") + kListClass + ">";
    for (const KeptQuestion& each : asked) list += askedItem(each);
    return pageHtml + list + "</ol>";
}

std::vector<KeptQuestion> askedListOf(const std::string& pageHtml) {
    auto root = HtmlNode::element("div");
    root->replaceChildren(parseHtmlFragment(pageHtml));
    std::vector<KeptQuestion> asked;
    forEachElement(*root, [&](const HtmlNode& element, int) {
        if (element.tagName == "li" && element.parent && element.parent->attribute("class") == kListClass) {
            asked.push_back(askedOf(element));
        }
        return false;
    });
    return asked;
}

}  // namespace tally
