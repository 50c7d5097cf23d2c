// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/class_links.h"

#include <array>
#include <charconv>
#include <utility>

namespace tally {
namespace {

constexpr const char* kLinkEnd = ".tallymoo";

// Each kind's word; the kinds with an id carry it after the word's dash.
struct LinkWord {
    ClassLink::To to;
    const char* word;
    bool hasId;
};
constexpr std::array<LinkWord, 9> kWords = {{
    {ClassLink::To::Classes, "list", false},
    {ClassLink::To::NewClass, "new", false},
    {ClassLink::To::Print, "print", false},
    {ClassLink::To::Results, "results-", true},
    {ClassLink::To::Term, "term-", true},
    {ClassLink::To::AddPupil, "pupil-", true},
    {ClassLink::To::Import, "import-", true},
    {ClassLink::To::Assign, "assign-", true},
    {ClassLink::To::Class, "", true},
}};

std::optional<long long> idOf(std::string_view digits) {
    long long id = 0;
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    if (digits.empty() || error != std::errc() || stop != digits.data() + digits.size() || id <= 0) return std::nullopt;
    return id;
}

}  // namespace

std::string classLink(const ClassLink& link) {
    for (const LinkWord& word : kWords) {
        if (word.to != link.to) continue;
        return kClassLinkStart + std::string(word.word) + (word.hasId ? std::to_string(link.id) : "") + kLinkEnd;
    }
    return "";
}

std::optional<ClassLink> linkedClassPage(const std::string& fileName) {
    const std::string_view start = kClassLinkStart;
    const std::string_view end = kLinkEnd;
    const std::string_view name = fileName;
    if (name.size() <= start.size() + end.size() || !name.starts_with(start) || !name.ends_with(end)) return std::nullopt;
    const std::string_view rest = name.substr(start.size(), name.size() - start.size() - end.size());
    for (const LinkWord& word : kWords) {
        if (!word.hasId) {
            if (rest == word.word) return ClassLink{word.to, 0};
            continue;
        }
        if (!rest.starts_with(word.word)) continue;
        if (const auto id = idOf(rest.substr(std::string_view(word.word).size()))) return ClassLink{word.to, *id};
    }
    return std::nullopt;
}

}  // namespace tally
