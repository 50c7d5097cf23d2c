// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
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

// The links of the record page a parent uses: show another child's record
// ("record-child-ID.tallymoo"), give the sheets of no child to a child
// ("give-earlier-ID.tallymoo"). The window catches them.
inline constexpr const char* kShowChildLink = "record-child-";
inline constexpr const char* kGiveEarlierLink = "give-earlier-";
inline constexpr const char* kLinkEnd = ".tallymoo";
// The child id a link of that kind names, or nothing.
std::optional<long long> linkedChild(const std::string& fileName, const std::string& kind);
// A link of that kind to the child's page; the page shown is named in bold, not linked.
std::string childLink(const std::string& kind, long long id, const std::string& caption, bool current);

// Whose record a page shows, once children are named: the name at the top;
// for the parent a chooser of every record (the children's and, while it has
// sheets, 以前的记录) and, on 以前的记录, a link per child to give them away.
struct RecordOwner {
    std::string name;
    long long id = 0;
    bool parent = false;
    std::vector<Child> choices;  // the children
    bool earlierSheets = false;  // whether 以前的记录 has sheets
    // Whether it is the record of who is practising: only then does the page
    // offer 错题重练, which asks that child's misses.
    bool own = true;
};

// The whole 成绩记录 page: the latest sheets, the topics missed most, a chart
// per topic, how many misses wait for review (`waitingMisses`) and the 错题重练
// link when there is something to practise; with an owner, whose record it
// is. `practiceHtml` (the daily practice's calendar) goes under the first lines.
std::string recordPageHtml(const RecordSummary& summary, const std::optional<RecordOwner>& owner = std::nullopt,
                           const std::string& practiceHtml = "", int waitingMisses = 0);

}  // namespace tally
