// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dabiao_history.h"

#include <algorithm>
#include <cstdio>

#include "page/html_page.h"

namespace tally {
namespace {

constexpr int kBarWidth = 24;
constexpr int kGap = 8;
constexpr int kHeight = 120;
constexpr int kLabelRoom = 36;

double ratePerMinute(const MarkedSheet& test) {
    return test.seconds > 0 ? test.right * 60.0 / test.seconds : 0;
}

std::string oneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// "12-08 3分钟 答对34道 每分钟11.3道".
std::string testLine(const MarkedSheet& test) {
    const std::string day = test.when.size() >= 10 ? test.when.substr(5, 5) : test.when;
    return day + " " + std::to_string(test.seconds / 60) + "分钟 答对" + std::to_string(test.right) + "道 每分钟" +
           oneDecimal(ratePerMinute(test)) + "道";
}

std::string bar(const MarkedSheet& test, std::size_t place, double top) {
    const int height = static_cast<int>(ratePerMinute(test) / top * (kHeight - 20));
    const int x = static_cast<int>(place) * (kBarWidth + kGap) + kGap;
    const int y = kHeight - height;
    return "<rect x=" + std::to_string(x) + " y=" + std::to_string(y) + " width=" + std::to_string(kBarWidth) +
           " height=" + std::to_string(height) + " fill=\"#4a90d9\"><title>" + escapeHtmlText(testLine(test)) +
           "</title></rect><text x=" + std::to_string(x + kBarWidth / 2) + " y=" + std::to_string(y - 4) +
           " font-size=11 text-anchor=middle>" + oneDecimal(ratePerMinute(test)) + "</text><text x=" +
           std::to_string(x + kBarWidth / 2) + " y=" + std::to_string(kHeight + 16) +
           " font-size=10 text-anchor=middle>" + escapeHtmlText(test.when.substr(5, 5)) + "</text>";
}

}  // namespace

std::string dabiaoHistoryHtml(const std::vector<MarkedSheet>& newestFirst) {
    if (newestFirst.empty()) return "";
    const std::vector<MarkedSheet> tests(newestFirst.rbegin(), newestFirst.rend());
    double top = 1;
    for (const MarkedSheet& test : tests) top = std::max(top, ratePerMinute(test));
    std::string description;
    for (const MarkedSheet& test : tests) description += testLine(test) + "；";
    const int width = static_cast<int>(tests.size()) * (kBarWidth + kGap) + kGap;
    std::string svg = "<svg role=img width=" + std::to_string(width) + " height=" +
                      std::to_string(kHeight + kLabelRoom) + " aria-labelledby=\"dabiaotitle dabiaodesc\">"
                      "<title id=dabiaotitle>口算达标：每分钟答对的题数</title><desc id=dabiaodesc>" +
                      escapeHtmlText(description) + "</desc>";
    for (std::size_t i = 0; i < tests.size(); ++i) svg += bar(tests[i], i, top);
    return "<h2>口算达标</h2>" + svg + "</svg>";
}

}  // namespace tally
