// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/paper_marking_page.h"

#include <charconv>

#include "page/html_page.h"
#include "practice/practice_rows.h"
#include "sheets/paper_code.h"

namespace tally {
namespace {

constexpr std::string_view kWrongPrefix = "paperwrong";

// The page's own look: a row a question, a wrong one in red.
constexpr const char* kPaperStyle =
    "<style>div.paperrow{margin:0.3em 0;padding:0.2em 0.4em;border-left:4px solid #16a34a}"
    "div.paperrow.wrong{border-left-color:#dc2626;background:#fef2f2}"
    "input.papermark{min-width:3em;margin-right:0.6em;font-size:1em;padding:0.1em 0.4em;border:1px solid #16a34a;"
    "border-radius:4px;background:#f0fdf4;color:#16a34a;cursor:pointer}"
    "div.paperrow.wrong input.papermark{color:#fff;background:#dc2626;border-color:#dc2626;font-weight:bold}"
    "input.papertypedbox{width:4em;font-size:0.9em}"
    "span.filled{font-weight:bold;text-decoration:underline;margin:0 0.2em}"
    "span.blank{display:inline-block;min-width:3em;border-bottom:1px solid #000;margin:0 0.2em}"
    "span.papertyped{margin-left:1em;color:#555}div.paperrow div{display:inline-block;vertical-align:middle}"
    "span.papercode{font-family:monospace;font-weight:bold}</style>";

std::string rowName(int number) { return "paperrow" + std::to_string(number); }

std::string listed(const PrintedSheet& sheet) {
    return "<li><span class=papercode>" + escapeHtmlText(shownPaperCode(sheet.code)) + "</span>　" +
           escapeHtmlText(sheet.printedDay) + "　" + escapeHtmlText(sheet.title) + "</li>";
}

std::string questionRow(int number, const WorksheetQuestion& question) {
    return "<div class=paperrow id=" + rowName(number) + "><input class=papermark type=button name=" +
           paperWrongButton(number) + " value=对> " + question.html +
           "<span class=papertyped>孩子写的：<input class=papertypedbox type=text size=5 name=" + paperTypedField(number) +
           "></span></div>";
}

std::optional<int> wholeNumber(const std::string& text) {
    if (text.empty()) return 0;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::string paperWrongButton(int number) { return std::string(kWrongPrefix) + std::to_string(number); }
std::string paperTypedField(int number) { return "papertyped" + std::to_string(number); }

std::optional<int> paperQuestionOf(std::string_view buttonName) {
    if (!buttonName.starts_with(kWrongPrefix)) return std::nullopt;
    const std::string_view digits = buttonName.substr(kWrongPrefix.size());
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || number < 1) return std::nullopt;
    return number;
}

std::string paperEntryHtml(const std::string& note, const std::vector<PrintedSheet>& recent) {
    std::string html = std::string(kPaperStyle) + "<h2>批改纸质练习</h2><p>请输入练习卷右上角的编号（8个字母和数字，大小写都可以）：</p>" +
                       "<p><input class=text type=text size=12 name=" + kPaperCodeField + "> <input class=button type=button name=" +
                       kPaperOpenButton + " value=打开></p><div id=papernote>" + note + "</div>";
    if (recent.empty()) return html + "<p>还没有打印过练习卷。先打开一张练习，点“打印”，印出来的练习卷上就有编号。</p>";
    html += "<p>最近打印的练习卷：</p><ul>";
    for (const PrintedSheet& sheet : recent) html += listed(sheet);
    return html + "</ul>";
}

std::string unknownCodeNote(const std::string& typed, const std::vector<PrintedSheet>& nearest) {
    std::string html = "<p>没有找到编号是“" + escapeHtmlText(typed) + "”的练习卷。";
    if (nearest.empty()) return html + "请再看一看练习卷上的编号。</p>";
    html += "是不是下面这张？</p><ul>";
    for (const PrintedSheet& sheet : nearest) html += listed(sheet);
    return html + "</ul>";
}

std::string paperMarkingHtml(const PrintedSheet& sheet, const std::vector<WorksheetQuestion>& questions, Day today) {
    std::string html = std::string(kPaperStyle) + "<h2>批改纸质练习：" + escapeHtmlText(sheet.title) + "</h2><p>编号 <span class=papercode>" +
                       escapeHtmlText(shownPaperCode(sheet.code)) + "</span>，" + escapeHtmlText(sheet.printedDay) +
                       "打印，共" + std::to_string(questions.size()) +
                       "道题。做错的题，点一下前面的“对”，它就变成“错”；再点一下，又变成“对”。想留下孩子写的答案，可以填在题目后面。</p>";
    for (std::size_t i = 0; i < questions.size(); ++i) html += questionRow(static_cast<int>(i) + 1, questions[i]);
    return html + "<p>在纸上用了 <input class=text type=text size=3 name=" + kPaperMinutesField + "> 分 <input class=text type=text size=3 name=" +
           kPaperSecondsField + "> 秒　　做的日期：<input class=text type=text size=10 name=" + kPaperDayField +
           " value=" + dayText(today) + "></p><p><input class=button type=button name=" + kPaperConfirmButton +
           " value=确认></p>";
}

void showPaperMark(Page& page, int number, bool wrong) {
    page.setAttribute(rowName(number), "class", wrong ? "paperrow wrong" : "paperrow");
    page.setValue(paperWrongButton(number), wrong ? "错" : "对");
}

PaperEntry readPaperEntry(const Page& page, Day printed, Day today) {
    PaperEntry entry;
    const std::optional<int> minutes = wholeNumber(page.value(kPaperMinutesField));
    const std::optional<int> seconds = wholeNumber(page.value(kPaperSecondsField));
    if (!minutes || !seconds || *minutes > 600) {
        entry.problem = "用的时间请写成整数，比如3分20秒。";
        return entry;
    }
    entry.seconds = *minutes * 60 + *seconds;
    const std::optional<Day> day = parseDay(page.value(kPaperDayField));
    if (!day || page.value(kPaperDayField).size() != 10) {
        entry.problem = "做的日期请写成" + dayText(today) + "这样。";
    } else if (*day < printed) {
        entry.problem = "这张练习卷是" + dayText(printed) + "打印的，做的日期不能早于打印的那一天。";
    } else if (*day > today) {
        entry.problem = "做的日期不能晚于今天（" + dayText(today) + "）。";
    }
    entry.day = day.value_or(today);
    return entry;
}

}  // namespace tally
