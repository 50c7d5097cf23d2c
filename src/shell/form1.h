#pragma once
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "games/clock_face.h"
#include "games/game_state.h"
#include "levelgame/level_state.h"
#include "library/library_shelf.h"
#include "page/page.h"
#include "progress/progress_record.h"
#include "progress/sheet_marks.h"
#include "shell/drill_form.h"
#include "shell/event_gate.h"
#include "shell/ports.h"
#include "shell/timer_bank.h"
#include "shell/timer_port.h"
#include "shell/tree_model.h"

namespace tally {

struct Ports {
    UserInterface& ui;
    Page& page;  // the document of WebBrowser1
    RandomSource& random;
    TimerPort& timers;
    DataDirectory& data;
    Clock& clock;
};

// The main-window model: all state of the main window, and every event of the
// program as one of its methods. The public event methods go through one gate,
// so no handler ever runs inside another.
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
    void pageInput(const std::string& elementName, const std::string& value, int generation);
    void spin(int upDown, bool up);
    void clickClockCheck(bool ticked);
    void resizeClock(double width, double height);

    // --- progress record --------------------------------------------------
    // The store marked sheets go to; none keeps no record. The model does not
    // own it.
    void setRecord(ProgressRecord* record) { record_ = record; }
    // Stores what a grading branch marked on the sheet of the grading key. A
    // store that fails costs one message for as long as the same trouble
    // lasts; the page stays as it was marked and the next sheet is stored
    // as usual.
    void recordSheet(const SheetMarks& marks);
    // Writes the re-drill sheet into WebBrowser1: the latest missed questions
    // not yet answered right, at most QuestionCount of them.
    void redrill();
    // Whether WebBrowser1 shows the re-drill sheet (marked or not).
    bool redrillOnPage() const { return redrillGeneration_ == ports_.page.generation(); }

    // --- ports ------------------------------------------------------------
    UserInterface& ui() { return ports_.ui; }
    Page& page() { return ports_.page; }
    RandomSource& random() { return ports_.random; }
    DataDirectory& data() { return ports_.data; }
    const Clock& clock() const { return ports_.clock; }
    int draw(double span, int base) { return drawInt(ports_.random, span, base); }

    // --- main-window state ------------------------------------------------
    int questionCount = 10;
    int memoryTime = 5;
    int msPerQuestion = 9000;
    int thinkSeconds = 0;
    std::string gameKey = "000";
    DrillForm drillForm = DrillForm::Normal;
    TimerBank timers;
    TreeModel tree;
    // Content lists already split into the tree ({6002..{6006, {8005, ?5,
    // then {6007..{6012), indexed by LoadedList.
    std::array<bool, 13> loadedMarkers{};
    LibraryShelf library;

    // Accounts: the stored advanced password and the one given at the last
    // successful advanced login.
    std::string storedPassword;
    std::string loginPassword;
    // The stored password is never empty once the login dialog has opened.
    bool loginIsAdvanced() const { return !storedPassword.empty() && loginPassword == storedPassword; }

    // The caption of the tab last clicked.
    std::string tabCaption;

    LevelGameState level;
    TwentyFourState twentyFour;
    MemoryGameState memoryGame;
    ClockFace clockFace;

    // Writes a new body into WebBrowser1's page.
    void writeBody(const std::string& html);
    // The level game's and the memory game's timers stop whenever their page
    // is left, so no game speaks up from a page that is no longer shown.
    void stopGameTimers();
    // The introduction text with its line breaks as "<br>".
    static std::string introductionHtml();
    const TopicNode* selectedNode() const { return tree.selected(); }
    std::string selectedKey() const { return tree.selectedKey(); }
    // The drill a lesson page practises with ("" on every other page).
    std::string lessonPracticeKey;
    // The key the grader and the page's handlers go by: the lesson's drill
    // when a lesson page practises one, otherwise the selected node's key.
    std::string gradingKey() const { return lessonPracticeKey.empty() ? selectedKey() : lessonPracticeKey; }

private:
    Ports ports_;
    EventGate gate_;
    ProgressRecord* record_ = nullptr;
    // The record's trouble the child was last told of while storing.
    RecordTrouble recordTroubleTold_ = RecordTrouble::None;
    // The questions of the re-drill sheet, and the page generation it was written in.
    std::vector<MissedQuestion> redrillQuestions_;
    int redrillGeneration_ = -1;
    // Elements bound by the last mouse-down: the level game's radios.
    struct MouseBinding {
        int generation = -1;
        bool answers = false;
        bool difficulty = false;
    } mouseBinding_;

    void onTimer(int timer);
    void onStartPage();
    void onThinkTick();
    void showLoginDialog();
    void drawClockHands();
    std::string topicCaption(const std::string& key) const;
    void showRecordPage();
    void writeRedrillSheet();
    void noRecordMessage();
};

}  // namespace tally
