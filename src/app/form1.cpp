// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "app/grader.h"
#include "app/node_click.h"
#include "app/paper_marking_page.h"
#include "app/question_steps.h"
#include "app/record_page.h"
#include "app/sheet_progress.h"
#include "app/toolbar_actions.h"
#include "app/worksheet_print.h"
#include "classroom/outbox_status.h"
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
    FamilyContext context{page,   draws(), ports_.data,  ports_.ui,     ports_.clock,   options_,
                          timers_, tree_,          texts_,        thinkSeconds_, families_.table, !hidesAnswers()};
    context.mixes = &mixShelf_;
    context.norms = &normShelf_;
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
        // A pupil logged in on the lab computer's own dialog, as their record's one child.
        if (!pupil_) showLoginDialog();
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
        if (elementName == kPupilAssignmentsButton && pupil_) {
            leavePage();
            return writePupilAssignments();
        }
        if (paperClicked(elementName)) return;
        if (isStepsButton(elementName)) {
            if (!hidesAnswers()) toggleSteps(ports_.page, elementName);
            return;
        }
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
        if (elementName == kPaperCodeField) return paperCodeTyped(value);
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

void Form1::onTimer(int timer) {
    switch (timer) {
        case kThinkTimer: return onThinkTick();
        case kStartPageTimer: return onStartPage();
        case kClockTimer: return drawClockHands();
        default: break;
    }
    FamilyContext context = familyContext();
    for (TopicFamily* family : families_.table.all()) {
        if (family->ownsTimer(timer)) storePassed(family->tick(context, timer));
    }
}

void Form1::onThinkTick() {
    ++thinkSeconds_;
    showStatus();
}

void Form1::showStatus() {
    const std::string outbox = outboxStatusText(record_ ? record_->unsentCount(owner()) : 0);
    const std::string refused = refusedStatusText(record_ ? record_->refusedCount(owner()) : 0);
    ports_.ui.setStatus(std::to_string(thinkSeconds_) + "秒" + (outbox.empty() ? "" : "　" + outbox) +
                        (refused.empty() ? "" : "　" + refused) + (pupilNote_.empty() ? "" : "　" + pupilNote_));
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
    if (pupil_) return writePupilAssignments();
    // A child who has practised before starts with today's practice.
    if (record_ && recordHasSheets(*record_, owner())) {
        writeTodayPage();
        if (todayOnPage()) return;
    }
    writeBody(introductionHtml());
}

}  // namespace tally
