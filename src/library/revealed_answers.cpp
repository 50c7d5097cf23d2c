// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/revealed_answers.h"

#include <vector>

#include "library/library_lists.h"
#include "library/titled_entries.h"
#include "base/text.h"
#include "sheets/mark_texts.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

constexpr const char* kExercisesText = "Text15";
constexpr const char* kWorkedProblemsText = "Text18";
constexpr const char* kPuzzlesText = "Puzzles";
constexpr const char* kIntelligenceTestText = "IqTest";
constexpr int kWorkedProblems = 8005;

bool isPuzzle(int topic) { return between(topic, 11, 78) || between(topic, 801, 808); }
// Intelligence exercises are "?59" + three digits.
bool isExercise(int topic) { return between(topic, 59001, 59999); }
bool isWorkedProblem(int topic) { return between(topic, 8005001, 8005999); }

std::vector<ChildNode> entryNodes(const std::string& text) {
    std::vector<ChildNode> children;
    for (const TitledEntry& entry : titledEntries(text)) children.push_back({entry.position, entry.title});
    return children;
}

void growEntries(FamilyContext& context, const TopicClick& click, const char* textName, const std::string& tagStem,
                 const std::string& howTo, Sheet& sheet) {
    const std::vector<ChildNode> children = entryNodes(context.texts.text(textName));
    growList(context, click, tagStem, children);
    sheet.html += listPage(click.caption, !children.empty(), howTo);
}

void showEntry(FamilyContext& context, const TopicClick& click, const char* textName, int index, Sheet& sheet) {
    const auto entry = titledEntryAt(context.texts.text(textName), index);
    if (entry) sheet.html += entryPage(click.caption, entry->question);
}

// A puzzle's page is its question as written, then the button; no heading.
// The puzzles' nodes are fixed rows of this family, so a text without the puzzle
// gets a note rather than a blank page.
void showPuzzle(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const auto entry = numberedEntry(context.texts.text(kPuzzlesText), click.tag.number);
    sheet.html += entry ? entryMarkup(entry->question) + kRevealButton + "<br><br>" : listPage(click.caption, false, "");
}

std::string intelligenceTestButton() {
    return std::string("<br><br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; <input class=button name=") +
           RevealedAnswersFamily::kIntelligenceTestButton + " type=button size=7 value=查看答案>";
}

void showIntelligenceTest(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const std::vector<TitledEntry> entries = titledEntries(context.texts.text(kIntelligenceTestText));
    if (entries.empty()) {
        sheet.html += listPage(click.caption, false, "");
        return;
    }
    sheet.html += "<h1>" + click.caption + "</h1><h2>一共" + std::to_string(entries.size()) +
                  "道题，请一道一道认真想，把答案写在纸上，做完了再点“查看答案”。</h2>";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        sheet.html += questionHead(static_cast<int>(i) + 1) + entryMarkup(entries[i].question) + "<br><br>";
    }
    sheet.html += intelligenceTestButton() + "<br><br>";
}

void buildQuestion(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    switch (click.tag.number) {
        case 1: sheet.html += introPage(context, click.caption, "IntroBrainTeasers"); return;
        case 2: showIntelligenceTest(context, click, sheet); return;
        case 3: sheet.html += introPage(context, click.caption, "IntroGeometry"); return;
        case 5:
            growEntries(context, click, kExercisesText, "?59", "点一点下面的题目，先动脑筋想一想，再点“查看答案”。",
                        sheet);
            return;
        case 55555: sheet.html += introPage(context, click.caption, "IntroPuzzles"); return;
        default: break;
    }
    if (isPuzzle(click.tag.number)) {
        showPuzzle(context, click, sheet);
    } else if (isExercise(click.tag.number)) {
        showEntry(context, click, kExercisesText, click.tag.number - 59001, sheet);
    }
}

std::string thinkTime(int seconds) { return "<br>思考用时" + std::to_string(seconds) + "秒！"; }

