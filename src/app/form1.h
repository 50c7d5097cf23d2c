// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "families/family_table.h"
#include "app/record_mix_shelf.h"
#include "app/record_norm_shelf.h"
#include "app/sheet_progress.h"
#include "daily/today_practice.h"
#include "app/toolbar_actions.h"
#include "window/clock_face.h"
#include "app/marks_only_page.h"
#include "page/page.h"
#include "progress/classroom_values.h"
#include "progress/printed_sheet.h"
#include "sheets/worksheet.h"
#include "progress/progress_record.h"
#include "window/accounts.h"
#include "window/event_gate.h"
#include "base/ports.h"
#include "base/seeded_random.h"
#include "base/text_shelf.h"
#include "base/timer_bank.h"
#include "base/timer_port.h"
#include "topics/topic_family.h"
#include "topics/tree_model.h"

namespace tally {

struct Ports {
    UserInterface& ui;
    Page& page;  // the document of the first pane
    RandomSource& random;
    TimerPort& timers;
    DataDirectory& data;
    Clock& clock;
};

// The button of a pupil's marked assignment that brings 下发的练习 back.
inline constexpr const char* kPupilAssignmentsButton = "assignments";
inline constexpr const char* kPupilAssignmentsButtonHtml =
    "<input class=button name=assignments type=button value=\"回到下发的练习\">";

// The main-window model: all state of the main window, and every event of the
// program as one of its methods. The public event methods go through one gate,
// so no handler ever runs inside another. A click is built and a submitted
// page is marked by the topic families of the family table; what they mark is
// stored in the record here, in one place.
class Form1 {
public:
    explicit Form1(Ports ports);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // --- events -----------------------------------------------------------
    void startUp();
    void clickTab(const std::string& caption);
    void clickNode(const std::string& key);
    void clickToolbar(const std::string& key);
    void timerFired(int timer);
    // A click in the page on the element with this name ("" for none).
    void pageClick(const std::string& elementName);
    void pageMouseDown();
    void pageMouseUp(const std::string& elementName);
    // Typing in the page; events of an older page generation are dropped.
    // `shownMs` is when it was typed, in milliseconds since the page was
    // shown, as the view measured it; without it the clock says.
    void pageInput(const std::string& elementName, const std::string& value, int generation,
                   std::optional<long long> shownMs = std::nullopt);
    // A key the page takes ("1", "ArrowLeft", "Enter"), pressed in the page;
    // events of an older page generation are dropped.
    void pageKey(const std::string& key, int generation);
    void spin(int upDown, bool up);
    void clickClockCheck(bool ticked);
    // The window is to close: false when the child stays with a sheet not
    // yet handed in (asked as a topic change asks), or while another event
    // is being handled. A half-done 今日练习 is kept first.
    bool mayClose();
    void resizeClock(double width, double height);
    // Writes the re-drill sheet into the first pane: the latest missed
    // questions not yet answered right, at most QuestionCount of them.
    void redrill();

    // --- progress record --------------------------------------------------
    // The store marked sheets go to; none keeps no record. The model does not
    // own it.
    void setRecord(ProgressRecord* record) { record_ = record; }
    ProgressRecord* record() { return record_; }
    // Whether the first pane shows the re-drill sheet (marked or not).
    bool redrillOnPage() const { return redrillGeneration_ == ports_.page.generation(); }
    // Whether the first pane shows today's practice sheet (marked or not).
    bool practiceOnPage() const { return practiceGeneration_ == ports_.page.generation(); }

    // --- the daily practice -----------------------------------------------
    // The day the practice, the review and the calendar count from, and the
    // day a marked sheet is kept under: the clock's.
    Day today() const { return ports_.clock.today(); }
    // The grade whose lessons the practice follows without a child.
    void setPracticeGrade(int grade) { practiceGrade_ = grade; }
    // Writes the short page of today's practice (toolbar w16).
    void showToday();
    // The practice on the short page, or on the sheet.
    const TodayPractice& todayPractice() const { return todayPractice_; }

    // The questions of the re-drill sheet on screen.
    const std::vector<MissedQuestion>& redrillQuestions() const { return redrillQuestions_; }

    // --- paper --------------------------------------------------------------
    // 打印: the sheet on screen is kept in the record under its code, which
    // goes on the worksheet and its key; the window then offers them.
    void printSheet();
    // The code of the sheet printed last; "" before any, or when it had none.
    const std::string& lastPrintedCode() const { return lastPrintedCode_; }
    // 纸质练习: the page that takes a printed sheet's code (toolbar w17).
    void showPaperEntry();
    // The sheet of the code typed comes back to be marked; a code no sheet of
    // the child carries is said on the entry page with the nearest codes.
    void openPaper(const std::string& typedCode);

