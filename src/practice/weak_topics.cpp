// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/weak_topics.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "practice/topic_sheets.h"

namespace tally {
namespace {

WeakTopic recentFigures(const TopicSheets& topic) {
    double weights = 0, weightedScore = 0, weightedSeconds = 0, weightedQuestions = 0;
    const std::size_t count = std::min(topic.sheets.size(), std::size(kRecentSheetWeights));
    for (std::size_t i = 0; i < count; ++i) {
        const SheetRow& sheet = *topic.sheets[topic.sheets.size() - 1 - i];
        const int weight = kRecentSheetWeights[i];
        weights += weight;
        weightedScore += weight * sheet.score;
        if (sheet.share) continue;
        weightedSeconds += double(weight) * sheet.seconds;
        weightedQuestions += double(weight) * sheet.questions;
    }
    WeakTopic figures;
    figures.topicKey = topic.topicKey;
    figures.caption = topic.caption;
    figures.recentScore = weightedScore / weights;
    figures.secondsPerQuestion = weightedQuestions > 0 ? weightedSeconds / weightedQuestions : 0.0;
    figures.sheets = static_cast<int>(topic.sheets.size());
    return figures;
}

long tenths(double score) { return std::lround(score * 10); }

}  // namespace

std::vector<WeakTopic> weakTopics(const std::vector<SheetRow>& sheets, int limit) {
    const std::vector<TopicSheets> topics = sheetsByTopic(sheets);
    long long allSeconds = 0, allQuestions = 0;
    for (const TopicSheets& topic : topics) {
        for (const SheetRow* sheet : topic.sheets) {
            if (sheet->share) continue;
            allSeconds += sheet->seconds;
            allQuestions += sheet->questions;
        }
    }
    const double average = allQuestions > 0 ? double(allSeconds) / allQuestions : 0.0;

    std::vector<WeakTopic> weak;
    for (const TopicSheets& topic : topics) {
        WeakTopic figures = recentFigures(topic);
        figures.slowness = average > 0 ? figures.secondsPerQuestion / average : 0.0;
        figures.lowScore = figures.recentScore < kWeakScore;
        if (figures.lowScore || figures.slowness >= kSlowFactor) weak.push_back(std::move(figures));
    }
    std::sort(weak.begin(), weak.end(), [](const WeakTopic& a, const WeakTopic& b) {
        if (tenths(a.recentScore) != tenths(b.recentScore)) return tenths(a.recentScore) < tenths(b.recentScore);
        if (a.secondsPerQuestion != b.secondsPerQuestion) return a.secondsPerQuestion > b.secondsPerQuestion;
        return a.topicKey < b.topicKey;
    });
    if (limit >= 0 && static_cast<int>(weak.size()) > limit) weak.resize(limit);
    return weak;
}

}  // namespace tally
