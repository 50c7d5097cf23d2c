// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "pictures/question_picture.h"

namespace tally {

// Money is counted in 角 throughout: 1元 is 10.
inline constexpr int kJiaoPerYuan = 10;

// "5角", "10元": a coin or note by its value.
std::string moneyLabel(int jiao);
// 1角, 5角 and 1元 are drawn (and counted, 个) as coins, the rest as notes (张).
bool isCoin(int jiao);
// "1张10元、2个1元、3个1角": the pieces, largest first, each value once.
std::string moneyWords(std::vector<int> pieces);
// "7元5角", "5角", "7元".
std::string amountWords(int jiao);

// What a thing on sale costs, on its label.
struct PriceTag {
    std::string thing;
    int jiao = 0;
};

// 人民币 drawn simply: notes as labelled notes, coins as labelled coins, and
// a price label when the question buys something.
class MoneyPicture : public QuestionPicture {
public:
    MoneyPicture(std::vector<int> pieces, std::optional<PriceTag> tag = {});
    std::string svg(PictureView view) const override;

private:
    std::vector<int> pieces_;
    std::optional<PriceTag> tag_;
};

}  // namespace tally
