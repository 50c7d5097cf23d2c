// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_mix_sheet.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <unordered_set>

#include "skills/skill_mix.h"
#include "skills/skill_sheet.h"

namespace tally {

namespace {

using Drawn = std::vector<std::vector<SkillQuestion>>;  // by part

const QuestionSpace& spaceOf(const MixPart& part) { return *findSkill(part.skillKey)->questions; }

// The parts in the order they draw: the skill with the fewest questions
// first, so that a larger one does not take the few a small one has.
std::vector<std::size_t> drawingOrder(const std::vector<MixPart>& parts) {
    std::vector<std::size_t> order(parts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return spaceOf(parts[a]).size() < spaceOf(parts[b]).size();
    });
    return order;
}

// Each part's questions, none with a text already on the sheet. Of any
// `wanted + used` different questions of a skill at most `used` are on the
// sheet, so one draw gives the part all it can have.
Drawn drawParts(const std::vector<MixPart>& parts, const std::vector<int>& counts, RandomSource& random) {
    Drawn drawn(parts.size());
    std::unordered_set<std::string> used;
    for (const std::size_t part : drawingOrder(parts)) {
        const auto wanted = static_cast<std::size_t>(counts[part]);
        if (wanted == 0) continue;
        for (SkillQuestion& question : drawSheet(spaceOf(parts[part]), random, wanted + used.size())) {
            if (drawn[part].size() == wanted) break;
            if (used.insert(question.text).second) drawn[part].push_back(std::move(question));
        }
    }
    return drawn;
}

std::string shortfallOf(const SkillMix& mix, const std::vector<int>& counts, const Drawn& drawn) {
    std::string shortParts;
    std::size_t total = 0;
    for (std::size_t part = 0; part < drawn.size(); ++part) {
        total += drawn[part].size();
        if (drawn[part].size() == static_cast<std::size_t>(counts[part])) continue;
        if (!shortParts.empty()) shortParts += "，";
        shortParts += "“" + findSkill(mix.parts[part].skillKey)->caption + "”只出得了" +
                      std::to_string(drawn[part].size()) + "道不同的题（要" + std::to_string(counts[part]) + "道）";
    }
    if (shortParts.empty()) return "";
    return shortParts + "，这张口算卷一共" + std::to_string(total) + "道题。";
}

// Each part's questions at even steps through the sheet, from an offset of
// its own: the j-th of n at (j + offset) / n.
std::vector<MixQuestion> interleaved(const std::vector<MixPart>& parts, Drawn& drawn, RandomSource& random) {
    struct Place {
        double at;
        double tie;
        std::size_t part;
        std::size_t index;
    };
    std::vector<Place> places;
    for (std::size_t part = 0; part < drawn.size(); ++part) {
        if (drawn[part].empty()) continue;
        const double offset = random.next();
        const double tie = random.next();
        const double step = 1.0 / static_cast<double>(drawn[part].size());
        for (std::size_t index = 0; index < drawn[part].size(); ++index) {
            places.push_back({(static_cast<double>(index) + offset) * step, tie, part, index});
        }
    }
    std::sort(places.begin(), places.end(),
              [](const Place& a, const Place& b) { return std::tie(a.at, a.tie) < std::tie(b.at, b.tie); });
    std::vector<MixQuestion> sheet;
    for (const Place& place : places) {
        sheet.push_back({parts[place.part].skillKey, std::move(drawn[place.part][place.index])});
    }
    return sheet;
}

}  // namespace

std::vector<int> partCounts(int count, const std::vector<MixPart>& parts) {
    std::vector<int> counts;
    std::vector<int> remainders;
    for (const MixPart& part : parts) {
        counts.push_back(count * part.share / 100);
        remainders.push_back(count * part.share % 100);
    }
    std::vector<std::size_t> byRemainder(parts.size());
    std::iota(byRemainder.begin(), byRemainder.end(), 0);
    std::stable_sort(byRemainder.begin(), byRemainder.end(),
                     [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
    const int left = count - std::accumulate(counts.begin(), counts.end(), 0);
    for (int extra = 0; extra < left && extra < static_cast<int>(parts.size()); ++extra) {
        ++counts[byRemainder[static_cast<std::size_t>(extra)]];
    }
    return counts;
}

MixSheet composeSheet(const SkillMix& mix, RandomSource& random) {
    MixSheet sheet;
    if (sheet.problem = mixSheetProblem(mix); !sheet.problem.empty()) return sheet;
    const std::vector<int> counts = partCounts(mix.questionCount, mix.parts);
    Drawn drawn = drawParts(mix.parts, counts, random);
    sheet.shortfall = shortfallOf(mix, counts, drawn);
    sheet.questions = interleaved(mix.parts, drawn, random);
    return sheet;
}

}  // namespace tally
