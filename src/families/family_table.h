// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "games/clock_topic.h"
#include "games/game_pages.h"
#include "games/memory_game.h"
#include "games/twenty_four_game.h"
#include "levelgame/level_game.h"
#include "library/lessons.h"
#include "library/reading_pages.h"
#include "library/revealed_answers.h"
#include "library/word_problem_sheet.h"
#include "topics/topic_family.h"
#include "sheets/arithmetic.h"
#include "sheets/compare_sheets.h"
#include "sheets/divisor_sheets.h"
#include "sheets/four_operation_sheets.h"
#include "sheets/fraction_sheets.h"
#include "sheets/pattern_sheets.h"
#include "sheets/time_sheets.h"
#include "skills/dabiao_family.h"
#include "skills/skill_family.h"

namespace tally {

// Every topic family of the program, one row each. A click is built by the
// first family that builds its tag, a submitted page is marked by the first
// that marks its grading key; no two families claim the same topic. A tab
// shows its families' nodes in this order. The families that keep state or
// have events of their own are named, so the main window can reach them.
struct Families {
    ArithmeticFamily arithmetic;
    TimeFamily time;
    ClockFamily clock;
    CompareFamily compare;
    PatternFamily pattern;
    FractionFamily fractions;
    FourOperationFamily fourOperations;
    DivisorFamily divisors;
    WordProblemFamily wordProblems;
    RevealedAnswersFamily revealedAnswers;
    LessonFamily lessons;
    ReadingFamily reading;
    LevelGameFamily levelGame;
    TwentyFourFamily twentyFour;
    MemoryGameFamily memoryGame;
    GamePagesFamily gamePages;
    SkillFamily skills;
    DabiaoFamily dabiao;

    FamilyTable table;

    Families() {
        for (TopicFamily* family : std::initializer_list<TopicFamily*>{
                 &arithmetic, &time, &clock, &compare, &pattern, &fractions, &fourOperations, &divisors,
                 &wordProblems, &revealedAnswers, &lessons, &reading, &levelGame, &twentyFour, &memoryGame,
                 &gamePages, &skills, &dabiao}) {
            table.add(*family);
        }
    }
    Families(const Families&) = delete;
    Families& operator=(const Families&) = delete;
};

}  // namespace tally
