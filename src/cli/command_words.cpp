// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_words.h"

#include <algorithm>

#include "progress/children.h"

namespace tally {

std::pair<std::string, std::string> splitFirst(const std::string& line) {
    size_t blank = line.find(' ');
    if (blank == std::string::npos) return {line, ""};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

std::string oneLine(std::string html) {
    html.erase(std::remove(html.begin(), html.end(), '\r'), html.end());
    std::replace(html.begin(), html.end(), '\n', ' ');
    return html;
}

const char* paneName(Pane pane) {
    switch (pane) {
        case Pane::WebBrowser1: return "WebBrowser1";
        case Pane::WebBrowser2: return "WebBrowser2";
        case Pane::Picture2: return "Picture2";
    }
    return "";
}

int numbered(const std::string& name, const std::string& stem, int count) {
    if (name.size() != stem.size() + 1 || name.compare(0, stem.size(), stem) != 0) return 0;
    int number = name.back() - '0';
    return (number >= 1 && number <= count) ? number : 0;
}

std::optional<int> tickCount(const std::string& text) {
    if (text.empty()) return 1;
    if (text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int count = std::stoi(text);
    if (count > kMaxTicks) return std::nullopt;
    return count;
}

std::optional<long long> waitMilliseconds(const std::string& text) {
    if (text.empty() || text.size() > 8 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const long long ms = std::stoll(text);
    if (ms > kMaxWaitMs) return std::nullopt;
    return ms;
}

std::optional<long long> idOf(const ChildrenDialog& dialog, const std::string& name) {
    if (const auto child = childNamed(dialog.children(), name)) return child->id;
    return std::nullopt;
}

std::string currentTabCaption(const std::string& caption) {
    return caption == "各年纪试卷" ? "各年级试卷" : caption;
}

std::optional<std::pair<std::string, int>> nameAndGrade(const std::string& args) {
    const std::size_t blank = args.find_last_of(' ');
    if (blank == std::string::npos) return std::nullopt;
    return std::make_pair(args.substr(0, blank), gradeNamed(args.substr(blank + 1)).value_or(0));
}

ChildrenAction childrenAction(const std::string& args) {
    const auto [verb, rest] = splitFirst(args);
    ChildrenAction action;
    const auto named = [](const std::string& name, auto change) -> ChildrenAction {
        return [name, change](ChildrenDialog& dialog) -> std::string {
            const auto id = idOf(dialog, name);
            if (!id) return "没有叫“" + normalName(name) + "”的孩子。";
            return change(dialog, *id);
        };
    };
    if (verb == "add") {
        if (const auto parts = nameAndGrade(rest)) {
            action = [parts](ChildrenDialog& dialog) { return dialog.add(parts->first, parts->second); };
        }
    } else if (verb == "rename") {
        const auto [oldName, newName] = splitFirst(rest);
        if (!newName.empty()) {
            action = named(oldName, [newName](ChildrenDialog& d, long long id) { return d.rename(id, newName); });
        }
    } else if (verb == "grade") {
        if (const auto parts = nameAndGrade(rest)) {
            const int grade = parts->second;
            action = named(parts->first, [grade](ChildrenDialog& d, long long id) { return d.setGrade(id, grade); });
        }
    } else if (verb == "remove" && !rest.empty()) {
        action = named(rest, [](ChildrenDialog& d, long long id) { return d.remove(id); });
    } else if (verb == "give" && !rest.empty()) {
        action = named(rest, [](ChildrenDialog& d, long long id) { return d.giveEarlier(id); });
    } else if (verb == "marks" && (rest == "on" || rest == "off")) {
        const bool on = rest == "on";
        action = [on](ChildrenDialog& dialog) {
            dialog.marksAlone = on;
            return std::string();
        };
    }
    return action;
}

}  // namespace tally
