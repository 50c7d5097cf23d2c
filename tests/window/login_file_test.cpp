// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <iconv.h>

#include <algorithm>
#include <string>
#include <vector>

#include "window/login_file.h"

namespace tally {
namespace {

// Empty lines and text after the last line end of either kind are skipped;
// older files wrote a double-byte code as a negative number.
TEST(LoginFile, SkipsEmptyLinesAndTextAfterTheLastLineEndOfEitherKind) {
    const struct { std::string file; const char* password; } cases[] = {
        {"57\r\n\r\n58\r\n\r\n63\r\n\r\n", "238"},
        {"57\r\n58\r\n63", "23"},
        {"57\r\n58\r\nabc", "23"},
        {"57\n58\n63\n", "238"},          // saved by an ordinary editor
        {"57\r\n58\n\n63\r\n", "238"},   // both line ends in one file
        {"57\r\n" + std::to_string(0xD6D0 + 7) + "\r\n", "2中"},            // 中 is D6D0
        {"57\r\n" + std::to_string(0xD6D0 - 0x10000 + 7) + "\r\n", "2中"},  // as older files wrote it
    };
    for (const auto& c : cases) {
        DecodedLogin login = decodeLoginFile(c.file);
        EXPECT_FALSE(login.damaged) << c.file;
        EXPECT_EQ(login.password, c.password) << c.file;
    }
}

TEST(LoginFile, MarksADamagedFile) {
    // Lines that are not numbers or no character; files that decode to an
    // empty password (which every login would match) or to control characters.
    for (const char* file : {"57\r\nx8\r\n", "57\r\n5 8\r\n", "99999999\r\n", "3\r\n", "33000\r\n", "",
                             "\r\n\r\n", "57", "57\r\n16\r\n", "17\r\n", "134\r\n", "57\r\n7\r\n"}) {
        EXPECT_TRUE(decodeLoginFile(file).damaged) << file;
    }
}

// Every character of the code page, from iconv's own table: each byte or byte
// pair that iconv turns into one character and back into the same bytes.
struct CodePageCharacter { long code; std::string utf8; };

std::vector<CodePageCharacter> codePage() {
    iconv_t toUtf8 = iconv_open("UTF-8", "GBK");
    iconv_t toGbk = iconv_open("GBK", "UTF-8");
    const auto convert = [](iconv_t cd, std::string in) -> std::string {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string out(16, '\0');
        char* inPtr = in.data();
        char* outPtr = out.data();
        size_t inLeft = in.size(), outLeft = out.size();
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) return "";
        out.resize(out.size() - outLeft);
        return out;
    };
    std::vector<CodePageCharacter> characters;
    const auto add = [&](long code, const std::string& bytes) {
        const std::string utf8 = convert(toUtf8, bytes);
        if (!utf8.empty() && convert(toGbk, utf8) == bytes) characters.push_back({code, utf8});
    };
    for (long byte = 0x20; byte <= 0x80; ++byte) {
        if (byte != 0x7F) add(byte, std::string(1, static_cast<char>(byte)));
    }
    for (long lead = 0x81; lead <= 0xFE; ++lead) {
        for (long trail = 0x40; trail <= 0xFE; ++trail) {
            add((lead << 8) | trail, {static_cast<char>(lead), static_cast<char>(trail)});
        }
    }
    iconv_close(toUtf8);
    iconv_close(toGbk);
    return characters;
}

TEST(LoginFile, EveryCharacterOfTheCodePageRoundTrips) {
    const std::vector<CodePageCharacter> characters = codePage();
    ASSERT_GT(characters.size(), 21000u);  // GBK holds some 21,900 characters
    ASSERT_EQ(characters[0x80 - 0x20 - 1].utf8, "€");
    // Passwords of 40 characters, each line checked against the table.
    for (size_t first = 0; first < characters.size(); first += 40) {
        std::string password, expected;
        for (size_t i = first; i < std::min(first + 40, characters.size()); ++i) {
            password += characters[i].utf8;
            expected += std::to_string(characters[i].code + 7) + "\r\n";
        }
        ASSERT_EQ(encodeLoginFile(password), expected + "\r\n") << password;
        const DecodedLogin login = decodeLoginFile(expected);
        ASSERT_FALSE(login.damaged) << password;
        ASSERT_EQ(login.password, password);
    }
}

TEST(LoginFile, APasswordTheReaderWouldRefuseIsNotWritten) {
    for (const char* password : {"a\tb", "12\n", "\x7F", "😀"}) EXPECT_FALSE(encodeLoginFile(password)) << password;
}

}  // namespace
}  // namespace tally
