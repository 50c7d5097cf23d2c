// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "app/grader.h"
#include "app/node_click.h"
#include "app/record_page.h"
#include "app/sheet_progress.h"
#include "app/toolbar_actions.h"
#include "app/worksheet_print.h"
#include "daily/waiting_rows.h"
#include "practice/lesson_week.h"
#include "progress/answer_times.h"
#include "progress/record_trouble.h"
#include "topics/catalogue.h"
#include "window/login_dialog.h"
#include "window/options_dialog.h"
#include "window/password_dialog.h"
#include "base/text.h"
#include "sheets/mark_texts.h"
#include "sheets/redrill_sheet.h"
#include "sheets/sheet.h"

namespace tally {

Form1::Form1(Ports ports) : ports_(ports) {
    timers_.setListener([this](int timer) {
        gate_.dropTick(timer);
        ports_.timers.timerChanged(timer, timers_.enabled(timer), timers_.interval(timer));
    });
    gate_.setAfterEach([this] { notePageShown(); });
}

// Every page is written by an event, so the end of the event that wrote it
// is when it is shown.
void Form1::notePageShown() {
    if (ports_.page.generation() == shownGeneration_) return;
    shownGeneration_ = ports_.page.generation();
    shownAtMs_ = ports_.clock.milliseconds();
}

FamilyContext Form1::familyContext() {
    Page& page = hidesAnswers() ? static_cast<Page&>(marksOnlyPage_) : ports_.page;
    FamilyContext context{page,   ports_.random, ports_.data,  ports_.ui,     ports_.clock,   options_,
                          timers_, tree_,          texts_,        thinkSeconds_, families_.table, !hidesAnswers()};
    context.mixes = &mixShelf_;
    if (child_) context.stage = {child_->grade, termOfDay(today()) == SchoolTerm::Second};
    return context;
}

std::string Form1::introductionHtml() const {
    std::string text = texts_.text("Text5");
    // The lines about the toolbar come from the toolbar's own table.
    text = replaceAll(replaceAll(text, "〔工具栏的按钮〕", toolbarHelp()), "〔快捷键〕", shortcutHelp());
    return withLineBreaks(text, "<br>");
}

void Form1::writeBody(const std::string& html) {
    ports_.page.setBody(html);
}

void Form1::leavePage() {
    FamilyContext context = familyContext();
    for (TopicFamily* family : families_.table.all()) family->leave(context);
}

TopicFamily* Form1::pageFamily() const { return families_.table.pageFamilyOf(selectedNode()); }

void Form1::storePassed(std::optional<MarkedSheet> passed) {
    if (!passed) return;
    lastAnswerTimes_ = passed->times;
    recordLevel(std::move(*passed));
}

// --- events ---------------------------------------------------------------

void Form1::startUp() {
    gate_.run([this] {
        reloadChildren();
        showLoginDialog();
        options_.questionCount = 10;
        options_.memoryTime = 5;
        options_.msPerQuestion = 9000;
        ports_.ui.navigate(Pane::WebBrowser1, "help.htm");
        buildStartupTree(tree_, families_.table);
        tabCaption_ = tabs().front().caption;
        restoreSettings();
        markMastery();
        ports_.ui.treeChanged();
        for (int timer = 1; timer <= TimerBank::kCount; ++timer) {
            ports_.timers.timerChanged(timer, timers_.enabled(timer), timers_.interval(timer));
        }
        drawClockHands();
        timers_.setEnabled(kStartPageTimer, true);
    });
}

void Form1::clickTab(const std::string& caption) {
    gate_.run([this, caption] {
        if (!mayLeavePage()) return ports_.ui.selectTab(tabCaption_);
        leavePage();
        tabCaption_ = caption;
        buildTab(tree_, families_.table, caption, ports_.data);
        markMastery();
        ports_.ui.treeChanged();
        saveSettings();
    });
}

void Form1::clickNode(const std::string& key) {
    gate_.run([this, key] {
        if (!tree_.find(key)) return;
        if (!mayLeavePage()) return ports_.ui.treeChanged();
        const TopicNode* node = tree_.find(key);
        tree_.select(key);
        lessonPracticeKey_.clear();
        const TopicNode clicked = *node;  // the frame may add nodes to the tree
        runNodeClick(*this, clicked);
        saveSettings();
    });
}

void Form1::timerFired(int timer) {
    gate_.tick(timer, [this, timer] {
        if (timers_.enabled(timer)) onTimer(timer);
    });
}

void Form1::pageClick(const std::string& elementName) {
    gate_.run([this, elementName] {
        if (elementName == "redrill") return writeRedrillSheet();
        if (elementName == kTodayStartButton && ports_.page.has(kTodayStartButton)) return writeTodaySheet();
        if (elementName == kTodayMoreButton && ports_.page.has(kTodayMoreButton)) return writeTodaySheet();
        // A game's button for another deal or round starts its topic anew.
        if (elementName == kAgainButtonName && lessonPracticeKey_.empty() && selectedNode() &&
            ports_.page.has(kAgainButtonName)) {
            const TopicNode node = *selectedNode();
            return runNodeClick(*this, node);
        }
        // A page's finish button does its work once: a second click changes nothing.
        const bool marked = ports_.page.generation() == markedGeneration_;
        if (elementName == "finish" && redrillOnPage()) {
            if (!marked) markRedrill();
            return;
        }
        if (elementName == "finish" && practiceOnPage()) {
            if (!marked) markToday();
            return;
        }
        // The grader is connected to the button the marking family names
        // (the finish button, or a page's own button that reveals its answers);
        // every other click is the page's family's.
        const TopicFamily* marker = families_.table.markerOf(gradingKey());
        const std::string finish = marker ? marker->finishButton(gradingKey()) : "finish";
        if (elementName == finish) {
            if (!marked && ports_.page.has(finish)) runGrader(*this);
            return;
        }
        if (TopicFamily* family = pageFamily()) {
            FamilyContext context = familyContext();
            storePassed(family->clicked(context, gradingKey(), elementName));
        }
    });
}

void Form1::pageMouseDown() {
    gate_.run([this] {
        if (TopicFamily* family = pageFamily()) {
            FamilyContext context = familyContext();
            family->mouseDown(context, gradingKey());
        }
    });
}

void Form1::pageMouseUp(const std::string& elementName) {
    gate_.run([this, elementName] {
        if (TopicFamily* family = pageFamily()) {
            FamilyContext context = familyContext();
            storePassed(family->mouseUp(context, elementName));
        }
    });
}

void Form1::pageInput(const std::string& elementName, const std::string& value, int generation,
                      std::optional<long long> shownMs) {
    gate_.run([this, elementName, value, generation, shownMs] {
        if (generation != ports_.page.generation()) return;
        ports_.page.setValue(elementName, value);
        if (generation != markedGeneration_) {
            ports_.page.answers().changed(elementName, shownMs.value_or(ports_.clock.milliseconds() - shownAtMs_));
        }
        showProgress();
        // Kept as it is typed, so not even a program killed loses it.
        if (practiceOnPage() && ports_.page.generation() != markedGeneration_) keepTodaySheet();
    });
}

void Form1::pageKey(const std::string& key, int generation) {
    gate_.run([this, key, generation] {
        if (generation != ports_.page.generation()) return;
        if (TopicFamily* family = pageFamily()) {
            FamilyContext context = familyContext();
            storePassed(family->keyPressed(context, key));
        }
    });
}

void Form1::spin(int upDown, bool up) {
    gate_.run([this, upDown, up] {
        clockFace_.spin(upDown, up);
        ports_.ui.clockChanged();
    });
}

void Form1::setOptions(const SheetOptions& given) {
    gate_.run([this, given] {
        SheetOptions next = given;
        // The tree's marks are the parent's to turn off or on.
        if (!loginIsAdvanced()) next.masteryMarks = options_.masteryMarks;
        const bool marksTurned = next.masteryMarks != options_.masteryMarks;
        options_ = next;
        if (marksTurned) showMasteryMarks();
    });
}

void Form1::showMasteryMarks() {
    markMastery();
    ports_.ui.marksChanged();
}

void Form1::clickClockCheck(bool ticked) {
    gate_.run([this, ticked] { timers_.setEnabled(kClockTimer, !ticked); });
}

void Form1::resizeClock(double width, double height) {
    gate_.run([this, width, height] {
        clockFace_.resize(width, height);
        ports_.ui.clockChanged();
    });
}

// --- progress record ------------------------------------------------------

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
    sheet.when = dayText(today()) + clock;
    sheet.topicKey = key;
    sheet.drillForm = drillFormName(options_.drillForm);
    sheet.childId = owner();
    for (MissedQuestion& miss : sheet.missed) {
        if (!miss.topicKey.empty()) continue;
        miss.topicKey = sheet.topicKey;
        miss.topicCaption = sheet.topicCaption;
    }
    for (AnswerTime& answer : sheet.times) {
        if (answer.topicKey.empty()) answer.topicKey = sheet.topicKey;
    }
    const bool stored = record_->store(sheet);
    // Said once while the trouble lasts; the record is tried again with the
    // next sheet, which stores the waiting ones first.
    if (record_->trouble() != RecordTrouble::None && record_->trouble() != recordTroubleTold_) {
        ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), !stored, record_->waitingSheets()));
    }
    recordTroubleTold_ = record_->trouble();
    if (!stored) return 0;
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
    SheetProgress progress;
    if (style) {
        progress = sheetProgress(ports_.page, *style);
        const int open = progress.unanswered();
        if (open > 0 && !ports_.ui.ask("还有" + std::to_string(open) + "道题没有做，要交卷吗？", "交卷", "继续做")) {
            return false;
        }
    }
    FamilyContext context = familyContext();
    std::optional<MarkedSheet> marks = markPage(context);
    markedGeneration_ = ports_.page.generation();
    ports_.page.setInnerHtml(kProgressName, "");
    if (!marks) return true;
    marks->times = answerTimes(ports_.page.answers());
    lastAnswerTimes_ = marks->times;
    // A sheet handed in with every field empty is not kept.
    const int toRedrill = !style || progress.anyTyped ? recordSheet(*marks) : 0;
    if (style) {
        const std::string button = toRedrill > 0 ? " " + redrillButton(toRedrill) : "";
        ports_.page.prependHtml(scoreParagraph(marks->score, marks->seconds, button));
    }
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
    const std::string calendar = summary ? practiceCalendarHtml(childId) : "";
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

