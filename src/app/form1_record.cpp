// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's sheets in the record: storing what a family marked, the
// re-drill sheet and the record page.
#include "app/form1.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "app/dabiao_history.h"
#include "app/grader.h"
#include "app/question_steps.h"
#include "app/record_page.h"
#include "app/sheet_progress.h"
#include "app/worksheet_print.h"
#include "daily/similar_questions.h"
#include "daily/waiting_rows.h"
#include "skills/dabiao_page.h"
#include "progress/answer_times.h"
#include "progress/record_trouble.h"
#include "topics/catalogue.h"
#include "base/text.h"
#include "sheets/mark_texts.h"
#include "sheets/redrill_sheet.h"
#include "sheets/sheet.h"

namespace tally {

namespace {

std::string drillFormName(DrillForm form) {
    switch (form) {
        case DrillForm::Normal: return "normal";
        case DrillForm::Vertical: return "vertical";
        case DrillForm::Inequality: return "inequality";
        case DrillForm::Decimal: return "decimal";
    }
    return "normal";
}

}  // namespace

// A lesson practises a drill of another tab: its sheets are kept under the
// drill's own caption, so they chart with that drill's other sheets.
std::string Form1::topicCaption(const std::string& key) const {
    if (const TopicNode* shown = tree_.find(key)) return shown->caption;
    if (const auto fixed = findFixedTopic(families_.table, key)) return fixed->caption;
    const TopicNode* selected = tree_.selected();
    return selected ? selected->caption : "";
}

int Form1::recordSheet(MarkedSheet sheet) {
    if (!record_) return 0;
    const bool redrill = redrillOnPage();
    const bool practice = practiceOnPage();
    const std::string key = redrill ? kRedrillKey : practice ? kPracticeKey : gradingKey();
    sheet.tabCaption = tabCaption_;
    sheet.topicCaption = redrill ? kRedrillCaption : practice ? kPracticeCaption : topicCaption(key);
    // Kept under the clock's day, so a fixed day (scripts, tests) is the sheet's day too.
    const TimeOfDay now = ports_.clock.now();
    char clock[16];
    std::snprintf(clock, sizeof clock, " %02d:%02d:%02d", now.hours, now.minutes, now.seconds);
    sheet.when = dayText(paperHandIn_ ? paperHandIn_->day : today()) + clock;
    sheet.topicKey = key;
    sheet.drillForm = drillFormName(options_.drillForm);
    sheet.childId = owner();
    if (assignmentOnPage()) sheet.assignment = std::to_string(assignment_->id);
    // Done on paper: kept under the tab of its topic and the code it carries.
    if (paperHandIn_) {
        sheet.tabCaption = paperHandIn_->tabCaption;
        if (!paperHandIn_->topicCaption.empty()) sheet.topicCaption = paperHandIn_->topicCaption;
        sheet.paperCode = paperHandIn_->code;
    }
    for (MissedQuestion& miss : sheet.missed) {
        if (!miss.topicKey.empty()) continue;
        miss.topicKey = sheet.topicKey;
        miss.topicCaption = sheet.topicCaption;
    }
    for (AnswerTime& answer : sheet.times) {
        if (answer.topicKey.empty()) answer.topicKey = sheet.topicKey;
    }
    // Every sheet stored passes here, whichever family marked it.
    giveAnswerIds(sheet.times);
    const bool stored = paperHandIn_ && paperHandIn_->replaces ? record_->replacePaperSheet(sheet) : record_->store(sheet);
    // Said once while the trouble lasts; the record is tried again with the
    // next sheet, which stores the waiting ones first.
    if (record_->trouble() != RecordTrouble::None && record_->trouble() != recordTroubleTold_) {
        ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), !stored, record_->waitingSheets()));
    }
    recordTroubleTold_ = record_->trouble();
    if (!stored) return 0;
    // A sheet of an assignment joins the outbox; at home the line stays as it was.
    if (!sheet.assignment.empty()) {
        showStatus();
        if (assignmentStored_) assignmentStored_();
    }
    return static_cast<int>(std::count_if(sheet.missed.begin(), sheet.missed.end(),
                                          [](const MissedQuestion& miss) { return miss.form != AnswerForm::None; }));
}

// A passed level, with the re-drill button under the page of the next level
// when its misses can be asked again.
void Form1::recordLevel(MarkedSheet level) {
    if (const int toRedrill = recordSheet(std::move(level)); toRedrill > 0) {
        ports_.page.appendHtml("<p>" + redrillButton(toRedrill) + "</p>");
    }
}

std::optional<AnswerStyle> Form1::pageAnswerStyle() const {
    if (redrillOnPage() || practiceOnPage()) return AnswerStyle::Mixed;
    return answerStyleOf(*this, gradingKey());
}

bool Form1::submitSheet(const PageMarker& markPage) {
    const auto style = pageAnswerStyle();
    if (style) {
        const int open = sheetProgress(ports_.page, *style).unanswered();
        if (open > 0 && !ports_.ui.ask("还有" + std::to_string(open) + "道题没有做，要交卷吗？", "交卷", "继续做")) {
            return false;
        }
    }
    return handIn(markPage, style, false);
}

