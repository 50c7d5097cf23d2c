// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "page/page.h"
#include "progress/record_values.h"
#include "shell/drill_form.h"
#include "shell/ports.h"
#include "shell/text_shelf.h"
#include "shell/timer_bank.h"
#include "shell/topic_tag.h"
#include "shell/tree_model.h"

namespace tally {

// The main window's options a family reads: set by the options dialog, the
// toolbar's drill forms and the level game's difficulty.
struct SheetOptions {
    int questionCount = 10;
    int memoryTime = 5;
    int msPerQuestion = 9000;
    DrillForm drillForm = DrillForm::Normal;
    // Marks beside the captions of practised topics (练过, 熟练, 要加油).
    bool masteryMarks = true;
};

// The tree node a click was on.
struct TopicClick {
    std::string key;
    std::string caption;
    TopicTagParts tag;
};

// The page a topic click builds. Families append to `html`; a topic that
// shows another pane instead (reading pages, file-based games) sets
// `keepPage`, and the first pane keeps what it shows. A page that practises
// another topic's drill (a lesson) names that topic's key in `gradingKey`, so
// it is marked as the drill's own sheet.
struct Sheet {
    std::string html;
    bool keepPage = false;
    std::string gradingKey;
};

class FamilyTable;

// How a family's sheets take their answers, field by field, as the marking
// reads them and a printed answer key shows them.
enum class AnswerStyle {
    Exact,         // the tag as it stands
    Rounded,       // the tag, rounded to two decimals when it has more
    HoursMinutes,  // hours in r<i>, minutes in answer<i>, both tagged "H小时M分"
    WordProblem,   // answer<i> tagged "answer|working"
    Mixed,         // the re-drill sheet: each field exact, time fields split as HoursMinutes
};

// What a family may use: the first pane's page, the shared small things and
// the options it reads; never the main window itself. Its own state (the
// level game's run, the 24-point deal) it keeps as members.
struct FamilyContext {
    Page& page;
    RandomSource& random;
    DataDirectory& data;
    UserInterface& ui;
    const Clock& clock;
    SheetOptions& options;
    TimerBank& timers;
    TreeModel& tree;
    const TextShelf& texts;
    // Whole seconds since the page was shown.
    const int& thinkSeconds;
    // For pages that hold another topic's sheet.
    const FamilyTable& families;
    // False while a child practises alone: marks say right or wrong, and
    // nothing shows the right answer.
    bool showAnswers = true;

    // Int(R × span) + base, the draw every generator uses.
    int draw(double span, int base) { return drawInt(random, span, base); }
};

// One family of topics: which tags it builds pages for, which grading keys it
// marks, what a click builds and how a submitted page is marked.
class TopicFamily {
public:
    virtual ~TopicFamily() = default;

    virtual bool builds(const TopicTagParts& tag) const = 0;
    virtual bool marks(const std::string& /*gradingKey*/) const { return false; }

    virtual void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) = 0;
    // Marks the page in place and returns what was marked for the record;
    // nothing for a page whose answers are only revealed, or one not to keep.
    virtual std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey);
    // How the page of a grading key takes its answers field by field; nothing
    // for pages marked otherwise (games) or only revealed.
    virtual std::optional<AnswerStyle> answerStyle(const std::string& /*gradingKey*/) const { return std::nullopt; }
};

// The families in the order they are asked; for every topic of the catalogue
// exactly one builds it and at most one marks it.
class FamilyTable {
public:
    void add(TopicFamily& family) { families_.push_back(&family); }

    TopicFamily* builderOf(const TopicTagParts& tag) const;
    TopicFamily* markerOf(const std::string& gradingKey) const;
    const std::vector<TopicFamily*>& all() const { return families_; }

    // Builds the page of a click as its family does. A 50-question sheet
    // within 10 has too few different questions: such a click asks 20.
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) const;

private:
    std::vector<TopicFamily*> families_;
};

}  // namespace tally