void Form1::onTimer(int timer) {
    switch (timer) {
        case kThinkTimer: return onThinkTick();
        case kStartPageTimer: return onStartPage();
        case kClockTimer: return drawClockHands();
        default: break;
    }
    FamilyContext context = familyContext();
    for (TopicFamily* family : families_.table.all()) {
        if (family->ownsTimer(timer)) family->tick(context, timer);
    }
}

void Form1::onThinkTick() {
    ++thinkSeconds_;
    ports_.ui.setStatus(std::to_string(thinkSeconds_) + "秒");
}

void Form1::showLoginDialog() {
    std::vector<std::string> names;
    int preselected = -1;
    for (const Child& each : children_) {
        if (child_ && each.id == child_->id) preselected = static_cast<int>(names.size());
        names.push_back(each.name);
    }
    LoginDialog dialog(accounts_, ports_.ui, ports_.data, record_, names, preselected);
    dialog.open();
    ports_.ui.runLoginDialog(dialog);
    const int chosen = dialog.chosenChild();
    if (chosen >= 0 && chosen < static_cast<int>(children_.size())) {
        const bool other = !child_ || child_->id != children_[chosen].id;
        setChild(children_[chosen]);
        if (record_) record_->setLastChild(child_->id);
        // Start-up restores the settings itself, once the defaults are set.
        if (other && !tabCaption_.empty()) restoreSettings();
    }
}

void Form1::drawClockHands() {
    clockFace_.show(ports_.clock.now());
    ports_.ui.clockChanged();
}

void Form1::onStartPage() {
    timers_.setEnabled(kStartPageTimer, false);
    // A child who has practised before starts with today's practice.
    if (record_ && recordHasSheets(*record_, owner())) {
        writeTodayPage();
        if (todayOnPage()) return;
    }
    writeBody(introductionHtml());
}

}  // namespace tally
