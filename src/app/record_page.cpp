// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/record_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "app/fact_grid_page.h"
#include "page/html_page.h"
#include "practice/waiting_misses.h"

namespace tally {
namespace {

std::string wrap(const std::string& tag, const std::string& content, const std::string& attributes = "") {
    return "<" + tag + (attributes.empty() ? "" : " " + attributes) + ">" + content + "</" + tag + ">";
}

std::string row(const std::vector<std::string>& cells, const std::string& cellTag = "td") {
    std::string html;
    for (const std::string& cell : cells) html += wrap(cellTag, escapeHtmlText(cell));
    return wrap("tr", html);
}

// A string as a JavaScript literal that is safe inside a <script> element.
std::string scriptString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '<': out += "\\u003c"; break;
            case '>': out += "\\u003e"; break;
            case '&': out += "\\u0026"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) continue;
                out += c;
        }
    }
    return out + "\"";
}

template <typename T, typename Item>
std::string scriptList(const std::vector<T>& items, Item item) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + item(items[i]);
    return out + "]";
}

std::string dayOf(const MarkedSheet& sheet) { return sheet.when.substr(0, 10); }

std::string shownKey(const MissedQuestion& miss, const MarkedSheet& sheet) {
    return miss.topicKey.empty() ? sheet.topicKey : miss.topicKey;
}

std::string shownCaption(const MissedQuestion& miss, const MarkedSheet& sheet) {
    return miss.topicKey.empty() ? sheet.topicCaption : miss.topicCaption;
}

std::string seconds(int count) { return std::to_string(count) + "秒"; }

std::string sheetsTable(const std::vector<MarkedSheet>& sheets) {
    std::string html = row({"日期", "时间", "题目", "题数", "做对", "得分", "用时"}, "th");
    for (const MarkedSheet& sheet : sheets) {
        html += row({dayOf(sheet), sheet.when.size() > 11 ? sheet.when.substr(11, 5) : "", sheet.topicCaption,
                     std::to_string(sheet.questions), std::to_string(sheet.right), std::to_string(sheet.score),
                     seconds(sheet.seconds)});
    }
    return wrap("table", html, "id=sheets class=record");
}

std::string missedTable(const std::vector<MissedTopic>& topics) {
    if (topics.empty()) return wrap("p", "还没有做错过的题目，真棒！", "class=plain");
    std::string html = row({"题目", "错题数"}, "th");
    for (const MissedTopic& topic : topics) html += row({topic.caption, std::to_string(topic.misses)});
    return wrap("table", html, "id=missed class=record");
}

// How many misses wait for review, in the words of every page, and the
// re-drill while its list holds any.
std::string waitingPart(int waitingMisses, int questionsToRedrill, bool offered) {
    std::string html = waitingParagraph(waitingMisses);
    if (questionsToRedrill > 0 && offered) {
        html += wrap("p", wrap("a", "错题重练", std::string("class=redrill href=") + kRedrillLink), "class=plain");
    }
    return html;
}

std::string chartData(const std::vector<TopicHistory>& histories) {
    return scriptList(histories, [](const TopicHistory& topic) {
        return "{caption:" + scriptString(topic.caption) +
               ",days:" + scriptList(topic.days, [](const TopicDay& d) { return scriptString(d.day.substr(5)); }) +
               ",scores:" + scriptList(topic.days, [](const TopicDay& d) { return std::to_string(d.averageScore); }) +
               ",seconds:" +
               scriptList(topic.days, [](const TopicDay& d) { return std::to_string(d.averageSeconds); }) + "}";
    });
}

