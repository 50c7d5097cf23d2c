// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/family_table.h"

namespace tally {

Families::Families() {
    for (TopicFamily* family : std::initializer_list<TopicFamily*>{
             &arithmetic, &time, &clock, &compare, &pattern, &fractions, &fourOperations, &divisors,
             &wordProblems, &revealedAnswers, &lessons, &reading, &levelGame, &twentyFour, &memoryGame,
             &gamePages}) {
        table.add(*family);
    }
}

}  // namespace tally
