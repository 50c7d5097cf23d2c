// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classroom/pupil_list.h"

namespace tally {
namespace {

struct ListCase {
    const char* what;
    std::string bytes;
    std::vector<std::string> pupils;   // "line:name:pin"
    std::vector<std::string> refused;  // "line:name"
};

// PINs made in turn, so each pupil's can be told.
std::vector<std::string> added(const std::string& bytes, const std::vector<std::string>& existing,
                               std::vector<std::string>& refused) {
    int made = 0;
    const PupilList list = readPupilList(bytes, existing, [&] { return "900" + std::to_string(++made); });
    std::vector<std::string> pupils;
    for (const NewPupil& pupil : list.pupils) pupils.push_back(std::to_string(pupil.line) + ":" + pupil.name + ":" + pupil.pin);
    for (const RefusedName& name : list.refused) {
        EXPECT_FALSE(name.why.empty()) << name.name;
        refused.push_back(std::to_string(name.line) + ":" + name.name);
    }
    return pupils;
}

TEST(PupilList, NamesAreReadFromWhatSpreadsheetsSave) {
    const std::vector<ListCase> cases = {
        {"a name a line", "张伟\n李雷", {"1:张伟:9001", "2:李雷:9002"}, {}},
        {"a BOM, a header, CR LF and a PIN column", "\xEF\xBB\xBF姓名,密码\r\n张伟,1234\r\n李雷,\r\n",
         {"2:张伟:1234", "3:李雷:9001"}, {}},
        {"GBK bytes", "\xCD\xF5\xB7\xBC\r\n\xC0\xEE\xC0\xD7\r\n", {"1:王芳:9001", "2:李雷:9002"}, {}},
        {"quoted fields with commas, quotes and a line break",
         "学号,姓名,备注\n1,张伟,\"喜欢数学,也喜欢画画\"\n2,\"李\"\"雷\",\"两行\n的备注\"\n3,王芳,\n",
         {"2:张伟:9001", "3:李\"雷:9002", "5:王芳:9003"}, {}},
        {"blank lines and names that cannot be added",
         "张伟\n\n  \n12345\n张伟\n一二三四五六七八九十一二三\n小明\n", {"1:张伟:9001"},
         {"4:12345", "5:张伟", "6:一二三四五六七八九十一二三", "7:小明"}},
        {"a PIN that is not 4 to 8 digits", "姓名,PIN\n张伟,12\n李雷,123456789\n王芳,0042\n", {"4:王芳:0042"},
         {"2:张伟", "3:李雷"}},
    };
    for (const ListCase& one : cases) {
        std::vector<std::string> refused;
        EXPECT_EQ(added(one.bytes, {"小明"}, refused), one.pupils) << one.what;
        EXPECT_EQ(refused, one.refused) << one.what;
    }
}

TEST(PupilList, AFreshPinIsFourDigits) {
    for (int draw = 0; draw < 50; ++draw) {
        const std::string pin = freshPin();
        EXPECT_EQ(pin.size(), 4u);
        EXPECT_EQ(pinProblem(pin), "") << pin;
    }
}

}  // namespace
}  // namespace tally
