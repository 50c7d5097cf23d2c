// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "page/page.h"
#include "progress/fluency_norm.h"
#include "progress/record_values.h"
#include "progress/saved_mix.h"
#include "base/drill_form.h"
#include "base/ports.h"
#include "base/text_shelf.h"
#include "base/timer_bank.h"
#include "topics/topic_rows.h"
#include "base/topic_tag.h"
#include "topics/tree_model.h"

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

struct FamilyContext;

// Builds another topic's page as its own family does: what a lesson asks for
// the drill it practises.
class DrillSource {
public:
    virtual ~DrillSource() = default;
    // The drill topic with this key, as the catalogue has it.
    virtual std::optional<TopicNode> drillTopic(const std::string& key) const = 0;
    virtual void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) const = 0;
};

// The 口算卷 mixes kept for the child at the window (or the computer's own
// when no child is chosen), as the record has them.
class MixShelf {
public:
    virtual ~MixShelf() = default;
    virtual std::vector<SkillMix> saved() = 0;
    // "" when kept, else why not, for the parent.
    virtual std::string save(const SkillMix& mix) = 0;
};

// The 口算达标 norms a parent set, kept by the record for the whole computer.
class NormShelf {
public:
    virtual ~NormShelf() = default;
    virtual std::vector<FluencyNorm> edited() = 0;
    // "" when kept, else why not, for the parent.
    virtual std::string save(const FluencyNorm& norm) = 0;
};

// How far the child practising has come: the grade, and whether its 下学期
// has begun (the winter holiday still reviews 上学期). Grade 0 when no child
// is named.
struct SchoolStage {
    int grade = 0;
    bool secondTerm = false;
};

// How a family's sheets take their answers, field by field, as the marking
// reads them and a printed answer key shows them.
enum class AnswerStyle {
    Exact,         // the tag as it stands
    Rounded,       // the tag, rounded to two decimals when it has more
    HoursMinutes,  // hours in r<i>, minutes in answer<i>, both tagged "H小时M分"
    WordProblem,   // answer<i> tagged "answer|working"
    Mixed,         // the re-drill sheet: each field exact, time fields split as HoursMinutes
};

// What a family may use: the first pane's page, the shared small things, the
// options it reads and the part of the window a page needs; never the main
// window itself. Its own state (the level game's run, the 24-point deal) it
// keeps as members.
struct FamilyContext {
    Page& page;
    RandomSource& random;
    DataDirectory& data;
    FamilyWindow& window;
    const Clock& clock;
    SheetOptions& options;
    TimerBank& timers;
    TreeModel& tree;
    const TextShelf& texts;
    // Whole seconds since the page was shown.
    const int& thinkSeconds;
    // For pages that hold another topic's sheet.
    const DrillSource& drills;
    // False while a child practises alone: marks say right or wrong, and
    // nothing shows the right answer.
    bool showAnswers = true;
    // None where no record is kept (a print run, the scratch page).
    MixShelf* mixes = nullptr;
    NormShelf* norms = nullptr;
    SchoolStage stage;

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
    // The family's nodes on the tab with this key ("T1" ...), those it reads
    // from the data directory included; none on the other tabs.
    virtual TopicSections topics(const std::string& /*tab*/, const DataDirectory& /*data*/) const { return {}; }

    // Whether its marking only shows the answers (puzzles, lessons), which a
    // child alone may not see; a game marks what was typed without a style.
    virtual bool onlyReveals(const std::string& gradingKey) const { return !answerStyle(gradingKey); }
    // The element of the page whose click marks it: the finish button, or a
    // page's own button that reveals its answers.
    virtual std::string finishButton(const std::string& /*gradingKey*/) const { return "finish"; }

    // --- events of the page it built, while its topic is selected -----------
    // What they return is a marked sheet for the model to store (a level passed).
    // A click on an element other than the finish button.
    virtual std::optional<MarkedSheet> clicked(FamilyContext& /*context*/, const std::string& /*gradingKey*/,
                                               const std::string& /*elementName*/) {
        return std::nullopt;
    }
    virtual void mouseDown(FamilyContext& /*context*/, const std::string& /*gradingKey*/) {}
    virtual std::optional<MarkedSheet> mouseUp(FamilyContext& /*context*/, const std::string& /*elementName*/) {
        return std::nullopt;
    }
    // A key the page names in its data-keys ("1", "ArrowLeft", "Enter").
    virtual std::optional<MarkedSheet> keyPressed(FamilyContext& /*context*/, const std::string& /*key*/) {
        return std::nullopt;
    }
    // Whether a topic it builds is a game that takes the keyboard once open.
    virtual bool takesKeyboard(const TopicTagParts& /*tag*/) const { return false; }

    // --- its timers and leaving ---------------------------------------------
    // The window timers it starts; each of their ticks comes to `tick`, which
    // returns a sheet the clock ended (a timed test) for the model to store.
    virtual bool ownsTimer(int /*timer*/) const { return false; }
    virtual std::optional<MarkedSheet> tick(FamilyContext& /*context*/, int /*timer*/) { return std::nullopt; }
    // Another tab, topic or page was chosen (told to every family): its
    // timers stop, so no game speaks up from a page no longer shown.
    virtual void leave(FamilyContext& /*context*/) {}
};

// The families in the order they are asked; for every topic of the catalogue
// exactly one builds it and at most one marks it. The catalogue is assembled
// from their topics in the same order.
class FamilyTable : public DrillSource {
public:
    void add(TopicFamily& family) { families_.push_back(&family); }

    TopicFamily* builderOf(const TopicTagParts& tag) const;
    TopicFamily* markerOf(const std::string& gradingKey) const;
    const std::vector<TopicFamily*>& all() const { return families_; }

    // Builds the page of a click as its family does. A 50-question sheet
    // within 10 has too few different questions: such a click asks 20.
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) const override;
    std::optional<TopicNode> drillTopic(const std::string& key) const override;
    // The family that built the page of this tree node; none for no node.
    TopicFamily* pageFamilyOf(const TopicNode* node) const;

private:
    std::vector<TopicFamily*> families_;
};

}  // namespace tally
