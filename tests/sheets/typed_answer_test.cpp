#include <gtest/gtest.h>

#include <string>

#include "sheets/typed_answer.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

TEST(TypedAnswer, FoldsFullWidthAsciiAndTrimsBlanksOnly) {
    const struct {
        const char* typed;
        const char* folded;
    } cases[] = {
        {"１２", "12"},
        {"２．６７", "2.67"},
        {"－３", "-3"},
        {"３／４", "3/4"},
        {"！", "!"},                   // U+FF01, the first of the range
        {"～", "~"},                   // U+FF5E, the last
        {"｟", "｟"},                   // U+FF5F lies outside and stays
        {"ＡＢｚ", "ABz"},
        {"　１２　", "12"},            // ideographic spaces at the ends
        {"1　2", "1 2"},               // and inside, where it stays a blank
        {"  12 ", "12"},
        {"\t12", "\t12"},              // only blanks are trimmed
        {"12.0", "12.0"},
        {"１２小时", "12小时"},
        {"", ""},
        {"   ", ""},
        {"\xEF\xBC", "\xEF\xBC"},      // a sequence cut short is left alone
    };
    for (const auto& c : cases) EXPECT_EQ(foldTypedAnswer(c.typed), c.folded) << c.typed;
}

// The same text with every ASCII character of it typed in full width.
std::string fullWidth(const std::string& ascii) {
    std::string out;
    for (unsigned char c : ascii) {
        if (c < 0x21 || c > 0x7E) {
            out += static_cast<char>(c);
            continue;
        }
        const unsigned codePoint = c - 0x21 + 0xFF01;
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return "　" + out + " ";
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// Every field of a sheet answered right in full width with stray blanks:
// every branch marks them all right.
TEST(TypedAnswer, EveryGradingBranchAcceptsFullWidthAnswers) {
    const struct {
        const char* key;
        const char* tab;
    } cases[] = {
        {"q13", ""},          {"q71", "时间转换"},  {"q75", "时间转换"},  {"q81", "比较多少"},
        {"q91", "规律运算"},  {"q5008", "分数和比例"}, {"q9008", "四则运算"}, {"q7002", "约数和倍数"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Harness h;
        h.start();
        h.click(c.key, c.tab);
        int fields = 0;
        for (int i = 1; h.page.has("answer" + std::to_string(i)); ++i, ++fields) {
            const std::string field = "answer" + std::to_string(i);
            std::string tag = h.page.tag(field);
            if (const size_t hours = tag.find("小时"); hours != std::string::npos) {
                h.type("r" + std::to_string(i), fullWidth(tag.substr(0, hours)));
                tag = tag.substr(hours + std::string("小时").size());
                tag = tag.substr(0, tag.find("分"));
            }
            // Decimal answers are asked for with two decimals, a half rounded up.
            if (const size_t point = tag.find('.'); point != std::string::npos && tag.size() - point > 3) {
                const long hundredths = std::stol(tag.substr(0, point) + tag.substr(point + 1, 2)) +
                                        (tag[point + 3] >= '5' ? 1 : 0);
                char rounded[32];
                std::snprintf(rounded, sizeof rounded, "%ld.%02ld", hundredths / 100, hundredths % 100);
                tag = rounded;
            }
            h.type(field, fullWidth(tag));
        }
        for (int i = 1; h.page.has("answerup" + std::to_string(i)); ++i, ++fields) {
            for (const char* part : {"answerup", "answerdown"}) {
                const std::string field = part + std::to_string(i);
                h.type(field, fullWidth(h.page.tag(field)));
            }
        }
        if (h.page.has("bj")) {
            h.type("bj", fullWidth(h.page.tag("bj")));
            ++fields;
        }
        ASSERT_GT(fields, 0);
        h.finish();
        const std::string html = h.page.bodyHtml();
        EXPECT_EQ(occurrences(html, "(√)"), fields) << html;
        EXPECT_EQ(occurrences(html, "(×"), 0);
    }
}

}  // namespace
}  // namespace tally
