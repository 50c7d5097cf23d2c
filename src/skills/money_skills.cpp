// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/money_skills.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "pictures/money_picture.h"
#include "skills/pictured_question.h"

namespace tally {
namespace {

constexpr int kMostJiao = 100 * kJiaoPerYuan;
// Every coin and note of 一年级下, in 角: 1角, 5角, 1元, 5元 … 100元.
constexpr std::array<int, 8> kMoney{1, 5, 10, 50, 100, 200, 500, 1000};
constexpr std::array<int, 4> kCountedNotes{50, 100, 200, 500};
constexpr std::array<int, 5> kPayingNotes{50, 100, 200, 500, 1000};

struct Thing {
    const char* measure;
    const char* name;
    int dearestYuan;
};
constexpr std::array<Thing, 8> kThings{{{"块", "橡皮", 2},
                                        {"支", "铅笔", 3},
                                        {"把", "尺子", 5},
                                        {"本", "练习本", 9},
                                        {"个", "文具盒", 19},
                                        {"盒", "水彩笔", 29},
                                        {"本", "故事书", 39},
                                        {"个", "书包", 89}}};

std::vector<int> pieces(std::initializer_list<std::pair<int, int>> counts) {
    std::vector<int> all;
    for (const auto& [count, jiao] : counts) all.insert(all.end(), static_cast<std::size_t>(count), jiao);
    return all;
}

int sum(const std::vector<int>& all) {
    int total = 0;
    for (const int jiao : all) total += jiao;
    return total;
}

// A sum in 元 and 角, each of the two boxes holding something.
bool bothBoxesHold(int jiao) { return jiao % kJiaoPerYuan != 0 && jiao >= kJiaoPerYuan; }

std::string measureOf(int jiao) { return isCoin(jiao) ? "个" : "张"; }

std::optional<SkillQuestion> exchange(int count, int big, int small) {
    if (big <= small || big % small != 0 || count * big > kMostJiao || count * big / small > 10) return std::nullopt;
    const std::vector<int> given = pieces({{count, big}});
    return picturedQuestion("换一换：" + moneyWords(given) + "可以换□" + measureOf(small) + moneyLabel(small) + "。",
                            count * big / small, std::make_shared<const MoneyPicture>(given));
}

std::optional<SkillQuestion> inJiao(int yuanCoins, int fiveJiao, int oneJiao) {
    if (fiveJiao > 1 || oneJiao > 5 || fiveJiao + oneJiao == 0) return std::nullopt;
    const std::vector<int> given = pieces({{yuanCoins, kJiaoPerYuan}, {fiveJiao, 5}, {oneJiao, 1}});
    return picturedQuestion("换一换：" + moneyWords(given) + "，合起来是□角。", sum(given),
                            std::make_shared<const MoneyPicture>(given));
}

// The note a child pays with: the smallest above the price, or the next one.
std::optional<int> paidWith(int price, int next) {
    const auto above = std::upper_bound(kPayingNotes.begin(), kPayingNotes.end(), price);
    if (above + next >= kPayingNotes.end()) return std::nullopt;
    return *(above + next);
}

}  // namespace

std::optional<SkillQuestion> countMoney(std::span<const int> v) {
    const int notes = v[0];
    if (notes == 0 && v[1] != 0) return std::nullopt;
    const std::vector<int> given =
        pieces({{notes, kCountedNotes[static_cast<std::size_t>(v[1])]}, {v[2], kJiaoPerYuan}, {v[3], 5}, {v[4], 1}});
    const int total = sum(given);
    if (!bothBoxesHold(total) || total > kMostJiao) return std::nullopt;
    return picturedQuestion("数一数：" + moneyWords(given) + "，一共是□元□角。", total / kJiaoPerYuan,
                            std::make_shared<const MoneyPicture>(given), total % kJiaoPerYuan);
}

std::optional<SkillQuestion> changeMoney(std::span<const int> v) {
    if (v[0] == 1) return inJiao(v[1], v[2], v[3]);
    return exchange(v[1], kMoney[static_cast<std::size_t>(v[2])], kMoney[static_cast<std::size_t>(v[3])]);
}

std::optional<SkillQuestion> giveChange(std::span<const int> v) {
    const Thing& thing = kThings[static_cast<std::size_t>(v[0])];
    if (v[1] > thing.dearestYuan) return std::nullopt;
    const int price = v[1] * kJiaoPerYuan + v[2];
    const auto paid = paidWith(price, v[3]);
    if (!paid || !bothBoxesHold(*paid - price)) return std::nullopt;
    const int change = *paid - price;
    return picturedQuestion("用" + moneyLabel(*paid) + "买一" + thing.measure + amountWords(price) + "的" + thing.name +
                                "，应找回□元□角。",
                            change / kJiaoPerYuan,
                            std::make_shared<const MoneyPicture>(std::vector<int>{*paid}, PriceTag{thing.name, price}),
                            change % kJiaoPerYuan);
}

}  // namespace tally
