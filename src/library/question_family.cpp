#include "library/library_lists.h"
#include "library/library_topics.h"
#include "library/titled_entries.h"
#include "library/word_problem_sheet.h"
#include "shell/form1.h"

namespace tally {
namespace {

constexpr const char* kExercisesText = "Text15";
constexpr const char* kPuzzlesText = "Puzzles";
constexpr const char* kIntelligenceTestText = "IqTest";

bool between(int value, int low, int high) { return value >= low && value <= high; }

bool isPuzzle(int topic) { return between(topic, 11, 78) || between(topic, 801, 808); }

// Intelligence exercises are "?59" + three digits.
bool isExercise(int topic) { return between(topic, 59001, 59999); }

void growExercises(Form1& form, Sheet& sheet) {
    std::vector<ChildNode> children;
    for (const TitledEntry& entry : titledEntries(form.library.text(kExercisesText))) {
        children.push_back({entry.position, entry.title});
    }
    growList(form, LoadedList::Exercises, "?59", children);
    sheet.html += listPage(selectedCaption(form), !children.empty(),
                           "点一点下面的题目，先动脑筋想一想，再点“查看答案”。");
}

void showExercise(Form1& form, int topic, Sheet& sheet) {
    const auto entry = titledEntryAt(form.library.text(kExercisesText), topic - 59001);
    if (entry) sheet.html += entryPage(selectedCaption(form), entry->question);
}

// A puzzle's page is its question as written, then the button; no heading.
// The puzzles' nodes come from the catalogue, so a text without the puzzle
// gets a note rather than a blank page.
void showPuzzle(Form1& form, int topic, Sheet& sheet) {
    const auto entry = numberedEntry(form.library.text(kPuzzlesText), topic);
    sheet.html += entry ? entryMarkup(entry->question) + kRevealButton + "<br><br>"
                        : listPage(selectedCaption(form), false, "");
}

std::string intelligenceTestButton() {
    return std::string("<br><br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; <input class=button name=") +
           kIntelligenceTestButton + " type=button size=7 value=查看答案>";
}

void showIntelligenceTest(Form1& form, Sheet& sheet) {
    const std::vector<TitledEntry> entries = titledEntries(form.library.text(kIntelligenceTestText));
    const std::string caption = selectedCaption(form);
    if (entries.empty()) {
        sheet.html += listPage(caption, false, "");
        return;
    }
    sheet.html += "<h1>" + caption + "</h1><h2>一共" + std::to_string(entries.size()) +
                  "道题，请一道一道认真想，把答案写在纸上，做完了再点“查看答案”。</h2>";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        sheet.html += questionHead(static_cast<int>(i) + 1) + entryMarkup(entries[i].question) + "<br><br>";
    }
    sheet.html += intelligenceTestButton() + "<br><br>";
}

}  // namespace

void buildQuestionFamily(Form1& form, int topic, Sheet& sheet) {
    const std::string caption = selectedCaption(form);
    switch (topic) {
        case 0: sheet.html += introPage(form, caption, "IntroWordProblems"); return;
        case 1: sheet.html += introPage(form, caption, "IntroBrainTeasers"); return;
        case 2: showIntelligenceTest(form, sheet); return;
        case 3: sheet.html += introPage(form, caption, "IntroGeometry"); return;
        case 5: growExercises(form, sheet); return;
        case 6:
        case 7:
        case 9: buildWordProblemSheet(form, topic, sheet); return;
        case 55555: sheet.html += introPage(form, caption, "IntroPuzzles"); return;
        default: break;
    }
    if (isPuzzle(topic)) {
        showPuzzle(form, topic, sheet);
    } else if (isExercise(topic)) {
        showExercise(form, topic, sheet);
    }
}

}  // namespace tally
