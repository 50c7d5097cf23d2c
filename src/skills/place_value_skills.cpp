// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/place_value_skills.h"

#include <memory>
#include <string>

#include "pictures/bead_counter_picture.h"
#include "pictures/sticks_picture.h"
#include "skills/pictured_question.h"

namespace tally {

std::optional<SkillQuestion> readBeadCounter(int number) {
    if (number < 1 || number > 100) return std::nullopt;
    return picturedQuestion("看计数器：" + beadWords(number) + "，计数器上表示的数是□。", number,
                            std::make_shared<const BeadCounterPicture>(number, BeadCounterPicture::Beads::shown));
}

std::optional<SkillQuestion> readSticks(int number) {
    if (number < 1 || number > 100) return std::nullopt;
    const int bundles = number / 10;
    const int singles = number % 10;
    std::string seen = bundles > 0 ? std::to_string(bundles) + "捆（每捆10根）" : "";
    if (singles > 0) seen += (bundles > 0 ? "和" : "") + std::to_string(singles) + "根";
    return picturedQuestion("数小棒：" + seen + "，一共是□根。", number, std::make_shared<const SticksPicture>(number));
}

std::optional<SkillQuestion> setBeadCounter(int number) {
    if (number < 10 || number > 99) return std::nullopt;
    return picturedQuestion("拨出" + std::to_string(number) + "，十位上拨□颗珠子，个位上拨□颗珠子。", number / 10,
                            std::make_shared<const BeadCounterPicture>(number, BeadCounterPicture::Beads::onKeyOnly),
                            number % 10);
}

}  // namespace tally
