// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/summaries.h"

#include <cstdio>

#include "library/data_file_check.h"
#include "library/library_lists.h"
#include "base/gbk.h"
#include "base/text.h"

namespace tally {
namespace {

constexpr int kRootTopic = 5222;
constexpr int kFirstHalfYear = 522202;
constexpr int kLastHalfYear = 522213;

bool isHalfYear(int topic) { return between(topic, kFirstHalfYear, kLastHalfYear); }

constexpr const char* kIntroduction =
    "<h1>小学各年级知识点总结</h1>"
    "<p>每个学期学过的知识，都整理成了一页总结：按内容分好类，每一条后面还有一个小例子。</p>"
    "<p>复习的时候，先读一读这一学期的总结，把每个例子自己算一遍；"
    "再到“各年级试卷”里做一份试卷，看看哪里还要多练一练。</p>";

}  // namespace

bool isSummaryTopic(int topic) { return topic == kRootTopic || isHalfYear(topic); }

std::string summaryFilePath(int topic) {
    if (!isHalfYear(topic)) return "";
    char path[32];
    std::snprintf(path, sizeof path, "lessons/summary/%02d.txt", topic % 100);
    return path;
}

void buildSummaryPage(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const int topic = click.tag.number;
    if (topic == kRootTopic) {
        sheet.html = kIntroduction;
        return;
    }
    const std::string path = summaryFilePath(topic);
    const auto bytes = context.data.read(path);
    if (!bytes) {
        sheet.html = preparingPage(click.caption, "这一学期的知识点总结");
    } else if (const std::string refusal = refusedDataFile(path, *bytes, true); !refusal.empty()) {
        context.window.message("提示", refusal);
        sheet.keepPage = true;
    } else {
        sheet.html = gbkToUtf8(*bytes);
    }
}

}  // namespace tally
