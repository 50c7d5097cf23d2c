// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/teacher_pages.h"

#include <algorithm>

#include "classroom/class_links.h"
#include "classroom/class_page_parts.h"
#include "practice/html_parts.h"

namespace tally {
namespace {

constexpr const char* kStyle = R"(
ul.pupils { columns: 4; font-size: 17px; }
span.code { font-family: monospace; font-size: 22px; letter-spacing: 2px; color: #8a5a2b; }
table.classes td, table.tasks td { text-align: left; }
table.tasks th, table.tasks td { white-space: nowrap; padding: 4px 8px; font-size: 16px; }
table.tasks td.title { white-space: normal; }
span.name { white-space: nowrap; }
p.pins { text-indent: 0; font-weight: bold; color: #b03a2e; }
table.pins td { font-size: 20px; padding: 6px 24px; }
@media print { ul.pupils { columns: 5; font-size: 12px; } }
)";

std::string classRow(const TaughtClass& taught) {
    const std::string name = element("a", escaped(taught.schoolClass.name),
                                     htmlAttr("href", classLink({ClassLink::To::Class, taught.schoolClass.id})));
    return element("tr", element("td", name) +
                             element("td", element("span", escaped(taught.schoolClass.joinCode), "class=code")) +
                             element("td", std::to_string(taught.pupils) + "人"));
}

// "全班", or the names of the group in the order of the names, none broken
// across lines.
std::string forWhom(const Assignment& assignment, const std::vector<Pupil>& pupils) {
    if (assignment.pupils.empty()) return "全班";
    std::string names;
    for (const Pupil& pupil : pupilsByName(pupils)) {
        if (std::find(assignment.pupils.begin(), assignment.pupils.end(), pupil.id) == assignment.pupils.end()) continue;
        names += (names.empty() ? "" : "、") + element("span", escaped(pupil.name), "class=name");
    }
    return names;
}

std::string taskRow(const AssignmentProgress& task, const std::vector<Pupil>& pupils) {
    const Assignment& assignment = task.assignment;
    const std::string results =
        element("a", "看结果", htmlAttr("href", classLink({ClassLink::To::Results, assignment.id})));
    return element("tr", element("td", escaped(assignment.title), "class=title") +
                             element("td", std::to_string(assignment.questionCount) + "道") +
                             element("td", escaped(dayWords(assignment.due, true))) +
                             element("td", forWhom(assignment, pupils), "class=title") +
                             element("td", std::to_string(task.done) + "/" + std::to_string(task.assigned) + "人") +
                             element("td", results));
}

std::string pupilsPart(const std::vector<Pupil>& pupils) {
    if (pupils.empty()) return element("h2", "学生") + element("p", "这个班还没有学生。点“添加学生”或“导入名单”。");
    std::string items;
    for (const Pupil& pupil : pupilsByName(pupils)) items += element("li", escaped(pupil.name));
    return element("h2", "学生（" + std::to_string(pupils.size()) + "人）") + element("ul", items, "class=pupils");
}

std::string tasksPart(const std::vector<AssignmentProgress>& tasks, const std::vector<Pupil>& pupils) {
    if (tasks.empty()) return element("h2", "布置的练习") + element("p", "还没有布置练习。");
    std::string rows = textRow({"练习", "题数", "截止日期", "给谁", "做了", ""}, "th");
    for (const AssignmentProgress& task : tasks) rows += taskRow(task, pupils);
    return element("h2", "布置的练习") + element("table", rows, "class=tasks");
}

}  // namespace

std::string classesHtml(const std::vector<TaughtClass>& classes) {
    const std::string links = linksBar({{{ClassLink::To::NewClass, 0}, "新建班级"}, {{ClassLink::To::Print, 0}, "打印这一页"}});
    std::string rows = textRow({"班级", "班级码", "学生"}, "th");
    for (const TaughtClass& taught : classes) rows += classRow(taught);
    const std::string list = classes.empty() ? element("p", "还没有班级。点“新建班级”建一个。")
                                             : element("table", rows, "class=classes");
    const std::string body = links + element("h1", "我的班级") +
                             element("p", "机房的电脑加入一个班时，要输入这个班的班级码。") + list;
    return classPageHtml("我的班级", kStyle, body);
}

std::string classHtml(const TaughtClass& shown, const std::vector<Pupil>& pupils,
                      const std::vector<AssignmentProgress>& assignments) {
    const long long id = shown.schoolClass.id;
    const std::string links = linksBar({{{ClassLink::To::Classes, 0}, "所有班级"},
                                        {{ClassLink::To::AddPupil, id}, "添加学生"},
                                        {{ClassLink::To::Import, id}, "导入名单"},
                                        {{ClassLink::To::Assign, id}, "布置练习"},
                                        {{ClassLink::To::Term, id}, "这学期的正确率"},
                                        {{ClassLink::To::Print, 0}, "打印这一页"}});
    const std::string body =
        links + element("h1", escaped(shown.schoolClass.name)) +
        element("p", "班级码：" + element("span", escaped(shown.schoolClass.joinCode), "class=code") +
                         "（机房的电脑加入这个班时输入）") +
        pupilsPart(pupils) + tasksPart(assignments, pupils);
    return classPageHtml(shown.schoolClass.name, kStyle, body);
}

std::string classProblemHtml(const std::string& problem) {
    const std::string links = linksBar({{{ClassLink::To::Classes, 0}, "所有班级"}});
    return classPageHtml("班级", kStyle, links + element("h1", "班级") + element("p", escaped(problem)));
}

std::string pinListHtml(const SchoolClass& shown, const std::vector<PinLine>& added,
                        const std::vector<RefusedName>& refused) {
    const std::string links = linksBar({{{ClassLink::To::Class, shown.id}, "回到" + shown.name},
                                        {{ClassLink::To::Print, 0}, "打印这一页"}});
    std::string body = links + element("h1", escaped(shown.name) + "新添加的学生");
    if (added.empty()) {
        body += element("p", "这次没有添加学生。");
    } else {
        std::string rows = textRow({"姓名", "密码"}, "th");
        for (const PinLine& line : added) rows += textRow({line.name, line.pin});
        body += element("p", "请把密码分别告诉每一个同学。密码只在这里显示这一次，请先打印出来。", "class=pins") +
                element("table", rows, "class=pins");
    }
    if (!refused.empty()) {
        std::string items;
        for (const RefusedName& name : refused) {
            const std::string where = name.line > 0 ? "第" + std::to_string(name.line) + "行　" : "";
            items += element("li", escaped(where + (name.name.empty() ? "" : "“" + name.name + "”：") + name.why));
        }
        body += element("h2", "没有添加的名字") + element("ul", items);
    }
    return classPageHtml(shown.name + "新添加的学生", kStyle, body);
}

}  // namespace tally
