// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/assignment_form.h"

#include <sodium.h>

#include <algorithm>
#include <string_view>

#include "practice/lesson_week.h"
#include "practice/practice_rows.h"
#include "progress/children.h"
#include "progress/saved_mix.h"
#include "skills/ready_mixes.h"
#include "skills/skill_table.h"
#include "topics/catalogue.h"

namespace tally {
namespace {

constexpr std::string_view kMixPrefix = "mix:";

std::string termGroup(int grade, Term term) { return gradeName(grade) + (term == Term::first ? "上学期" : "下学期"); }

const ListedMix* readyMix(std::string_view key) {
    if (!key.starts_with(kMixPrefix)) return nullptr;
    static const std::vector<ListedMix> ready = readyMixes();
    const auto found = std::find_if(ready.begin(), ready.end(),
                                    [&](const ListedMix& mix) { return mix.mix.name == key.substr(kMixPrefix.size()); });
    return found == ready.end() ? nullptr : &*found;
}

// The caption the pupil reads, "" for a key no topic has.
std::string captionOf(const std::string& key, const FamilyTable& families) {
    if (const SkillRow* skill = findSkill(key)) return skill->caption;
    if (const ListedMix* mix = readyMix(key)) return "口算卷：" + mix->mix.name;
    if (key.starts_with(kMixPrefix)) return "";
    const auto node = findFixedTopic(families, key);
    return node ? node->caption : "";
}

}  // namespace

std::vector<AssignableTopic> assignableTopics() {
    std::vector<AssignableTopic> topics;
    for (const SkillRow& skill : skillTable()) topics.push_back({skill.key, skill.caption, termGroup(skill.grade, skill.term)});
    for (const ListedMix& ready : readyMixes()) {
        topics.push_back({std::string(kMixPrefix) + ready.mix.name, "口算卷：" + ready.mix.name, "口算卷"});
    }
    return topics;
}

std::string suggestedGroup(const std::string& className, Day today) {
    const std::size_t grade = className.find("年级");
    const int named = grade == std::string::npos ? 1 : gradeNamed(className.substr(0, grade) + "年级").value_or(1);
    return termGroup(named, termOfDay(today) == SchoolTerm::First ? Term::first : Term::second);
}

std::map<std::string, std::string> skillCaptions() {
    std::map<std::string, std::string> captions;
    for (const SkillRow& skill : skillTable()) captions.emplace(skill.key, skill.caption);
    return captions;
}

std::string assignmentProblem(const AssignmentRequest& request, Day today, const FamilyTable& families) {
    if (captionOf(request.topicKey, families).empty()) return "没有这个练习内容，请从列表里选一个。";
    const bool mix = request.topicKey.starts_with(kMixPrefix);
    const int fewest = mix ? kFewestMixQuestions : 1;
    if (request.count < fewest || request.count > kMostAssignedQuestions) {
        return "题数要在" + std::to_string(fewest) + "道到" + std::to_string(kMostAssignedQuestions) + "道之间。";
    }
    const std::optional<Day> due = parseGivenDay(request.due);
    if (!due || request.due.size() != 10) return "截止日期要写成2026-12-18这样。";
    if (*due < today) return "截止日期不能在今天以前。";
    if (request.onlyNamed && request.pupilNames.empty()) return "请勾上要做这份练习的同学。";
    return "";
}

Assignment assignmentOf(const AssignmentRequest& request, const FamilyTable& families) {
    [[maybe_unused]] static const int started = sodium_init();
    Assignment assignment;
    assignment.topicKey = request.topicKey;
    assignment.title = captionOf(request.topicKey, families);
    assignment.questionCount = request.count;
    assignment.due = request.due;
    assignment.seed = static_cast<long long>(randombytes_random() >> 1);
    return assignment;
}

}  // namespace tally
