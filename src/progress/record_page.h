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

// How the record page is built: how many sheets its table lists and how many
// topics get a chart.
struct RecordPageLimits {
    int tableRows = 30;
    int charts = 8;
    int topMissed = 5;
};

// One topic's practice by day, as its chart draws it.
struct TopicDay {
    std::string day;  // "YYYY-MM-DD"
    int averageScore = 0;
    int averageSeconds = 0;
};

struct TopicHistory {
    std::string key;
    std::string caption;
    std::vector<TopicDay> days;  // oldest first
};

struct MissedTopic {
    std::string caption;
    int misses = 0;
};

// The topics last practised first, each with its days; sheets newest first.
std::vector<TopicHistory> topicHistories(const std::vector<MarkedSheet>& sheets, int topics);
// The topics with the most missed questions, most first; ties by caption.
std::vector<MissedTopic> mostMissedTopics(const std::vector<MarkedSheet>& sheets, int topics);

// The whole 成绩记录 page: the latest sheets, the topics missed most, a chart
// per topic, and the 错题重练 link when there is something to practise.
std::string recordPageHtml(const std::vector<MarkedSheet>& sheets, int questionsToRedrill,
                           const RecordPageLimits& limits = {});

}  // namespace tally
