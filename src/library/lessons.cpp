// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/lessons.h"

#include <cstdio>
#include <optional>
#include <sstream>
#include <vector>

#include "library/data_file_check.h"
#include "library/library_lists.h"
#include "library/summaries.h"
#include "page/html_page.h"
#include "topics/catalogue.h"
#include "base/gbk.h"
#include "base/text.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

constexpr const char* kPracticeMark = "练习=";
constexpr const char* kAnswersMark = "答案=";
constexpr const char* kClockKey = "q77";
constexpr const char* kClockButtonName = "clock";
constexpr const char* kPracticeHeading = "<p class=practice><b>【练一练】</b></p>";
constexpr const char* kClockPractice =
    "<p class=practice><b>【练一练】</b>点下面的按钮打开钟表，看一看时针和分针，说一说钟面上的时间。</p>"
    "<input class=button name=clock type=button value=打开钟表><br><br>";

constexpr int kRootTopic = 5333;
constexpr int kFirstGrade = 533302;
constexpr int kLastGrade = 533307;

const char* const kGradeNames[] = {"一", "二", "三", "四", "五", "六"};

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

std::string joinLines(const std::vector<std::string>& lines, size_t from, size_t to) {
    std::string text;
    for (size_t i = from; i < to; ++i) {
        if (i > from) text += '\n';
        text += lines[i];
    }
    return text;
}

bool isGradeTopic(int topic) { return topic >= kFirstGrade && topic <= kLastGrade; }

std::string rootIntroduction() {
    return "<h1>同步教学</h1>"
           "<p>同步教学按照课本的顺序，把一到六年级的每一课整理成一页：先用几段话讲清这一课的要点，"
           "再看一两道例题，最后做一份练习。</p>"
           "<p>大多数课的练习和程序里同类的练习题一样，做完点“提交答案”，就能批改和得分；"
           "没有同类练习题的课，准备了几道题，做完点“查看答案”对一对。</p>"
           "<p>怎样用：</p><ul>"
           "<li>先点左边的年级，再点正在学的那一课。</li>"
           "<li>请爸爸妈妈陪你读一读要点和例题，说一说每一步为什么这样做。</li>"
           "<li>批改和查看答案要用高级用户登录，请爸爸妈妈帮忙。</li></ul>";
}

std::string gradeIntroduction(int topic, const std::string& caption) {
    const std::string grade = kGradeNames[topic - kFirstGrade];
    return "<h1>" + escapeHtmlText(caption) + "</h1><p>这里是" + grade +
           "年级上、下两个学期的课，顺序和课本一样。点左边的课题，就能打开这一课。</p>"
           "<p>每学完一课，来这里读一读要点，做一做练习。有不明白的地方，请爸爸妈妈和你一起看看例题。</p>";
}

// A topic's lesson; nothing when it has no file, or when its file is refused
// (too large or nested too deep to parse), and then `refusal` says why.
std::optional<Lesson> readLesson(FamilyContext& context, int topic, std::string* refusal = nullptr) {
    const std::string path = lessonFilePath(topic);
    const auto bytes = context.data.read(path);
    if (!bytes) return std::nullopt;
    if (std::string why = refusedDataFile(path, *bytes, true); !why.empty()) {
        if (refusal) *refusal = std::move(why);
        return std::nullopt;
    }
    return parseLesson(gbkToUtf8(*bytes));
}

// The drill's own sheet, built as a click on the drill's node builds it.
Sheet drillSheet(FamilyContext& context, const TopicNode& drill) {
    Sheet sheet;
    context.drills.build(context, {drill.key, drill.caption, splitTopicTag(drill.tag)}, sheet);
    return sheet;
}

// The drill a lesson practises: one topic, or several of one family that
// draws a sheet from a list (the 口算 skills "k3201,k3202"), then built as the
// first one's node with the whole list for its key. Nothing when any is unknown.
std::optional<TopicNode> lessonDrill(FamilyContext& context, const std::string& practiceKey) {
    std::optional<TopicNode> drill;
    std::istringstream keys(practiceKey);
    for (std::string key; std::getline(keys, key, ',');) {
        const auto topic = context.drills.drillTopic(key);
        if (!topic || (drill && splitTopicTag(topic->tag).sigil != splitTopicTag(drill->tag).sigil)) return std::nullopt;
        if (!drill) drill = topic;
    }
    if (drill) drill->key = practiceKey;
    return drill;
}

