// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/clock_skills.h"

#include <memory>
#include <string>

#include "pictures/clock_pair_picture.h"
#include "pictures/clock_picture.h"

namespace tally::clock_rules {
namespace {

using namespace skill_rules;

int onFace(int hours) { return hours % 12 == 0 ? 12 : hours % 12; }

// Where a hand of 60 steps points: at a number, or a few small ticks after it.
std::string pointsAt(const char* hand, int steps) {
    const int number = steps / 5 == 0 ? 12 : steps / 5;
    const std::string at = std::string(hand) + "指着" + std::to_string(number);
    return steps % 5 == 0 ? at : at + "后面第" + std::to_string(steps % 5) + "小格";
}

std::string hourHandWords(const ClockTime& time) {
    const int hour = onFace(time.hours);
    const std::string next = std::to_string(onFace(hour + 1));
    if (time.minutes == 0 && time.seconds == 0) return "时针指着" + std::to_string(hour);
    if (time.minutes == 30 && time.seconds == 0) return "时针指着" + std::to_string(hour) + "和" + next + "的中间";
    return "时针在" + std::to_string(hour) + "和" + next + "之间";
}

std::string handsWords(const ClockTime& time) { return hourHandWords(time) + "，" + pointsAt("分针", time.minutes); }

// "是□时。" for a whole hour, else "是□时□分。", the minutes in the second box.
SkillQuestion reading(const std::string& words, int hours, int minutes) {
    SkillQuestion question;
    question.layout = QuestionLayout::worded;
    question.result = wholeNumber(hours);
    question.prompt = words + (minutes == 0 ? "是□时。" : "是□时□分。");
    if (minutes != 0) question.secondBox = minutes;
    return question;
}

SkillQuestion withFace(SkillQuestion question, const ClockTime& time, bool secondHand,
                       ClockFacePicture::Use use = ClockFacePicture::Use::read) {
    question.picture = std::make_shared<ClockFacePicture>(time, secondHand, use);
    return question;
}

// The word of the part of the day an hour falls in.
const char* partOfDay(int hours) {
    if (hours < 12) return "上午";
    if (hours == 12) return "中午";
    return hours < 18 ? "下午" : "晚上";
}

}  // namespace

Maybe readWholeOrHalf(Values v) {
    const ClockTime time{v[0], v[1] * 30, 0};
    return withFace(reading("钟面上" + handsWords(time) + "，", time.hours, time.minutes), time, false);
}

Maybe readMinutes(Values v, int step) {
    const ClockTime time{v[0], v[1] * step, 0};
    return withFace(reading("钟面上" + handsWords(time) + "，", time.hours, time.minutes), time, false);
}

Maybe readSeconds(Values v) {
    const ClockTime time{v[0], v[1], v[2] * 5};
    SkillQuestion question;
    question.layout = QuestionLayout::worded;
    question.result = wholeNumber(time.minutes);
    question.secondBox = time.seconds;
    question.prompt = "钟面上" + handsWords(time) + "，" + pointsAt("秒针", time.seconds) + "，是" +
                      std::to_string(time.hours) + "时□分□秒。";
    return withFace(question, time, true);
}

Maybe elapsedMinutes(Values v) {
    const ClockTime start{v[0], v[1] * 5, 0};
    const int passed = v[2] * 5;
    const int endMinutes = start.hours * 60 + start.minutes + passed;
    const ClockTime end{onFace(endMinutes / 60), endMinutes % 60, 0};
    SkillQuestion question;
    question.layout = QuestionLayout::worded;
    question.result = wholeNumber(passed);
    question.prompt = "开始时" + handsWords(start) + "；结束时" + handsWords(end) + "。从开始到结束经过了□分。";
    question.picture = std::make_shared<ClockPairPicture>(start, end);
    return question;
}

Maybe readDayHours(Values v) {
    const ClockTime time{v[0], v[1] * 5, 0};
    const std::string words = std::string(partOfDay(time.hours)) + "，钟面上" + handsWords(time) + "，用24时计时法";
    return withFace(reading(words, time.hours, time.minutes), time, false);
}

Maybe setHands(Values v, int step) {
    const ClockTime time{v[0], v[1] * step, 0};
    if (time.hours == 12 && time.minutes == 0) return std::nullopt;
    SkillQuestion question;
    question.layout = QuestionLayout::worded;
    question.result = wholeNumber(time.hours);
    question.prompt = "拨一拨：在钟面上拨出" + clockTimeWords(time, false) + "。";
    question.setOnPicture = clockHandsValue(time.hours, time.minutes);
    return withFace(question, time, false, ClockFacePicture::Use::set);
}

}  // namespace tally::clock_rules
