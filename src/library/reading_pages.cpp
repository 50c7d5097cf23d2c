// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/reading_pages.h"

#include <regex>

#include "library/answer_pages.h"
#include "library/knowledge_topics.h"
#include "library/reading_frame.h"
#include "page/html_page.h"
#include "base/text.h"

namespace tally {
namespace {

struct SectionIntroduction {
    int topic;
    const char* text;
};

// The section roots have no page of their own; they say what is inside.
constexpr SectionIntroduction kSectionIntroductions[] = {
    {666666,
     "<p>这里有数学讲座、《教你思考》和数学故事。</p>"
     "<p>点左边的题目，就能在这里阅读。读完一篇，可以讲给爸爸妈妈听一听。</p>"},
    {100,
     "<p>一共八讲，从“添运算符号”讲到“常用速算方法”。</p>"
     "<p>每一讲都有讲解、例题和几道练习。先跟着例题想一想，再自己做练习。</p>"},
    {200,
     "<p>这里有一到六年级的期中、期末试卷，每份试卷都有一份参考答案。</p>"
     "<p>先认真做完试卷，再打开答案对一对。做错的题，弄明白错在哪里就是进步。"
     "点工具栏上的“打印”，还可以把试卷打印出来做。</p>"},
    {199,
     "<p>这里有十三份奥数练习卷，一份比一份难一些，每份都有参考答案。</p>"
     "<p>遇到难题不要着急，先画一画、列一列，想不出来再看答案。只要肯动脑筋就很棒！</p>"},
};

// A caption names a file only inside its own folder.
bool namesOneFile(const std::string& caption) {
    return !caption.empty() && caption != "." && caption != ".." &&
           caption.find_first_of("/\\") == std::string::npos && caption.find('\0') == std::string::npos;
}

std::string numberedPagePath(int topic, const std::string& caption) {
    if (between(topic, 1001, 1008)) return "flash/j" + std::to_string(topic - 1000) + ".htm";
    if (between(topic, 2001, 2023)) return gradePaperPath(caption);
    if (between(topic, 2024, 2036)) return "test/" + std::to_string(topic - 2024 + 1991) + ".htm";
    return "";
}

const char* readingSectionIntroduction(int topic) {
    for (const SectionIntroduction& section : kSectionIntroductions) {
        if (section.topic == topic) return section.text;
    }
    return nullptr;
}

bool isReadingSigil(const std::string& sigil) { return sigil == "j" || sigil == "g" || sigil == "#"; }

}  // namespace

std::string gradePaperPath(const std::string& caption) {
    static const std::regex paper("^([1-6])年级([12])学期(期中|期末)");
    std::smatch parts;
    if (!std::regex_search(caption, parts, paper)) return "";
    const int term = parts[2].str()[0] - '0';
    const int kind = (term - 1) * 2 + (parts[3].str() == "期中" ? 1 : 2);
    return "test/" + parts[1].str() + std::to_string(kind) + ".htm";
}

std::string readingPagePath(const std::string& sigil, int topic, const std::string& caption) {
    if (sigil == "#") return numberedPagePath(topic, caption);
    if (!namesOneFile(caption)) return "";
    if (sigil == "j") return "book/" + caption + ".htm";
    if (sigil == "g") return "story/" + caption + ".htm";
    return "";
}

namespace {

void openReadingTopic(FamilyContext& context, const std::string& sigil, int topic, const std::string& caption,
                      Sheet& sheet) {
    sheet.keepPage = true;
    context.window.bringToFront(Pane::WebBrowser2);
    if (sigil == "#" && isAnswerTopic(topic)) {
        context.window.showPage(Pane::WebBrowser2, answerPageOf(topic, caption));
        return;
    }
    const char* introduction = sigil == "#" ? readingSectionIntroduction(topic) : nullptr;
    if (introduction) {
        context.window.showPage(Pane::WebBrowser2,
                           readingFrame(caption, "<h1>" + escapeHtmlText(caption) + "</h1>\n" + introduction));
        return;
    }
    const std::string path = readingPagePath(sigil, topic, caption);
    if (!path.empty() && context.data.exists(path)) {
        context.window.navigate(Pane::WebBrowser2, path);
    } else {
        context.window.showPage(Pane::WebBrowser2, missingReadingPage(caption));
    }
}

}  // namespace

bool ReadingFamily::builds(const TopicTagParts& tag) const {
    return isReadingSigil(tag.sigil) || (tag.sigil == "{" && isKnowledgeTopic(tag.number));
}

void ReadingFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    if (click.tag.sigil == "{") return buildKnowledgeTopic(context, click, sheet);
    openReadingTopic(context, click.tag.sigil, click.tag.number, click.caption, sheet);
}

}  // namespace tally
