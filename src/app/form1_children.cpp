// SPDX-License-Identifier: GPL-3.0-or-later
// The children of the main window: who is practising, the parent's 孩子
// dialog, the record page of each, and the settings kept for each.
#include <algorithm>

#include "app/form1.h"
#include "topics/catalogue.h"
#include "window/children_dialog.h"

namespace tally {
namespace {

constexpr const char* kLessonsTab = "同步教学";
constexpr const char* kLessonsRoot = "q5333";

std::optional<DrillForm> drillFormOf(const std::string& key) {
    for (DrillForm form : {DrillForm::Normal, DrillForm::Vertical, DrillForm::Inequality, DrillForm::Decimal}) {
        if (key == drillFormKey(form)) return form;
    }
    return std::nullopt;
}

bool oneOf(int value, std::initializer_list<int> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

bool isTab(const std::string& caption) {
    const auto& all = tabs();
    return std::any_of(all.begin(), all.end(), [&](const Tab& tab) { return tab.caption == caption; });
}

}  // namespace

void Form1::setChild(std::optional<Child> next) {
    child_ = std::move(next);
    ports_.ui.showWho(who());
}

void Form1::reloadChildren() {
    children_ = record_ ? record_->children() : std::vector<Child>{};
    if (record_) {
        const auto own = record_->settings(kEarlierRecords);
        marksForChildAlone_ = !own || own->childMarks != "off";
    }
    std::optional<Child> next;
    const long long wanted = child_ ? child_->id : record_ ? record_->lastChild() : kEarlierRecords;
    for (const Child& each : children_) {
        if (each.id == wanted) next = each;
    }
    if (!next && !children_.empty()) next = children_.front();
    setChild(next);
}

std::string Form1::chooseChild(const std::string& name) {
    std::string problem;
    gate_.run([this, &problem, name] {
        const std::optional<Child> found = childNamed(children_, name);
        if (!found) {
            problem = "没有叫“" + normalName(name) + "”的孩子。";
            return;
        }
        setChild(found);
        if (record_) record_->setLastChild(found->id);
        restoreSettings();
    });
    return problem;
}

void Form1::saveSettings() {
    if (!record_ || (!child_ && !keepsComputerSettings_)) return;
    ChildSettings settings;
    settings.questionCount = options_.questionCount;
    settings.memoryTime = options_.memoryTime;
    settings.drillForm = drillFormKey(options_.drillForm);
    settings.tab = tabCaption_;
    settings.topicKey = selectedKey();
    if (owner() == kEarlierRecords && !marksForChildAlone_) settings.childMarks = "off";
    if (!options_.masteryMarks) settings.masteryMarks = "off";
    if (saved_ && saved_->first == owner() && saved_->second == settings) return;
    if (record_->saveSettings(owner(), settings)) saved_ = std::make_pair(owner(), settings);
}

void Form1::restoreSettings() {
    if (!record_ || (!child_ && !keepsComputerSettings_)) return;
    const std::optional<ChildSettings> kept = record_->settings(owner());
    if (!kept || (kept->tab.empty() && kept->topicKey.empty())) {
        if (child_) openGradeLessons();
    }
    if (!kept) return;
    if (oneOf(kept->questionCount, {10, 20, 50})) options_.questionCount = kept->questionCount;
    if (oneOf(kept->memoryTime, {8, 5, 3})) options_.memoryTime = kept->memoryTime;
    options_.masteryMarks = kept->masteryMarks != "off";
    if (const auto form = drillFormOf(kept->drillForm)) {
        options_.drillForm = *form;
        ports_.ui.showDrillForm(drillFormKey(*form));
    }
    if (!kept->tab.empty() && isTab(kept->tab)) {
        tabCaption_ = kept->tab;
        buildTab(tree_, families_.table, tabCaption_, ports_.data);
        ports_.ui.selectTab(tabCaption_);
    }
    // The topic is shown selected in its opened branch, not clicked: the
    // page stays as start-up wrote it.
    if (const TopicNode* node = tree_.find(kept->topicKey)) {
        for (std::string parent = node->parent; const TopicNode* up = tree_.find(parent); parent = up->parent) {
            tree_.expand(parent);
        }
        tree_.select(kept->topicKey);
    }
    saved_ = std::make_pair(owner(), *kept);
    // The marks are this child's, with this child's choice of showing them.
    markMastery();
    ports_.ui.treeChanged();
}

// A child's first start: the lessons of the child's grade, opened.
void Form1::openGradeLessons() {
    if (!child_ || !isTab(kLessonsTab)) return;
    tabCaption_ = kLessonsTab;
    buildTab(tree_, families_.table, tabCaption_, ports_.data);
    ports_.ui.selectTab(tabCaption_);
    const std::string gradeKey = std::string(kLessonsRoot) + "0" + std::to_string(child_->grade + 1);
    tree_.expand(kLessonsRoot);
    tree_.expand(gradeKey);
    tree_.select(gradeKey);
    ports_.ui.treeChanged();
}

void Form1::showChildrenDialog() {
    if (!loginIsAdvanced()) {
        ports_.ui.message("提示", "管理孩子要请爸爸妈妈先用高级用户登录。");
        return;
    }
    if (!record_) return noRecordMessage();
    ChildrenDialog dialog(*record_, ports_.ui, child_ ? child_->id : -1);
    dialog.marksAlone = marksForChildAlone_;
    ports_.ui.runChildrenDialog(dialog);
    if (dialog.marksAlone != marksForChildAlone_) {
        marksForChildAlone_ = dialog.marksAlone;
        ChildSettings own = record_->settings(kEarlierRecords).value_or(ChildSettings{});
        own.childMarks = marksForChildAlone_ ? "" : "off";
        record_->saveSettings(kEarlierRecords, own);
        if (saved_ && saved_->first == kEarlierRecords) saved_.reset();
    }
    if (dialog.changed()) reloadChildren();
}

void Form1::giveEarlierSheets(long long childId) {
    gate_.run([this, childId] {
        if (!loginIsAdvanced() || !record_) return;
        const std::string problem = record_->giveEarlierSheets(childId);
        if (!problem.empty()) {
            ports_.ui.message("提示", problem);
            return;
        }
        showRecordPageOf(childId);
    });
}

}  // namespace tally