    // --- the school's assignments ------------------------------------------
    // Opens a school's assignment as its sheet: its topic (a skill's or a
    // topic's key, or "mix:NAME") with its count, drawn from its seed so every
    // pupil of the class gets the same questions; the sheet handed in is kept
    // with the assignment's id. "" when it is on screen, otherwise why not.
    std::string openAssignment(const Assignment& task);
    bool assignmentOnPage() const { return assignment_ && assignment_->generation == ports_.page.generation(); }
    // The status line: the think seconds, and while answers of assignments
    // wait on this computer, how many the teacher has not yet got. Said again
    // by the front end once an upload took some.
    void showStatus();

    // --- a pupil of a school's class ----------------------------------------
    // The pupil logged in on a lab computer (the record is the pupil's own,
    // its one child the pupil) and the assignments given to them: start-up
    // then asks for no login and opens 下发的练习.
    void setPupil(const Pupil& pupil, std::vector<Assignment> assignments);
    const std::optional<Pupil>& pupil() const { return pupil_; }
    const std::vector<Assignment>& pupilAssignments() const { return pupilAssignments_; }
    // 下发的练习 in the first pane, with the pupil's own marks from the record.
    void showPupilAssignments();
    bool pupilAssignmentsOnPage() const { return pupil_ && pupilPageGeneration_ == ports_.page.generation(); }
    // The assignments as the server has them now. 下发的练习 on screen is
    // written anew; a sheet the pupil is doing stays, and the status line
    // says a new assignment came.
    void assignmentsChanged(std::vector<Assignment> assignments);
    // A link of 下发的练习 ("assignment-7.tallymoo"): the pupil's assignment
    // it names opens as its sheet. "" when it did, otherwise why not.
    std::string followLink(const std::string& fileName);
    // Called when a sheet of an assignment was stored, so the front end sends
    // its answers; it runs inside the model's event, so the sending waits
    // until that event is over.
    void setAssignmentStored(std::function<void()> stored) { assignmentStored_ = std::move(stored); }

    // --- children ---------------------------------------------------------
    // The children the record names, in order; none on a computer where no
    // child was named, which keeps the two accounts only.
    const std::vector<Child>& children() const { return children_; }
    // Who is practising: the child who logged in last (kept while a parent
    // logs in); nothing without children.
    const std::optional<Child>& child() const { return child_; }
    bool childMode() const { return !children_.empty(); }
    // Whose sheets and settings: the child's, or the computer's own.
    long long owner() const { return child_ ? child_->id : kEarlierRecords; }
    // A child alone: marked sheets show √ and × without the right answers,
    // and pages that only reveal answers are kept for the parent.
    bool hidesAnswers() const { return childMode() && !loginIsAdvanced(); }
    // The parent's option: a child alone may have sheets marked (default).
    bool marksForChildAlone() const { return marksForChildAlone_; }
    // "小明 · 二年级"; "" without a child.
    std::string who() const { return child_ ? childLine(*child_) : ""; }
    // Makes the named child the one practising, without a login; "" when
    // done, otherwise why not.
    std::string chooseChild(const std::string& name);
    // The record page of one child (or of 以前的记录), for the parent.
    void showRecordOf(long long childId);
    // The weekly report of one child: another child's is the parent's.
    void showReportOf(long long childId);
    // A fact grid (its place in factGrids()) of one child: another child's is the parent's.
    void showFactGridOf(std::size_t place, long long childId);
    // The sheets of no child go to this child (the parent's link).
    void giveEarlierSheets(long long childId);
    // Remembers the settings of the child practising (or the computer's).
    void saveSettings();
    // The computer's own settings (no child named) are then neither kept nor
    // restored: the headless front end keeps only a child's, so a script
    // without a child starts the same every time.
    void keepOnlyChildSettings() { keepsComputerSettings_ = false; }

    // --- ports ------------------------------------------------------------
    UserInterface& ui() { return ports_.ui; }
    Page& page() { return ports_.page; }
    DataDirectory& data() { return ports_.data; }
    // What the families may use, over this window's state.
    FamilyContext familyContext();