bool Form1::handIn(const PageMarker& markPage, std::optional<AnswerStyle> style, bool keepEmpty) {
    const bool anyTyped = style && sheetProgress(ports_.page, *style).anyTyped;
    const std::string key = gradingKey();
    FamilyContext context = familyContext();
    std::optional<MarkedSheet> marks = markPage(context);
    markedGeneration_ = ports_.page.generation();
    ports_.page.setInnerHtml(kProgressName, "");
    if (!marks) return true;
    marks->times = answerTimes(ports_.page.answers());
    lastAnswerTimes_ = marks->times;
    // A sheet handed in with every field empty is not kept.
    const int toRedrill = !style || anyTyped || keepEmpty ? recordSheet(*marks) : 0;
    if (style) {
        std::string button = toRedrill > 0 ? " " + redrillButton(toRedrill) : "";
        // The marked sheet stays for the pupil to look at; the list is a click away.
        if (pupil_ && assignmentOnPage()) button += std::string(" ") + kPupilAssignmentsButtonHtml;
        ports_.page.prependHtml(scoreParagraph(marks->score, marks->seconds, button));
    }
    // The way to each missed answer is shown only to eyes that may see the answer.
    if (!hidesAnswers()) offerSteps(ports_.page, key, marks->missed);
    return true;
}

void Form1::showProgress() {
    if (ports_.page.generation() == markedGeneration_ || !ports_.page.has("finish")) return;
    const auto style = pageAnswerStyle();
    if (!style) return;
    const SheetProgress progress = progressCounter_.count(ports_.page, *style);
    if (progress.questions == 0) return;
    if (ports_.page.has(kProgressName)) return ports_.page.setInnerHtml(kProgressName, progressText(progress));
    ports_.page.insertHtmlAfter("finish", std::string(" <span id=") + kProgressName + " class=" + kProgressName +
                                              ">" + progressText(progress) + "</span>");
}

bool Form1::mayLeavePage() {
    if (ports_.page.generation() == markedGeneration_) return true;
    const auto style = pageAnswerStyle();
    if (!style || !progressCounter_.count(ports_.page, *style).anyTyped) return true;
    if (practiceOnPage()) {
        return ports_.ui.ask("今日练习还没有交，要离开吗？做了的题会留着，今天再打开今日练习可以接着做。", "离开",
                             "继续做");
    }
    return ports_.ui.ask("这张练习还没有交，要离开吗？", "离开", "继续做");
}

bool Form1::mayClose() {
    if (gate_.busy()) return false;
    bool closing = false;
    gate_.run([this, &closing] {
        closing = mayLeavePage();
        if (closing && practiceOnPage() && ports_.page.generation() != markedGeneration_) keepTodaySheet();
    });
    return closing;
}

void Form1::redrill() {
    gate_.run([this] { writeRedrillSheet(); });
}

void Form1::noRecordMessage() {
    ports_.ui.message("提示", "成绩记录打不开，现在看不到成绩和错题。练习可以照常做。");
}

void Form1::writeRedrillSheet() {
    if (!record_) return noRecordMessage();
    if (!mayLeavePage()) return;
    std::vector<MissedQuestion> questions = record_->redrillList(owner(), options_.questionCount);
    if (questions.empty() && record_->trouble() != RecordTrouble::None) {
        ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false));
        return;
    }
    if (questions.empty()) {
        ports_.ui.message("提示", "现在没有要重练的错题。");
        return;
    }
    // 举一反三: after a miss of a kind, new questions where the same mistake can happen.
    const bool kinded = std::any_of(questions.begin(), questions.end(),
                                    [](const MissedQuestion& q) { return q.kind != ErrorKind::None; });
    if (kinded) {
        TopicQuestionSource source(ports_.data, ports_.clock, texts_);
        const auto seed = static_cast<std::uint64_t>(ports_.random.next() * 9007199254740992.0);
        questions = withSimilarQuestions(questions, options_.questionCount, source, seed);
    }
    leavePage();
    lessonPracticeKey_.clear();
    thinkSeconds_ = 0;
    timers_.setEnabled(kThinkTimer, true);
    ports_.ui.bringToFront(Pane::WebBrowser1);
    writeBody(redrillSheetHtml(questions));
    redrillQuestions_ = std::move(questions);
    redrillGeneration_ = ports_.page.generation();
    showProgress();
}

void Form1::markRedrill() {
    if (!answersAllowed(*this, false)) return;
    const bool marked = submitSheet([this](FamilyContext& context) {
        return gradeRedrill(context.page, redrillQuestions_, context.thinkSeconds);
    });
    if (marked) timers_.setEnabled(kThinkTimer, false);
}

void Form1::showRecordPage() { showRecordPageOf(owner()); }

void Form1::showRecordOf(long long childId) {
    gate_.run([this, childId] {
        // Another child's record is the parent's to see.
        if (childId != owner() && !loginIsAdvanced()) return;
        showRecordPageOf(childId);
    });
}

void Form1::showRecordPageOf(long long childId) {
    if (!record_) return noRecordMessage();
    const std::optional<RecordSummary> summary = record_->summary(childId, RecordPageLimits{});
    const std::string calendar =
        summary ? practiceCalendarHtml(childId) +
                      dabiaoHistoryHtml(record_->recentTopicSheets(childId, {kDabiaoKey}, kChartedDabiaoTests))
                : "";
    std::optional<RecordOwner> shownOwner;
    if (childMode()) {
        RecordOwner heading;
        heading.id = childId;
        heading.name = kEarlierRecordsName;
        for (const Child& each : children_) {
            if (each.id == childId) heading.name = each.name;
        }
        heading.parent = loginIsAdvanced();
        heading.choices = children_;
        heading.earlierSheets = heading.parent && record_->earlierSheetCount() > 0;
        heading.own = childId == owner();
        shownOwner = heading;
    }
    if (!summary) {
        ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false));
        return;
    }
    const int waiting = waitingMisses(*record_, childId).value_or(0);
    ports_.ui.showPage(Pane::WebBrowser2, recordPageHtml(*summary, shownOwner, calendar, waiting));
    ports_.ui.bringToFront(Pane::WebBrowser2);
}

// --- timers ----------------------------------------------------------------

}  // namespace tally
