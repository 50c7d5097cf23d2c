#include "library/library_topics.h"
#include "library/titled_entries.h"
#include "sheets/grader.h"
#include "sheets/sheet.h"
#include "sheets/topic_tag.h"
#include "shell/form1.h"

namespace tally {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool between(int value, int low, int high) { return value >= low && value <= high; }

std::string thinkTime(int seconds) { return "<br>思考用时" + std::to_string(seconds) + "秒！"; }

// "q8005" + three digits: the worked problem of Text18 at index number - 8005001.
void revealWorkedProblem(Form1& form, int number) {
    const auto entry = titledEntryAt(form.library.text("Text18"), number - 8005001);
    if (entry) form.page().insertHtmlAfter("finish", entryReveal(entry->answer, form.thinkSeconds));
}

// "q59" + three digits: the exercise of Text15 at index number - 59001.
void revealExercise(Form1& form, int number) {
    const auto entry = titledEntryAt(form.library.text("Text15"), number - 59001);
    if (entry) form.page().insertHtmlAfter("finish", entryReveal(entry->answer, form.thinkSeconds));
}

void revealPuzzle(Form1& form, int number) {
    const auto entry = numberedEntry(form.library.text("Puzzles"), number);
    if (entry) {
        form.page().insertHtmlAfter("finish", "<br><br>" + entryMarkup(entry->answer) + thinkTime(form.thinkSeconds));
    }
}

}  // namespace

void revealLibraryAnswer(Form1& form) {
    const std::string key = form.gradingKey();
    const int number = key.size() > 1 ? leadingNumber(key.substr(1)) : 0;
    if (key.size() == 8 && startsWith(key, "q8005")) {
        revealWorkedProblem(form, number);
    } else if (key.size() == 6 && startsWith(key, "q59")) {
        revealExercise(form, number);
    } else if (key.size() == 4 && between(number, 511, 578)) {
        revealPuzzle(form, number - 500);  // q511 is brain-teaser 11
    } else if (key.size() == 5 && between(number, 5801, 5808)) {
        revealPuzzle(form, number - 5000);  // q5801 is geometry question 801
    }
}

void revealIntelligenceTest(Form1& form) {
    if (!form.page().has(kIntelligenceTestButton) || !answersAllowed(form)) return;
    std::string answers = "<br>";
    int question = 0;
    for (const TitledEntry& entry : titledEntries(form.library.text("IqTest"))) {
        answers += "<br>" + questionHead(++question) + entryMarkup(entry.answer);
    }
    form.page().insertHtmlAfter(kIntelligenceTestButton, answers + thinkTimeLine(form.thinkSeconds));
    form.timers.setEnabled(1, false);
}

}  // namespace tally
