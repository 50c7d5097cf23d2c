// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/harness.h"

#include "sheets/worksheet.h"

#include <sstream>

namespace tally::test {
namespace fs = std::filesystem;

double ScriptedRandom::next() {
    if (script_.empty()) return fallback_.next();
    double value = script_.front();
    script_.pop_front();
    return value;
}

Harness::Harness(bool advanced) { connect(advanced); }

Harness::Harness(const OwnData& own, bool advanced) : dir(own) { connect(advanced); }

void Harness::connect(bool advanced) {
    if (advanced) ui.loginAnswer = "238";
    form = std::make_unique<Form1>(Ports{ui, page, random, ui, data, clock});
    form->setRecord(&record);
}

void Harness::start() { form->startUp(); }

void Harness::click(const std::string& key, const std::string& tab) {
    if (!tab.empty()) form->clickTab(tab);
    form->clickNode(key);
}

void Harness::type(const std::string& name, const std::string& value) {
    form->pageInput(name, value, page.generation());
}

void Harness::finish() {
    form->pageClick("");
    form->pageClick("finish");
}

std::string Harness::lastMessage() const {
    return ui.messages.empty() ? std::string() : ui.messages.back().second;
}

void Harness::tick(int timer, int times) {
    for (int i = 0; i < times; ++i) {
        if (form->timers().enabled(timer)) form->timerFired(timer);
    }
}

CliOptions cliOptions(const TestData& data) {
    CliOptions options;
    options.dataDir = data.root();
    options.writeFallback = data.writeFallback();
    options.dataReadOnly = data.rootReadOnly();
    return options;
}

std::string runCli(const TestData& data, const std::string& commands, const std::optional<std::string>& login,
                   const std::filesystem::path& recordFile, const std::optional<std::string>& child,
                   const std::optional<Day>& today) {
    CliOptions options = cliOptions(data);
    options.seed = 7;
    options.loginPassword = login;
    options.recordFile = recordFile;
    options.child = child;
    options.today = today;
    CliSession session(options);
    std::istringstream in(commands);
    std::ostringstream out;
    session.run(in, out);
    return out.str();
}

Sheet Harness::build(TopicFamily& family, const std::string& tag) {
    Sheet sheet;
    FamilyContext context = form->familyContext();
    family.build(context, {"", "", splitTopicTag(tag)}, sheet);
    return sheet;
}

void Harness::answerAll(const std::function<std::string(const FieldAnswer&)>& typed) {
    const auto style = form->pageAnswerStyle();
    if (!style) return;
    for (const FieldAnswer& field : worksheetAnswers(*style, page.bodyHtml())) type(field.field, typed(field));
}

}  // namespace tally::test
