// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/compare_sheets.h"

#include <string>

#include "sheets/mark_texts.h"
#include "sheets/marking.h"
#include "sheets/question_text.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

constexpr const char* kCamel = "flash/t2.gif";
constexpr const char* kRabbit = "flash/t3.gif";

std::string pictures(int count, const char* file) {
    std::string html;
    for (int k = 0; k < count; ++k) html += std::string("<img src=") + file + ">";
    return html;
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// The rows of pictures said in words, so the question can be asked again
// without them.
std::string comparisonQuestion(const std::string& body) {
    return "骆驼有" + std::to_string(occurrences(body, kCamel)) + "只，兔子有" +
           std::to_string(occurrences(body, kRabbit)) + "只。" + SheetQuestions(body).of("bj");
}

}  // namespace

bool CompareFamily::builds(const TopicTagParts& tag) const { return tag.sigil == "&"; }

bool CompareFamily::marks(const std::string& gradingKey) const {
    return gradingKey.starts_with("q8") && gradingKey.size() == 3;
}

// Camels in the first row, fewer rabbits in the second; one answer field, `bj`.
// The "less" topics ask how many fewer the rabbits are, as the rows show.
void CompareFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const int topic = click.tag.number;
    if (topic < 81 || topic > 84) return;
    const int camels = context.draw(topic <= 82 ? 15 : 45, 5);
    const int rabbits = context.draw(camels - 3, 2);  // 2..camels-2
    const char* question = topic == 81 || topic == 83 ? "骆驼比兔子多多少？" : "兔子比骆驼少多少？";

    sheet.html += pictures(camels, kCamel) + "<p>" + pictures(rabbits, kRabbit);
    sheet.html += std::string("<p>") + question + "<input class=text name=bj type=text size=7 tag=" +
                  std::to_string(camels - rabbits) + ">";
    sheet.html += "<br><br>&nbsp; <input class=button name=finish type=button size=7 value=提交答案 tag=十>"
                  "<br><br>";
}

std::optional<MarkedSheet> CompareFamily::mark(FamilyContext& context, const std::string&) {
    Page& page = context.page;
    if (!page.has("bj")) return std::nullopt;
    MarkedSheet marks;
    markOneField(page, "bj", page.value("bj"), comparisonQuestion(page.bodyHtml()), marks);
    marks.score = marks.right * 100;
    marks.seconds = context.thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, marks.seconds));
    return marks;
}

TopicSections CompareFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T3") return {};
    return {{{
        {"q8", "比较多少", "&8", ""},
        {"q81", "多多少（简单）", "&81", "q8"},
        {"q83", "多多少（较难）", "&83", "q8"},
        {"q82", "少多少（简单）", "&82", "q8"},
        {"q84", "少多少（较难）", "&84", "q8"},
    }}};
}

}  // namespace tally
