#include <gtest/gtest.h>

#include <iconv.h>

#include "shell/login_file.h"

namespace tally {
namespace {

// The GBK code of each character, worked out with iconv directly.
std::vector<long> gbkCodes(const std::string& utf8) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    std::vector<long> codes;
    for (size_t i = 0; i < out.size(); ++i) {
        long code = static_cast<unsigned char>(out[i]);
        if (code >= 0x80) code = (code << 8) | static_cast<unsigned char>(out[++i]);
        codes.push_back(code);
    }
    return codes;
}

std::string fileOf(const std::vector<long>& values) {
    std::string file;
    for (long value : values) file += std::to_string(value) + "\r\n";
    return file;
}

TEST(LoginFile, EncodesEachCharacterAsItsCodePlusSeven) {
    for (const std::string password : {"238", "abc XYZ", "妈妈的密码", "a中1"}) {
        std::vector<long> values;
        for (long code : gbkCodes(password)) values.push_back(code + 7);
        EXPECT_EQ(encodeLoginFile(password), fileOf(values) + "\r\n") << password;
    }
    EXPECT_EQ(encodeLoginFile("238"), "57\r\n58\r\n63\r\n\r\n");
}

TEST(LoginFile, DecodesWhatItEncodes) {
    for (const std::string password : {"238", "", "妈妈的密码", "x y"}) {
        DecodedLogin login = decodeLoginFile(*encodeLoginFile(password));
        EXPECT_FALSE(login.damaged);
        EXPECT_EQ(login.password, password);
    }
}

TEST(LoginFile, ReadsTheNegativeFormOfOlderFiles) {
    const long code = gbkCodes("中")[0];  // D6D0
    const std::string positive = std::to_string(code + 7) + "\r\n";
    const std::string negative = std::to_string(code - 0x10000 + 7) + "\r\n";
    EXPECT_EQ(decodeLoginFile("57\r\n" + positive).password, "2中");
    EXPECT_EQ(decodeLoginFile("57\r\n" + negative).password, "2中");
}

TEST(LoginFile, SkipsEmptyLinesAndTextAfterTheLastLineEnd) {
    const struct {
        const char* file;
        const char* password;
    } cases[] = {
        {"57\r\n\r\n58\r\n\r\n63\r\n\r\n", "238"},
        {"57\r\n58\r\n63", "23"},
        {"57\r\n58\r\nabc", "23"},
        {"", ""},
    };
    for (const auto& c : cases) {
        DecodedLogin login = decodeLoginFile(c.file);
        EXPECT_FALSE(login.damaged) << c.file;
        EXPECT_EQ(login.password, c.password) << c.file;
    }
}

TEST(LoginFile, MarksADamagedFile) {
    for (const char* file : {"57\r\nx8\r\n", "57\r\n5 8\r\n", "99999999\r\n", "3\r\n", "33000\r\n"}) {
        EXPECT_TRUE(decodeLoginFile(file).damaged) << file;
    }
}

}  // namespace
}  // namespace tally