// The answer a grading key reveals, as the page shows it; "" for none.
std::string revealedAnswer(const FamilyContext& context, const std::string& key) {
    const int number = key.size() > 1 ? leadingNumber(key.substr(1)) : 0;
    if (key.size() == 8 && key.starts_with("q8005")) {
        const auto entry = titledEntryAt(context.texts.text(kWorkedProblemsText), number - 8005001);
        return entry ? entryReveal(entry->answer, context.thinkSeconds) : "";
    }
    if (key.size() == 6 && key.starts_with("q59")) {
        const auto entry = titledEntryAt(context.texts.text(kExercisesText), number - 59001);
        return entry ? entryReveal(entry->answer, context.thinkSeconds) : "";
    }
    // q511 is brain-teaser 11; q5801 is geometry question 801.
    int puzzle = 0;
    if (key.size() == 4 && between(number, 511, 578)) puzzle = number - 500;
    if (key.size() == 5 && between(number, 5801, 5808)) puzzle = number - 5000;
    const auto entry = puzzle ? numberedEntry(context.texts.text(kPuzzlesText), puzzle) : std::nullopt;
    return entry ? "<br><br>" + entryMarkup(entry->answer) + thinkTime(context.thinkSeconds) : "";
}

}  // namespace

bool RevealedAnswersFamily::builds(const TopicTagParts& tag) const {
    if (tag.sigil == "{") return tag.number == kWorkedProblems || isWorkedProblem(tag.number);
    if (tag.sigil != "?") return false;
    const int topic = tag.number;
    return topic == 1 || topic == 2 || topic == 3 || topic == 5 || topic == 55555 || isPuzzle(topic) ||
           isExercise(topic);
}

bool RevealedAnswersFamily::marks(const std::string& key) const {
    if (key == kIntelligenceTestKey) return true;
    if (key.starts_with("q8005") || key.starts_with("q59")) return true;
    const int number = key.size() > 1 ? leadingNumber(key.substr(1)) : 0;
    if (key.size() == 4 && key.starts_with("q5") && between(number, 511, 578)) return true;
    return key.size() == 5 && between(number, 5801, 5808);
}

void RevealedAnswersFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    if (click.tag.sigil == "?") return buildQuestion(context, click, sheet);
    if (click.tag.number == kWorkedProblems) {
        growEntries(context, click, kWorkedProblemsText, "{8005",
                    "点一点下面的例题，先自己想一想，再点“查看答案”看看讲解。", sheet);
    } else {
        showEntry(context, click, kWorkedProblemsText, click.tag.number - 8005001, sheet);
    }
}

std::optional<MarkedSheet> RevealedAnswersFamily::mark(FamilyContext& context, const std::string& gradingKey) {
    if (gradingKey == kIntelligenceTestKey) {
        revealIntelligenceTest(context);
        return std::nullopt;
    }
    if (const std::string answer = revealedAnswer(context, gradingKey); !answer.empty()) {
        context.page.insertHtmlAfter("finish", answer);
    }
    return std::nullopt;
}

std::string RevealedAnswersFamily::finishButton(const std::string& gradingKey) const {
    return gradingKey == kIntelligenceTestKey ? kIntelligenceTestButton : "finish";
}

void RevealedAnswersFamily::revealIntelligenceTest(FamilyContext& context) {
    if (!context.page.has(kIntelligenceTestButton)) return;
    std::string answers = "<br>";
    int question = 0;
    for (const TitledEntry& entry : titledEntries(context.texts.text(kIntelligenceTestText))) {
        answers += "<br>" + questionHead(++question) + entryMarkup(entry.answer);
    }
    context.page.insertHtmlAfter(kIntelligenceTestButton, answers + thinkTimeLine(context.thinkSeconds));
    context.timers.setEnabled(kThinkTimer, false);
}

}  // namespace tally