    // --- main-window state ------------------------------------------------
    // The options the families read; a change goes through the gate, as the
    // options dialog's does.
    const SheetOptions& options() const { return options_; }
    void setOptions(const SheetOptions& given);
    template <class Value, class Given>
    void setOption(Value SheetOptions::*field, Given value) {
        SheetOptions next = options_;
        next.*field = static_cast<Value>(value);
        setOptions(next);
    }
    // Whole seconds since the page was shown.
    int thinkSeconds() const { return thinkSeconds_; }
    // The answers of the page marked last (a sheet, a level passed) with
    // their times, in the order they were marked.
    const std::vector<AnswerTime>& lastAnswerTimes() const { return lastAnswerTimes_; }
    const TimerBank& timers() const { return timers_; }
    const TreeModel& tree() const { return tree_; }
    const TextShelf& texts() const { return texts_; }
    // Where the built-in texts come from (the tests give their own).
    void setTextSource(TextShelf::TextSource source) { texts_.setTextSource(std::move(source)); }
    const Accounts& accounts() const { return accounts_; }
    bool loginIsAdvanced() const { return accounts_.advanced(); }
    // The caption of the tab last clicked.
    const std::string& tabCaption() const { return tabCaption_; }
    // The clock panel's hands and spinners.
    const ClockFace& clockFace() const { return clockFace_; }
    // Every family: what the window reads of a game's state, and the tests
    // and benchmarks that drive one family directly.
    const Families& families() const { return families_; }
    Families& families() { return families_; }
    const FamilyTable& familyTable() const { return families_.table; }

    const TopicNode* selectedNode() const { return tree_.selected(); }
    std::string selectedKey() const { return tree_.selectedKey(); }
    // The key the grader and the page's handlers go by: the lesson's drill
    // when a lesson page practises one, otherwise the selected node's key.
    std::string gradingKey() const { return lessonPracticeKey_.empty() ? selectedKey() : lessonPracticeKey_; }

    // Writes a new body into the first pane's page.
    void writeBody(const std::string& html);
    // Tells every family the page is left: the games' timers stop, so no game
    // speaks up from a page that is no longer shown; a level game left is
    // over, and its page says so.
    void leavePage();
    // The introduction text with its line breaks as "<br>".
    std::string introductionHtml() const;
    // Stores what a family marked on the page of the grading key and returns
    // how many of its misses can be asked again (0 when nothing was stored).
    // A store that fails costs one message; the record is then left alone for
    // the rest of the run and the page stays as it was marked.
    int recordSheet(MarkedSheet marks);
    // The finish button of a sheet: when questions are still open the child
    // is asked first; then `markPage` marks it, what it marked is kept (not
    // when every field was left empty) and the score is shown above the
    // questions. A page is marked once. False when the child went on working.
    using PageMarker = std::function<std::optional<MarkedSheet>(FamilyContext&)>;
    bool submitSheet(const PageMarker& markPage);
    // How the page on screen takes its answers, field by field; nothing for
    // pages marked otherwise.
    std::optional<AnswerStyle> pageAnswerStyle() const;
    // "已做N/M" beside the finish button of a sheet being answered: written
    // with the sheet, then kept up with the typing.
    void showProgress();

private:
    friend std::span<const ToolbarAction> toolbarActions();
    // The node-click and grader frames start and stop the page's think time.
    friend void runNodeClick(Form1& form, const TopicNode& node);
    friend void runGrader(Form1& form);
    Ports ports_;
    SheetOptions options_;
    TimerBank timers_;
    TreeModel tree_;
    TextShelf texts_;
    Accounts accounts_;
    int thinkSeconds_ = 0;
    std::string tabCaption_;
    ClockFace clockFace_;
    Families families_;
    // The drill a lesson page practises with ("" on every other page).
    std::string lessonPracticeKey_;
    std::vector<Child> children_;
    std::optional<Child> child_;
    bool marksForChildAlone_ = true;
    bool keepsComputerSettings_ = true;
    int practiceGrade_ = 1;
    EventGate gate_;
    MarksOnlyPage marksOnlyPage_{ports_.page};
    ProgressRecord* record_ = nullptr;
    RecordMixShelf mixShelf_{[this] { return record_; }, [this] { return owner(); }};
    RecordNormShelf normShelf_{[this] { return record_; }};
    SheetProgressCounter progressCounter_;
    // The record's trouble the child was last told of while storing.
    RecordTrouble recordTroubleTold_ = RecordTrouble::None;
    // The questions of the re-drill sheet, and the page generation it was written in.
    std::vector<MissedQuestion> redrillQuestions_;
    int redrillGeneration_ = -1;
    // Today's practice and the generation of the page that holds its sheet.
    TodayPractice todayPractice_;
    int practiceGeneration_ = -1;
    // The page generation whose finish button has done its work.
    int markedGeneration_ = -1;
    // The page on screen and the clock's milliseconds when it was shown.
    int shownGeneration_ = -1;
    long long shownAtMs_ = 0;
    std::vector<AnswerTime> lastAnswerTimes_;
    // Notes the moment a new page is shown: after every event.
    void notePageShown();
    // The family whose page is on screen: the builder of the selected node.
    TopicFamily* pageFamily() const;
    // What a family's page event marked (a level passed) goes to the record.
    void storePassed(std::optional<MarkedSheet> passed);

