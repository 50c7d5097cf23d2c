// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/weekly_report.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <set>
#include <unordered_map>

#include "practice/weak_topics.h"

namespace tally {
namespace {

struct WeekCounter {
    WeekFigures figures;
    std::set<Day> days;

    void add(const SheetRow& sheet, Day day) {
        ++figures.sheets;
        figures.questions += sheet.questions;
        figures.right += sheet.right;
        // A share has no seconds of its own, and a sheet handed in within a
        // second was not timed.
        if (!sheet.share && sheet.seconds > 0) {
            figures.seconds += sheet.seconds;
            figures.timedQuestions += sheet.questions;
        }
        days.insert(day);
        figures.days = static_cast<int>(days.size());
    }
};

struct TopicCounter {
    std::string caption;
    std::string captionWhen;  // of the newest sheet seen, whose caption is kept
    WeekCounter thisWeek, lastWeek;
};

std::string rounded(double value) { return std::to_string(std::lround(value)); }

// The second and third topics are told in other words, so the three lines
// do not read the same.
std::string weakSentence(const WeakTopic& topic, std::size_t place) {
    static const char* const kEncouragements[] = {
        "每天练几道，把错的地方弄明白，会越做越好。",
        "先把错题弄懂，再做几道新题，一定会有进步。",
        "做题时细心一点，做完再检查一遍，分数就会上来。",
    };
    if (topic.lowScore) {
        return "最近几次平均" + rounded(topic.recentScore) + "分。" +
               kEncouragements[place % std::size(kEncouragements)];
    }
    return "做得很准，只是每题要" + rounded(topic.secondsPerQuestion) + "秒左右，比平时慢一些。多练几次，就会又对又快。";
}

std::string dueSentence(int misses) {
    return "还有" + std::to_string(misses) + "道错题等着再做一次。做对了，这些题就真正学会了。";
}

std::vector<NextTopic> nextTopics(const std::vector<SheetRow>& sheets, const std::vector<ReviewItem>& due, Day today) {
    std::vector<NextTopic> next;
    const auto named = [&](const std::string& key) {
        return std::any_of(next.begin(), next.end(), [&](const NextTopic& topic) { return topic.topicKey == key; });
    };
    for (const WeakTopic& topic : weakTopics(sheets, kNextTopics)) {
        next.push_back({topic.topicKey, topic.caption, weakSentence(topic, next.size())});
    }
    // Then the topics with the most misses waiting; ties by key.
    std::map<std::string, std::pair<int, std::string>> missesOf;
    for (const ReviewItem& item : due) {
        if (item.due > today) continue;
        auto& entry = missesOf[item.question.topicKey];
        ++entry.first;
        entry.second = item.question.topicCaption;
    }
    std::vector<std::pair<std::string, std::pair<int, std::string>>> byMisses(missesOf.begin(), missesOf.end());
    std::stable_sort(byMisses.begin(), byMisses.end(),
                     [](const auto& a, const auto& b) { return a.second.first > b.second.first; });
    for (const auto& [key, entry] : byMisses) {
        if (static_cast<int>(next.size()) >= kNextTopics) break;
        if (!named(key)) next.push_back({key, entry.second, dueSentence(entry.first)});
    }
    return next;
}

}  // namespace

double WeekFigures::accuracy() const { return questions > 0 ? 100.0 * right / questions : 0.0; }

double WeekFigures::secondsPerQuestion() const { return timedQuestions > 0 ? double(seconds) / timedQuestions : 0.0; }

double TopicWeeks::change() const {
    if (thisWeek.questions == 0 || lastWeek.questions == 0) return 0.0;
    return thisWeek.accuracy() - lastWeek.accuracy();
}

WeeklyReport weeklyReport(const std::vector<SheetRow>& sheets, const std::vector<ReviewItem>& due, Day today,
                          const std::string& childName) {
    WeeklyReport report;
    report.childName = childName;
    report.today = today;
    report.from = today - 6;
    WeekCounter thisWeek, lastWeek;
    std::unordered_map<std::string, TopicCounter> topics;
    for (const SheetRow& sheet : sheets) {
        const auto day = parseDay(sheet.when);
        if (!day || *day > today || *day < report.from - 7) continue;
        const bool current = *day >= report.from;
        // A share's questions are on its practice sheet already.
        if (!sheet.share) (current ? thisWeek : lastWeek).add(sheet, *day);
        if (isMixedSheet(sheet.topicKey) || sheet.questions <= 0) continue;
        TopicCounter& topic = topics[sheet.topicKey];
        (current ? topic.thisWeek : topic.lastWeek).add(sheet, *day);
        if (sheet.when >= topic.captionWhen) {
            topic.captionWhen = sheet.when;
            topic.caption = sheet.topicCaption;
        }
    }
    report.thisWeek = thisWeek.figures;
    report.lastWeek = lastWeek.figures;
    for (const auto& [key, topic] : topics) {
        report.topics.push_back({key, topic.caption, topic.thisWeek.figures, topic.lastWeek.figures});
    }
    std::sort(report.topics.begin(), report.topics.end(), [](const TopicWeeks& a, const TopicWeeks& b) {
        if (a.thisWeek.questions != b.thisWeek.questions) return a.thisWeek.questions > b.thisWeek.questions;
        if (a.lastWeek.questions != b.lastWeek.questions) return a.lastWeek.questions > b.lastWeek.questions;
        return a.topicKey < b.topicKey;
    });
    for (const TopicWeeks& topic : report.topics) {
        if (topic.change() >= kTrendPoints) report.up.push_back(topic);
        if (topic.change() <= -kTrendPoints) report.down.push_back(topic);
    }
    const auto byChange = [](const TopicWeeks& a, const TopicWeeks& b) {
        return std::abs(a.change()) != std::abs(b.change()) ? std::abs(a.change()) > std::abs(b.change())
                                                             : a.topicKey < b.topicKey;
    };
    std::sort(report.up.begin(), report.up.end(), byChange);
    std::sort(report.down.begin(), report.down.end(), byChange);
    // What comes after `today` (a date fixed for a test or a script) is not
    // yet known on that day.
    const auto afterToday = [&](const SheetRow& sheet) {
        const auto day = parseDay(sheet.when);
        return day && *day > today;
    };
    if (std::none_of(sheets.begin(), sheets.end(), afterToday)) {
        report.next = nextTopics(sheets, due, today);
    } else {
        std::vector<SheetRow> known;
        std::copy_if(sheets.begin(), sheets.end(), std::back_inserter(known),
                     [&](const SheetRow& sheet) { return !afterToday(sheet); });
        report.next = nextTopics(known, due, today);
    }
    return report;
}

}  // namespace tally
