// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_mix.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>
#include <vector>

namespace tally {

namespace {

constexpr const char* kHowToWrite = "先写题数，再写每项口算和它占的百分比，比如：100 10以内加减:50 20以内进位加法:50";

std::string quoted(std::string_view text) { return "“" + std::string(text) + "”"; }

// Full-width digits and signs as their narrow forms; "，" and "；" as ",".
std::string narrowed(std::string_view words) {
    static const auto swaps = [] {
        std::vector<std::pair<std::string, std::string>> pairs = {
            {"％", "%"}, {"：", ":"}, {"，", ","}, {"；", ","}, {";", ","}, {"　", " "}};
        for (char digit = 0; digit < 10; ++digit) {
            // U+FF10 "０" … U+FF19 "９"
            pairs.push_back({std::string{'\xEF', '\xBC', static_cast<char>('\x90' + digit)}, std::string(1, '0' + digit)});
        }
        return pairs;
    }();
    std::string text;
    for (std::size_t at = 0; at < words.size();) {
        const auto swap = std::find_if(swaps.begin(), swaps.end(), [&](const auto& pair) {
            return words.substr(at).starts_with(pair.first);
        });
        if (swap == swaps.end()) {
            text += words[at++];
        } else {
            text += swap->second;
            at += swap->first.size();
        }
    }
    return text;
}

bool separates(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool allDigits(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), isDigit); }

std::vector<std::string_view> tokens(std::string_view text) {
    std::vector<std::string_view> found;
    for (std::size_t at = 0; at < text.size();) {
        if (separates(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !separates(text[end])) ++end;
        found.push_back(text.substr(at, end - at));
        at = end;
    }
    return found;
}

void dropPrefix(std::string_view& text, std::string_view prefix) {
    if (text.starts_with(prefix)) text.remove_prefix(prefix.size());
}

// The share's digits of "50", ":50", "50%" or ":50%"; "" when it is no share.
std::string_view shareDigits(std::string_view token) {
    dropPrefix(token, ":");
    if (token.ends_with('%')) token.remove_suffix(1);
    return allDigits(token) ? token : std::string_view{};
}

struct TypedPart {
    std::string caption;
    std::string share;  // digits
};

// A token holding a caption and its share: "10以内加减:50", "10以内加减50%".
std::optional<TypedPart> captionWithShare(std::string_view token) {
    if (const auto colon = token.rfind(':'); colon != std::string_view::npos && colon + 1 < token.size()) {
        std::string_view share = token.substr(colon + 1);
        if (share.ends_with('%')) share.remove_suffix(1);
        return TypedPart{std::string(token.substr(0, colon)), std::string(share)};
    }
    if (!token.ends_with('%')) return std::nullopt;
    token.remove_suffix(1);
    std::size_t digits = token.size();
    while (digits > 0 && isDigit(token[digits - 1])) --digits;
    if (digits == 0 || digits == token.size()) return std::nullopt;
    return TypedPart{std::string(token.substr(0, digits)), std::string(token.substr(digits))};
}

// The parts as typed, each a caption and its share's text; or why not.
std::string typedParts(std::string_view text, std::vector<TypedPart>& parts) {
    std::optional<std::string> pending;  // a caption waiting for its share
    for (std::string_view token : tokens(text)) {
        if (token == ":") continue;
        if (const std::string_view digits = shareDigits(token); !digits.empty()) {
            if (!pending) return quoted(token) + "前面要写是哪一项口算。";
            parts.push_back({*pending, std::string(digits)});
            pending.reset();
            continue;
        }
        if (pending) return quoted(*pending) + "后面要写它占的百分比，比如" + quoted(*pending + ":50") + "。";
        if (auto part = captionWithShare(token)) {
            parts.push_back(std::move(*part));
        } else {
            if (token.ends_with(':')) token.remove_suffix(1);
            pending = std::string(token);
        }
    }
    if (pending) return quoted(*pending) + "后面要写它占的百分比，比如" + quoted(*pending + ":50") + "。";
    return "";
}

std::optional<int> numberOf(std::string_view digits) {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

// Reads the count at the head of `text` ("100", "100道", "100道题:") and
// leaves the rest in it; nothing when the text does not start so.
std::optional<std::string> typedCount(std::string_view& text) {
    std::size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits])) ++digits;
    if (digits == 0) return std::nullopt;
    std::string count(text.substr(0, digits));
    text.remove_prefix(digits);
    dropPrefix(text, "道");
    dropPrefix(text, "题");
    if (!text.empty() && !separates(text[0]) && text[0] != ':') return std::nullopt;
    dropPrefix(text, ":");
    return count;
}

// The words are narrowed before they are read, so a caption with a full-width
// sign ("拨一拨：整时和半时") arrives narrowed too.
bool captioned(const SkillRow& row, std::string_view caption) {
    return row.caption == caption || narrowed(row.caption) == caption;
}

std::string captionProblem(const std::string& caption) {
    const auto& table = skillTable();
    const auto named = std::count_if(table.begin(), table.end(), [&](const SkillRow& row) { return captioned(row, caption); });
    if (named == 0) return "没有叫" + quoted(caption) + "的口算。";
    if (named > 1) return "有好几项口算都叫" + quoted(caption) + "，请在目录里挑一项。";
    return "";
}

std::string captionOf(const MixPart& part) {
    const SkillRow* skill = findSkill(part.skillKey);
    return skill ? skill->caption : part.skillKey;
}

}  // namespace

const SkillRow* skillCaptioned(std::string_view caption) {
    const auto& table = skillTable();
    const auto found = std::find_if(table.begin(), table.end(), [&](const SkillRow& row) { return captioned(row, caption); });
    if (found == table.end()) return nullptr;
    const bool again = std::any_of(found + 1, table.end(), [&](const SkillRow& row) { return captioned(row, caption); });
    return again ? nullptr : &*found;
}

MixReading readMix(std::string_view words, std::string name) {
    MixReading reading{{std::move(name), 0, {}}, ""};
    const std::string text = narrowed(words);
    std::string_view rest = text;
    while (!rest.empty() && separates(rest[0])) rest.remove_prefix(1);
    const auto count = typedCount(rest);
    if (!count) return reading.problem = kHowToWrite, reading;
    const auto countNumber = numberOf(*count);
    if (!countNumber) return reading.problem = questionCountProblem(*count), reading;
    reading.mix.questionCount = *countNumber;
    std::vector<TypedPart> parts;
    if (reading.problem = typedParts(rest, parts); !reading.problem.empty()) return reading;
    for (const TypedPart& part : parts) {
        if (reading.problem = captionProblem(part.caption); !reading.problem.empty()) return reading;
        const auto share = numberOf(part.share);
        if (!share) return reading.problem = quoted(part.caption) + "占的百分比写错了：" + part.share + "。", reading;
        reading.mix.parts.push_back({skillCaptioned(part.caption)->key, *share});
    }
    reading.problem = mixProblem(reading.mix, captionOf);
    return reading;
}

std::string mixWords(const SkillMix& mix) {
    std::string words = std::to_string(mix.questionCount);
    for (const MixPart& part : mix.parts) words += " " + captionOf(part) + ":" + std::to_string(part.share);
    return words;
}

std::string mixSheetProblem(const SkillMix& mix) {
    for (const MixPart& part : mix.parts) {
        if (!findSkill(part.skillKey)) return "口算卷" + quoted(mix.name) + "里有一项口算已经没有了，请重新编这张口算卷。";
    }
    return mixProblem(mix, captionOf);
}

}  // namespace tally
