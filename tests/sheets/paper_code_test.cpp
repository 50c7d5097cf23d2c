// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "sheets/paper_code.h"
#include "sheets/paper_code_svg.h"

namespace tally {
namespace {

// The same page, child and day give the same code; any one of them changed
// gives another, and every code is eight symbols a child cannot misread.
TEST(PaperCode, OneSheetOneCodeOfSymbolsReadWithoutDoubt) {
    const std::string code = paperCodeOf("<p>7+5=</p>", 2, "2026-12-09");
    EXPECT_EQ(paperCodeOf("<p>7+5=</p>", 2, "2026-12-09"), code);
    std::set<std::string> codes{code, paperCodeOf("<p>7+6=</p>", 2, "2026-12-09"),
                                paperCodeOf("<p>7+5=</p>", 3, "2026-12-09"), paperCodeOf("<p>7+5=</p>", 2, "2026-12-10"),
                                paperCodeOf("<p>7+5=</p>", 2, "2026-12-09", 1)};
    EXPECT_EQ(codes.size(), 5u);
    for (const std::string& each : codes) {
        EXPECT_EQ(each.size(), kPaperCodeLength);
        EXPECT_EQ(each.find_first_of("ILOUilou"), std::string::npos) << each;
        EXPECT_EQ(readPaperCode(shownPaperCode(each)), each);
    }
}

TEST(PaperCode, TypedCodesAreReadForgivingly) {
    const struct {
        const char* typed;
        std::optional<std::string> read;
    } cases[] = {
        {"K7QM3FXA", "K7QM3FXA"}, {"k7qm 3fxa", "K7QM3FXA"}, {"K7QM-3FXA", "K7QM3FXA"},
        {"KOQM3FXA", "K0QM3FXA"}, {"KIQL3FXA", "K1Q13FXA"}, {"K7QM3FX", std::nullopt},
        {"K7QM3FXAB", std::nullopt}, {"K7QM3FX!", std::nullopt}, {"K7QM3FXU", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(readPaperCode(c.typed), c.read) << c.typed;
}

TEST(PaperCode, AWrongCodeIsNearestToThePrintedOnesItDiffersLeastFrom) {
    const std::vector<std::string> printed = {"AAAA2222", "K7QM3FXA", "K7QM3FXB", "ZZZZ9999"};
    EXPECT_EQ(nearestCodes("k7qm 3fx", printed), (std::vector<std::string>{"K7QM3FXA", "K7QM3FXB"}));
    EXPECT_EQ(nearestCodes("K7QN3FXB", printed), (std::vector<std::string>{"K7QM3FXB", "K7QM3FXA"}));
    EXPECT_TRUE(nearestCodes("MMMMMMMM", printed).empty());
    EXPECT_EQ(codeDistance("K7QM3FXA", "7QM3FXAB"), 2);
}

// The QR code is a square of whole modules with its quiet zone: 21 modules
// and 2 a side for a code of eight symbols.
TEST(PaperCode, TheQrCodeIsASquareOfModules) {
    const std::string svg = paperCodeSvg("K7QM3FXA", 18);
    EXPECT_NE(svg.find("viewBox=\"0 0 25 25\""), std::string::npos) << svg.substr(0, 200);
    EXPECT_NE(svg.find("width=\"18mm\""), std::string::npos);
    EXPECT_NE(svg.find("<path fill=\"#000\" d=\"M2 2h7v1h-7z"), std::string::npos) << "the finder pattern's top row";
}

}  // namespace
}  // namespace tally
