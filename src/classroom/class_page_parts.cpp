// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/class_page_parts.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <cstdio>

#include "practice/html_parts.h"

namespace tally {

std::string classPageHtml(const std::string& title, const std::string& style, const std::string& body) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\">" + element("title", escaped(title)) +
           "<link rel=stylesheet href=\"reading.css\">" + element("style", style) + "</head>" + element("body", body) +
           "</html>";
}

namespace {

// A class list is read in the order of the names' 拼音, as the teacher's own
// lists are: ICU's collation of Chinese. Without it, in the order of the code points.
int compareNames(const std::string& a, const std::string& b) {
    static UErrorCode opened = U_ZERO_ERROR;
    static UCollator* const collator = ucol_open("zh", &opened);
    UErrorCode status = U_ZERO_ERROR;
    if (U_SUCCESS(opened)) {
        const UCollationResult order = ucol_strcollUTF8(collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                                                        static_cast<int32_t>(b.size()), &status);
        if (U_SUCCESS(status)) return order == UCOL_LESS ? -1 : order == UCOL_GREATER ? 1 : 0;
    }
    return a.compare(b);
}

}  // namespace

std::vector<Pupil> pupilsByName(std::vector<Pupil> pupils) {
    std::sort(pupils.begin(), pupils.end(), [](const Pupil& a, const Pupil& b) {
        const int order = compareNames(a.name, b.name);
        return order != 0 ? order < 0 : a.id < b.id;
    });
    return pupils;
}

std::vector<Pupil> assignedPupils(const Assignment& assignment, const std::vector<Pupil>& pupils) {
    std::vector<Pupil> assigned;
    for (const Pupil& pupil : pupils) {
        const bool named = std::find(assignment.pupils.begin(), assignment.pupils.end(), pupil.id) != assignment.pupils.end();
        if (pupil.classId == assignment.classId && (assignment.pupils.empty() || named)) assigned.push_back(pupil);
    }
    return pupilsByName(std::move(assigned));
}

std::string secondsText(const std::optional<long long>& ms) {
    if (!ms) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f秒", static_cast<double>(*ms) / 1000.0);
    return text;
}

}  // namespace tally
