// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/section_introduction.h"

#include <array>

#include "base/text.h"

namespace tally {
namespace {

struct SectionText {
    const char* tag;
    const char* text;  // a built-in text of the content store
};

constexpr std::array<SectionText, 7> kSections = {{
    {"$7", "IntroTime"},
    {"&8", "IntroCompare"},
    {"*9", "IntroPattern"},
    {"{500", "IntroFraction"},
    {"{900", "IntroFourOperation"},
    {"{700", "IntroDivisor"},
    {"{800", "IntroMultiple"},
}};

}  // namespace

std::string sectionIntroduction(const TextShelf& texts, const std::string& tag) {
    for (const SectionText& section : kSections) {
        if (tag == section.tag) return withLineBreaks(texts.text(section.text), "<br>");
    }
    return "";
}

}  // namespace tally
