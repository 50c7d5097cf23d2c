// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "skills/ready_mixes.h"
#include "topics/topic_family.h"

namespace tally {

// The 口算卷 node of the 口算 tab: the mixes to choose and the composer.
inline constexpr const char* kMixKey = "kmix";
inline constexpr const char* kMixCaption = "口算卷";

// The page's fields and buttons.
inline constexpr const char* kMixCountField = "mixcount";
inline constexpr const char* kMixWordsField = "mixwords";
inline constexpr const char* kMixNameField = "mixname";
inline constexpr const char* kMixGoButton = "mixgo";
inline constexpr const char* kMixSaveButton = "mixsave";
inline constexpr const char* kMixStartButton = "mixstart";  // then the mix's place in the list, from 1

// The mixes the page lists: those kept for the child, then the ready ones.
std::vector<ListedMix> listedMixes(MixShelf* shelf);

// The 口算卷 page: each listed mix with its button, then the composer with
// the words of `typed` (the 达标 example when none).
std::string mixChooserHtml(const std::vector<ListedMix>& mixes, const std::optional<SkillMix>& typed = {});

// A click on the 口算卷 page: a listed mix or the composed one written as its
// sheet, or the composed one kept. Says on the window what went wrong.
void mixPageClicked(FamilyContext& context, const std::string& elementName);

}  // namespace tally