// Draws one chart a topic; without the chart script the tables still stand.
constexpr const char* kChartDrawing = R"(
(function () {
  var box = document.getElementById('charts');
  if (typeof Chart === 'undefined') {
    box.innerHTML = '<p class=plain>这台电脑上没有画图表的程序（Chart.js），下面的表格照样可以看。</p>';
    return;
  }
  Chart.defaults.font.family = '"Noto Sans CJK SC", sans-serif';
  Chart.defaults.font.size = 14;
  topics.forEach(function (topic, index) {
    var figure = document.createElement('div');
    figure.className = 'chart';
    var title = document.createElement('h3');
    title.textContent = topic.caption;
    var canvas = document.createElement('canvas');
    canvas.id = 'chart' + index;
    canvas.width = 420;
    canvas.height = 210;
    figure.appendChild(title);
    figure.appendChild(canvas);
    box.appendChild(figure);
    new Chart(canvas, {
      type: 'line',
      data: {
        labels: topic.days,
        datasets: [
          { label: '得分', data: topic.scores, yAxisID: 'score', borderColor: '#2e6b4f',
            backgroundColor: '#2e6b4f', tension: 0.2 },
          { label: '用时（秒）', data: topic.seconds, yAxisID: 'seconds', borderColor: '#d97706',
            backgroundColor: '#d97706', borderDash: [6, 4], tension: 0.2 }
        ]
      },
      options: {
        responsive: false,
        animation: false,
        scales: {
          score: { position: 'left', min: 0, max: 100, title: { display: true, text: '得分' } },
          seconds: { position: 'right', beginAtZero: true, grid: { drawOnChartArea: false },
                     title: { display: true, text: '秒' } }
        }
      }
    });
  });
})();
)";