std::string fixedQuestionsEnd(const Lesson& lesson) {
    if (lesson.answersHtml.empty()) return "";
    return std::string(kRevealButton) + "<br><br>";
}

std::string lessonPage(FamilyContext& context, const Lesson& lesson, Sheet& sheet) {
    if (lesson.practiceKey == kClockKey) {
        sheet.gradingKey = kClockKey;
        return lesson.html + kClockPractice;
    }
    const auto drill = lessonDrill(context, lesson.practiceKey);
    if (!drill || splitTopicTag(drill->tag).number == 0) return lesson.html + fixedQuestionsEnd(lesson);
    sheet.gradingKey = drill->key;
    const Sheet practice = drillSheet(context, *drill);
    return lesson.html + kPracticeHeading + practice.html;
}

}  // namespace

Lesson parseLesson(const std::string& text) {
    const std::vector<std::string> lines = splitLines(text);
    Lesson lesson;
    size_t first = 0;
    if (!lines.empty() && lines[0].starts_with(kPracticeMark)) {
        lesson.practiceKey = trimmed(lines[0].substr(std::string(kPracticeMark).size()));
        first = 1;
    }
    size_t answers = first;
    while (answers < lines.size() && !lines[answers].starts_with(kAnswersMark)) ++answers;
    lesson.html = joinLines(lines, first, answers);
    if (answers < lines.size()) {
        std::vector<std::string> rest(lines.begin() + static_cast<long>(answers), lines.end());
        rest[0] = rest[0].substr(std::string(kAnswersMark).size());
        lesson.answersHtml = trimmed(joinLines(rest, 0, rest.size()));
    }
    return lesson;
}

bool isLessonTopic(int topic) {
    return topic == kRootTopic || isGradeTopic(topic) || (isGradeTopic(topic / 1000) && topic % 1000 > 0);
}

std::string lessonFilePath(int topic) {
    if (!isGradeTopic(topic / 1000) || topic % 1000 == 0) return "";
    char path[32];
    std::snprintf(path, sizeof path, "lessons/%d/%03d.txt", topic / 1000 - kFirstGrade + 1, topic % 1000);
    return path;
}

bool LessonFamily::builds(const TopicTagParts& tag) const {
    return tag.sigil == "{" && (isLessonTopic(tag.number) || isSummaryTopic(tag.number));
}

bool LessonFamily::marks(const std::string& gradingKey) const {
    return gradingKey.starts_with("q5333") && gradingKey.size() == 10;
}

void LessonFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const int topic = click.tag.number;
    if (isSummaryTopic(topic)) {
        buildSummaryPage(context, click, sheet);
    } else if (topic == kRootTopic) {
        sheet.html = rootIntroduction();
    } else if (isGradeTopic(topic)) {
        sheet.html = gradeIntroduction(topic, click.caption);
    } else {
        std::string refusal;
        if (const auto lesson = readLesson(context, topic, &refusal)) {
            sheet.html = lessonPage(context, *lesson, sheet);
        } else if (!refusal.empty()) {
            context.window.message("提示", refusal);
            sheet.keepPage = true;
        } else {
            sheet.html = preparingPage(click.caption, "这一课", "你可以先看看别的课，或者到其他练习里做一做。");
        }
    }
}

std::optional<MarkedSheet> LessonFamily::clicked(FamilyContext& context, const std::string& gradingKey,
                                                 const std::string& elementName) {
    if (elementName == kClockButtonName && gradingKey == kClockKey) context.window.bringToFront(Pane::Picture2);
    return std::nullopt;
}

std::optional<MarkedSheet> LessonFamily::mark(FamilyContext& context, const std::string& gradingKey) {
    const auto lesson = readLesson(context, leadingNumber(gradingKey.substr(1)));
    if (!lesson || lesson->answersHtml.empty()) return std::nullopt;
    context.page.insertHtmlAfter("finish", "<br><br>" + lesson->answersHtml + "<br>思考用时" +
                                               std::to_string(context.thinkSeconds) + "秒！");
    return std::nullopt;
}

}  // namespace tally