    void onTimer(int timer);
    void onStartPage();
    void onThinkTick();
    void showLoginDialog();
    void showIntroduction();
    void chooseDrillForm(DrillForm form);
    void showChildrenDialog();
    // The children as the record has them; the child practising is kept
    // when still named.
    void reloadChildren();
    void setChild(std::optional<Child> next);
    // Restores what the child (or the computer) used last: options, drill
    // form, tab and topic (selected, not clicked); a child's first start
    // opens the grade's lessons.
    void restoreSettings();
    void showRecordPageOf(long long childId);
    void openGradeLessons();
    // What was last saved, so an unchanged click writes nothing.
    std::optional<std::pair<long long, ChildSettings>> saved_;
    void drawClockHands();
    std::string topicCaption(const std::string& key) const;
    void showRecordPage();
    void writeRedrillSheet();
    void writeTodayPage();
    // What the today page says beside the practice, from the record.
    TodayStanding todayStanding();
    // Takes up today's kept practice again; false when none is kept for today.
    bool resumeToday();
    // Writes the practice's sheet, with what was typed into it when it is taken up again.
    void writeTodaySheet(const KeptPractice* typed = nullptr);
    // Keeps the practice sheet on the page as it stands, to be taken up again today.
    void keepTodaySheet();
    // Whether the first pane shows the today page or its sheet.
    bool todayOnPage() const;
    void markToday();
    void markMastery();
    // The marks worked out again and shown at once, the tree left as it is.
    void showMasteryMarks();
    void showWeeklyReport();
    void showReportPageOf(long long childId);
    std::string practiceCalendarHtml(long long childId);
    void markRedrill();
    void recordLevel(MarkedSheet level);
    void noRecordMessage();
    // The marking page of a printed sheet on screen, its questions and which
    // of them are marked wrong; `replaces` when it was marked before and is to
    // take the earlier marks' place.
    struct PaperMarking {
        PrintedSheet printed;
        std::vector<WorksheetQuestion> questions;
        std::vector<bool> wrong;
        bool replaces = false;
        int generation = -1;
    };
    std::optional<PaperMarking> paper_;
    // The paper sheet being handed in: what recordSheet keeps it under.
    struct PaperHandIn {
        std::string code;
        Day day = 0;
        std::string tabCaption;
        std::string topicCaption;  // empty for a sheet mixed from many topics
        bool replaces = false;
    };
    std::optional<PaperHandIn> paperHandIn_;
    std::string lastPrintedCode_;
    // The assignment on screen, and the draws its sheet is written from:
    // while it is being opened, and while its page is shown.
    struct AssignmentOnScreen {
        long long id = 0;
        SeededRandom draws;
        bool opening = true;
        int generation = -1;
    };
    std::optional<AssignmentOnScreen> assignment_;
    std::optional<Pupil> pupil_;
    std::vector<Assignment> pupilAssignments_;
    int pupilPageGeneration_ = -1;
    // What the status line tells the pupil beside the outbox ("" for nothing).
    std::string pupilNote_;
    std::function<void()> assignmentStored_;
    void writePupilAssignments();
    RandomSource& draws();
    bool openAssignedTopic(const std::string& key);
    bool openAssignedMix(const std::string& name, int count);
    bool paperOnPage() const { return paper_ && paper_->generation == ports_.page.generation(); }
    // A click on the paper pages; false when it is none of theirs.
    bool paperClicked(const std::string& elementName);
    void paperCodeTyped(const std::string& value);
    void openPaperCode(const std::string& typedCode, bool sayUnknown);
    void writePaperEntry(const std::string& note);
    void confirmPaper();
    // Marks the printed page put back into the first pane, as filled from the marking page.
    void markPaperSheet(const PaperMarking& marking, int seconds);
    // Marks the page with `markPage` and shows and keeps what it marked:
    // the finish button's work once the child is no longer asked. A sheet
    // with every field empty is kept only when `keepEmpty`.
    bool handIn(const PageMarker& markPage, std::optional<AnswerStyle> style, bool keepEmpty);
    // Whether the page may be replaced: yes, unless answers were typed into a
    // sheet not yet marked and the child wants to stay.
    bool mayLeavePage();

};

}  // namespace tally
