// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "practice/html_parts.h"
#include "practice/waiting_misses.h"
#include "practice/weekly_report.h"

namespace tally {
namespace {

constexpr const char* kReportStyle = R"(
table.report td, table.report th { padding: 3px 12px; font-size: 16px; white-space: nowrap; }
table.report td.name { text-align: left; white-space: normal; }
@media screen and (max-width: 640px) {
  table.report td, table.report th { padding: 2px 3px; font-size: 13px; }
}
p.note { color: #666666; font-size: 15px; }
@page { size: A4; margin: 15mm; }
@media print {
  body { background: #ffffff; padding: 0; font-size: 15px; line-height: 1.6; }
  h1 { font-size: 22px; }
  h2 { font-size: 17px; margin: 12px 0 6px; }
  table.report td, table.report th { font-size: 13px; padding: 2px 8px; }
  table, li { break-inside: avoid; }
  p.grids { display: none; }
}
)";

std::string percent(const WeekFigures& week) {
    return week.questions > 0 ? std::to_string(std::lround(week.accuracy())) + "%" : "—";
}

std::string pace(const WeekFigures& week) {
    if (week.timedQuestions <= 0) return "—";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f秒", week.secondsPerQuestion());
    return text;
}

std::string count(int value) { return std::to_string(value); }

std::string monthDay(Day day) {
    const CivilDate date = civilDate(day);
    return std::to_string(date.month) + "月" + std::to_string(date.dayOfMonth) + "日";
}

std::string fullDate(Day day) { return std::to_string(civilDate(day).year) + "年" + monthDay(day); }

std::string title(const WeeklyReport& report) {
    const std::string who = report.childName.empty() ? "" : report.childName + "的";
    return who + "每周练习报告";
}

std::string summaryTable(const WeeklyReport& report) {
    const WeekFigures& now = report.thisWeek;
    const WeekFigures& before = report.lastWeek;
    std::string rows = textRow({"", "这一周", "上一周"}, "th");
    rows += textRow({"练习的天数", count(now.days) + "天", count(before.days) + "天"});
    rows += textRow({"练习卷", count(now.sheets) + "张", count(before.sheets) + "张"});
    rows += textRow({"题数", count(now.questions) + "道", count(before.questions) + "道"});
    rows += textRow({"正确率", percent(now), percent(before)});
    rows += textRow({"每题用时", pace(now), pace(before)});
    return element("table", rows, "class=report");
}

std::string topicRow(const TopicWeeks& topic) {
    std::string cells = element("td", escaped(topic.caption), "class=name");
    for (const std::string& cell : {count(topic.thisWeek.questions), percent(topic.thisWeek), pace(topic.thisWeek),
                                    count(topic.lastWeek.questions), percent(topic.lastWeek), pace(topic.lastWeek)}) {
        cells += element("td", escaped(cell));
    }
    return element("tr", cells);
}

std::string topicsTable(const WeeklyReport& report) {
    if (report.topics.empty()) return element("p", "这两周没有做过单项的练习。", "class=plain");
    // Each week's three figures under one heading, so the columns stay narrow.
    std::string rows = element("tr", element("th", "题目", "rowspan=2") + element("th", "这一周", "colspan=3") +
                                         element("th", "上一周", "colspan=3"));
    rows += textRow({"题数", "正确率", "每题用时", "题数", "正确率", "每题用时"}, "th");
    for (const TopicWeeks& topic : report.topics) rows += topicRow(topic);
    return element("table", rows, "class=report");
}

std::string changeItem(const TopicWeeks& topic) {
    const long points = std::lround(std::abs(topic.change()));
    const std::string way = topic.change() > 0 ? "提高了" : "下降了";
    return element("li", escaped("“" + topic.caption + "”正确率从" + percent(topic.lastWeek) + "到" +
                                 percent(topic.thisWeek) + "，" + way + std::to_string(points) + "个百分点。"));
}

std::string changes(const WeeklyReport& report) {
    if (report.up.empty() && report.down.empty()) {
        return element("p", "和上一周比，各个题目的正确率变化不大。", "class=plain");
    }
    std::string items;
    for (const TopicWeeks& topic : report.up) items += changeItem(topic);
    for (const TopicWeeks& topic : report.down) items += changeItem(topic);
    return element("ul", items);
}

// The one count of misses waiting, then this week's misses and the day each comes back.
std::string waitingMisses(const WeeklyReport& report) {
    std::string html = waitingParagraph(report.waiting);
    if (report.weekMisses.empty()) return html;
    std::string rows = report.withAnswers ? textRow({"题目", "这一周做错的题", "正确答案", "哪天再做"}, "th")
                                          : textRow({"题目", "这一周做错的题", "哪天再做"}, "th");
    const std::size_t listed = std::min(report.weekMisses.size(), kListedMisses);
    for (std::size_t i = 0; i < listed; ++i) {
        const ReviewItem& item = report.weekMisses[i];
        const std::string question = questionOnOneLine(item.question.question);
        const std::string back = item.due <= report.today ? "今天" : monthDay(item.due);
        rows += report.withAnswers ? textRow({item.question.topicCaption, question, item.question.correct, back})
                                   : textRow({item.question.topicCaption, question, back});
    }
    html += element("table", rows, "class=\"report week-misses\"");
    const std::size_t unlisted = report.weekMisses.size() - listed;
    if (unlisted > 0) html += element("p", "还有" + std::to_string(unlisted) + "道没有列出。", "class=note");
    return html;
}

// Why this week's answers were wrong, when the marking could tell.
std::string errorKinds(const WeeklyReport& report) {
    const std::string sentence = errorKindsSentence(report.childName, report.errorKinds);
    if (sentence.empty()) return "";
    return element("h2", "错在哪里") + element("p", escaped(sentence), "class=\"plain error-kinds\"");
}

std::string perMinute(const WeekPace& week) {
    if (week.answers <= 0) return "—";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f道", week.perMinute());
    return text;
}

// Questions per minute by the answers' own times, and the facts newly known by heart.
std::string fluency(const WeeklyReport& report) {
    std::string html;
    if (report.paces.empty()) {
        html = element("p", "这两周还没有记下每道题用的时间。", "class=plain");
    } else {
        std::string rows = textRow({"题目", "这一周每分钟", "上一周每分钟"}, "th");
        for (const SkillPace& pace : report.paces) {
            rows += textRow({pace.caption, perMinute(pace.thisWeek), perMinute(pace.lastWeek)});
        }
        html = element("table", rows, "class=\"report paces\"");
    }
    if (report.newlyFluent.empty()) return html + element("p", "这一周没有新熟练的口算。", "class=plain");
    std::string items;
    for (const FluentFacts& grid : report.newlyFluent) {
        std::string facts;
        for (const std::string& fact : grid.facts) facts += (facts.empty() ? "" : "、") + fact;
        items += element("li", escaped(grid.grid + "：" + facts));
    }
    return html + element("p", "这一周新熟练（两次都又对又快）的口算：", "class=plain") +
           element("ul", items, "class=fluent");
}

std::string nextTopics(const WeeklyReport& report) {
    if (report.next.empty()) {
        return element("p", "各个题目都做得又对又快。可以按课本的进度，试一试新的内容。", "class=plain");
    }
    std::string items;
    for (const NextTopic& topic : report.next) {
        items += element("li", element("b", escaped("“" + topic.caption + "”")) + escaped(topic.sentence));
    }
    return element("ol", items);
}

std::string reportBody(const WeeklyReport& report, const std::string& chooserHtml) {
    std::string html = element("h1", escaped(title(report))) + chooserHtml;
    html += element("p",
                    escaped(fullDate(report.from) + "至" + fullDate(report.today) + "，和前一周（" +
                            fullDate(report.from - 7) + "至" + fullDate(report.from - 1) + "）比一比。"),
                    "class=plain");
    html += element("h2", "这一周练了多少") + summaryTable(report);
    html += element("h2", "每个题目") + topicsTable(report);
    html += element("h2", "做得多快") + fluency(report);
    html += element("h2", "进步和退步") + changes(report);
    html += element("h2", "等着复习的错题") + waitingMisses(report);
    html += errorKinds(report);
    html += element("h2", "接下来练什么") + nextTopics(report);
    html += element("p", "爸爸妈妈：孩子每做对一点，都值得表扬。多说说做得好的地方，再一起看看错题。", "class=note");
    return html;
}

}  // namespace

std::string errorKindsSentence(const std::string& childName, const std::vector<KindCount>& kinds) {
    std::string counted;
    for (const KindCount& kind : kinds) {
        if (kind.kind == ErrorKind::None || kind.misses <= 0) continue;
        counted += (counted.empty() ? "" : "、") + std::to_string(kind.misses) + "次" +
                   std::string(errorKindCaption(kind.kind));
    }
    return counted.empty() ? "" : "这一周" + childName + "有" + counted + "。";
}

std::string weeklyReportHtml(const WeeklyReport& report, const std::string& chooserHtml) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\">" + element("title", escaped(title(report))) +
           "<link rel=stylesheet href=\"reading.css\">" + element("style", kReportStyle) + "</head>" +
           element("body", reportBody(report, chooserHtml)) + "</html>";
}

}  // namespace tally
