#include <string>

#include "shell/form1.h"
#include "sheets/families.h"

namespace tally {
namespace {

std::string pictures(int count, const char* file) {
    std::string html;
    for (int k = 0; k < count; ++k) html += std::string("<img src=") + file + ">";
    return html;
}

}  // namespace

// Camels in the first row, fewer rabbits in the second; one answer field, `bj`.
// The "less" topics ask how many fewer the rabbits are, as the rows show.
void buildCompareSheet(Form1& form, int topic, Sheet& sheet) {
    if (topic < 81 || topic > 84) return;
    const int camels = form.draw(topic <= 82 ? 15 : 45, 5);
    const int rabbits = form.draw(camels - 3, 2);  // 2..camels-2
    const char* question = topic == 81 || topic == 83 ? "骆驼比兔子多多少？" : "兔子比骆驼少多少？";

    sheet.html += pictures(camels, "flash/t2.gif") + "<p>" + pictures(rabbits, "flash/t3.gif");
    sheet.html += std::string("<p>") + question + "<input class=text name=bj type=text size=7 tag=" +
                  std::to_string(camels - rabbits) + ">";
    sheet.html += "<br><br>&nbsp; <input class=button name=finish type=button size=7 value=提交答案 tag=十>"
                  "<br><br>";
}

}  // namespace tally
