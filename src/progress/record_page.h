#pragma once
#include <string>
#include <vector>

#include "progress/progress_record.h"

namespace tally {

// The link of the record page that starts a re-drill; the window catches it
// instead of following it.
inline constexpr const char* kRedrillLink = "redrill.tallymoo";

// Where the page loads the chart drawing script from: Debian's package.
inline constexpr const char* kChartScript = "file:///usr/share/javascript/chart.js/chart.min.js";

// The record page's figures worked out from the sheets themselves (newest
// first, with their misses): what the record's own summary must come to.
std::vector<TopicHistory> topicHistories(const std::vector<MarkedSheet>& sheets, int topics);
std::vector<MissedTopic> mostMissedTopics(const std::vector<MarkedSheet>& sheets, int topics);
RecordSummary summariseSheets(const std::vector<MarkedSheet>& sheets, int openMisses,
                              const RecordPageLimits& limits = {});

// The whole 成绩记录 page: the latest sheets, the topics missed most, a chart
// per topic, and the 错题重练 link when there is something to practise.
// `practiceHtml` (the daily practice's calendar) goes under the first lines.
std::string recordPageHtml(const RecordSummary& summary, const std::string& practiceHtml = "");

}  // namespace tally