constexpr const char* kStyle = R"(
table.record td, table.record th { padding: 3px 12px; font-size: 17px; }
a.redrill { display: inline-block; margin-left: 1em; padding: 4px 18px; border-radius: 10px;
  background: #2e6b4f; color: #ffffff; text-decoration: none; }
div.chart { display: inline-block; vertical-align: top; margin: 6px 14px 12px 0; }
div.chart h3 { margin: 4px 0; font-size: 18px; color: #8a5a2b; }
@media print {
  body { background: #ffffff; padding: 0; }
  a.redrill { display: none; }
  div.chart { break-inside: avoid; }
}
)";

std::string emptyRecord() {
    return wrap("p", "还没有成绩。做完一张练习卷，点“提交答案”，成绩就会记在这里。", "class=plain");
}

// Whose record this is, and for the parent the other records.
std::string ownerPart(const RecordOwner& owner) {
    std::string html = wrap("h1", escapeHtmlText(owner.name) + "的成绩记录");
    if (!owner.parent) return html;
    std::string chooser = "看谁的成绩：";
    for (const Child& child : owner.choices) {
        chooser += childLink(kShowChildLink, child.id, child.name, child.id == owner.id) + " ";
    }
    if (owner.earlierSheets || owner.id == kEarlierRecords) {
        chooser += childLink(kShowChildLink, kEarlierRecords, kEarlierRecordsName, owner.id == kEarlierRecords);
    }
    html += wrap("p", chooser, "class=\"plain chooser\"");
    if (owner.id == kEarlierRecords && owner.earlierSheets && !owner.choices.empty()) {
        std::string give = "这些是还没有孩子名字时做的练习，可以全部给：";
        for (const Child& child : owner.choices) give += childLink(kGiveEarlierLink, child.id, child.name, false) + " ";
        html += wrap("p", give + "（不给也可以，它们留在这里。）", "class=\"plain give\"");
    }
    return html;
}

std::string recordBody(const RecordSummary& summary, const std::optional<RecordOwner>& owner,
                       const std::string& practiceHtml, int waitingMisses) {
    std::string html = owner ? ownerPart(*owner) : wrap("h1", "成绩记录");
    if (summary.sheetCount == 0) return html + emptyRecord();
    html += wrap("p",
                 "一共记下了" + std::to_string(summary.sheetCount) + "张练习卷，最近一次是" +
                     escapeHtmlText(summary.latest.substr(0, 16)) + "。",
                 "class=plain");
    html += waitingPart(waitingMisses, summary.openMisses, !owner || owner->own);
    html += practiceHtml;
    html += factGridLinks(owner ? owner->id : kEarlierRecords);
    // The charts first: a parent looks for the trend; the long table goes last.
    html += wrap("h2", "每个题目的成绩变化") + wrap("div", "", "id=charts");
    html += wrap("h2", "错得最多的题目") + missedTable(summary.mostMissed);
    html += wrap("h2", "最近的练习") + sheetsTable(summary.latestSheets);
    html += wrap("script", "var topics = " + chartData(summary.topics) + ";" + kChartDrawing);
    return html;
}

}  // namespace

std::string childLink(const std::string& kind, long long id, const std::string& caption, bool current) {
    if (current) return wrap("b", escapeHtmlText(caption), "class=chosen");
    return wrap("a", escapeHtmlText(caption),
                "class=child style=\"margin:0 0.4em\" href=\"" + kind + std::to_string(id) + kLinkEnd + "\"");
}

std::vector<TopicHistory> topicHistories(const std::vector<MarkedSheet>& sheets, int topics) {
    std::vector<TopicHistory> histories;
    std::map<std::string, std::size_t> indexOfKey;
    // Per topic and day: sums of score and seconds, and the count.
    std::map<std::pair<std::string, std::string>, std::array<long long, 3>> sums;
    for (const MarkedSheet& sheet : sheets) {
        if (!indexOfKey.count(sheet.topicKey)) {
            if (static_cast<int>(histories.size()) >= topics) continue;
            indexOfKey[sheet.topicKey] = histories.size();
            histories.push_back({sheet.topicKey, sheet.topicCaption, {}});
        }
        auto& sum = sums[{sheet.topicKey, dayOf(sheet)}];
        sum[0] += sheet.score;
        sum[1] += sheet.seconds;
        sum[2] += 1;
    }
    for (const auto& [keyAndDay, sum] : sums) {
        const auto found = indexOfKey.find(keyAndDay.first);
        if (found == indexOfKey.end()) continue;
        const auto average = [&](long long total) { return static_cast<int>(std::lround(double(total) / sum[2])); };
        histories[found->second].days.push_back({keyAndDay.second, average(sum[0]), average(sum[1])});
    }
    return histories;
}

std::vector<MissedTopic> mostMissedTopics(const std::vector<MarkedSheet>& sheets, int topics) {
    std::map<std::string, MissedTopic> byKey;
    for (const MarkedSheet& sheet : sheets) {
        for (const MissedQuestion& miss : sheet.missed) {
            MissedTopic& topic = byKey[shownKey(miss, sheet)];
            if (topic.misses++ == 0) topic.caption = shownCaption(miss, sheet);
        }
    }
    std::vector<MissedTopic> most;
    for (const auto& [key, topic] : byKey) most.push_back(topic);
    std::sort(most.begin(), most.end(), [](const MissedTopic& a, const MissedTopic& b) {
        return a.misses != b.misses ? a.misses > b.misses : a.caption < b.caption;
    });
    if (static_cast<int>(most.size()) > topics) most.resize(std::max(topics, 0));
    return most;
}

RecordSummary summariseSheets(const std::vector<MarkedSheet>& sheets, int openMisses,
                              const RecordPageLimits& limits) {
    RecordSummary summary;
    summary.sheetCount = static_cast<int>(sheets.size());
    if (!sheets.empty()) summary.latest = sheets.front().when;
    const std::size_t rows = std::min(sheets.size(), static_cast<std::size_t>(std::max(limits.tableRows, 0)));
    for (std::size_t i = 0; i < rows; ++i) {
        summary.latestSheets.push_back(sheets[i]);
        summary.latestSheets.back().missed.clear();
        summary.latestSheets.back().mended.clear();
    }
    summary.topics = topicHistories(sheets, limits.charts);
    summary.mostMissed = mostMissedTopics(sheets, limits.topMissed);
    summary.openMisses = openMisses;
    return summary;
}

std::optional<long long> linkedChild(const std::string& fileName, const std::string& kind) {
    if (!fileName.starts_with(kind) || !fileName.ends_with(kLinkEnd)) return std::nullopt;
    const std::string digits = fileName.substr(kind.size(), fileName.size() - kind.size() - std::string(kLinkEnd).size());
    if (digits.empty() || digits.size() > 18 || digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoll(digits);
}

std::string recordPageHtml(const RecordSummary& summary, const std::optional<RecordOwner>& owner,
                           const std::string& practiceHtml, int waitingMisses) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>成绩记录</title>"
           "<link rel=stylesheet href=\"reading.css\">" +
           wrap("style", kStyle) + "<script src=\"" + kChartScript + "\"></script></head>" +
           wrap("body", recordBody(summary, owner, practiceHtml, waitingMisses)) + "</html>";
}

}  // namespace tally
