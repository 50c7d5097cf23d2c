#include "sheets/node_click.h"

#include "library/lessons.h"
#include "library/reading_pages.h"
#include "library/summaries.h"
#include "library/library_topics.h"
#include "shell/form1.h"
#include "sheets/families.h"
#include "sheets/section_introduction.h"
#include "sheets/topic_tag.h"

namespace tally {
namespace {

constexpr const char* kFormHint =
    "<br>点击工具栏上的“竖式”按钮，出题形式就是以竖式形式出现！"
    "<br>点击工具栏上的“最大”按钮，出题形式就是以不等式形式出现！";

bool between(int value, int low, int high) { return value >= low && value <= high; }

std::string selectedCaption(const Form1& form) {
    const TopicNode* node = form.selectedNode();
    return node ? node->caption : std::string();
}

// The "{" family holds several families, told apart by the topic number.
void dispatchNumbered(Form1& form, int topic, Sheet& sheet) {
    if (topic == 5111 || between(topic, 511102, 511105)) {
        buildLevelGamePage(form, topic, sheet);
    } else if (between(topic, 5002, 5013)) {
        buildFractionSheet(form, topic, sheet);
    } else if (between(topic, 7001, 7006) || between(topic, 8001, 8004)) {
        buildDivisorSheet(form, topic, sheet);
    } else if (isLibraryNumberedTopic(topic)) {
        buildLibraryNumbered(form, topic, sheet);
    } else if (between(topic, 9001, 9009)) {
        buildFourOperationSheet(form, topic, sheet);
    } else if (isLessonTopic(topic)) {
        buildLessonPage(form, topic, selectedCaption(form), sheet);
    } else if (isSummaryTopic(topic)) {
        buildSummaryPage(form, topic, selectedCaption(form), sheet);
    }
}

}  // namespace

std::string operatorIntroduction(const std::string& sigil) {
    if (sigil == "+") return std::string("加法题!") + kFormHint;
    if (sigil == "-") return std::string("减法题!") + kFormHint;
    if (sigil == "×") return "乘法题!";
    if (sigil == "÷") return "除法题!";
    return "";
}

void dispatchFamily(Form1& form, const std::string& sigil, int topic, Sheet& sheet) {
    if (sigil == "+" || sigil == "-" || sigil == "×" || sigil == "÷") {
        buildArithmeticSheet(form, sigil, topic, sheet);
    } else if (sigil == "!") {
        buildGamePage(form, topic, sheet);
    } else if (sigil == "{") {
        dispatchNumbered(form, topic, sheet);
    } else if (sigil == "$" && topic == 77) {
        // The clock topic: an empty page under the clock panel.
        form.ui().bringToFront(Pane::Picture2);
    } else if (sigil == "$") {
        buildTimeSheet(form, topic, sheet);
    } else if (sigil == "&") {
        buildCompareSheet(form, topic, sheet);
    } else if (sigil == "*") {
        buildPatternSheet(form, topic, sheet);
    } else if (sigil == "?") {
        buildQuestionFamily(form, topic, sheet);
    } else if (isReadingSigil(sigil)) {
        openReadingTopic(form, sigil, topic, selectedCaption(form), sheet);
    }
}

void runNodeClick(Form1& form, const TopicNode& node) {
    form.timers.setEnabled(1, true);
    form.stopGameTimers();
    form.thinkSeconds = 0;
    form.ui().bringToFront(Pane::WebBrowser1);
    form.gameKey = "000";

    const TopicTagParts tag = splitTopicTag(node.tag);
    // "?0", the word-problem section, has a page of its own.
    if (tag.number == 0 && tag.sigil != "?") {
        const std::string introduction = operatorIntroduction(tag.sigil);
        if (!introduction.empty()) form.writeBody(introduction);
        return;
    }
    if (tag.number == 10 && form.questionCount == 50) form.questionCount = 20;

    Sheet sheet;
    dispatchFamily(form, tag.sigil, tag.number, sheet);
    if (const std::string introduction = sectionIntroduction(node.tag); !introduction.empty()) {
        sheet.html += (sheet.html.empty() ? "" : "<br><br>") + introduction;
    }
    if (!sheet.keepPage) form.writeBody(sheet.html);
}

}  // namespace tally
