// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "topics/topic_family.h"

namespace tally {

// The file a reading topic opens, relative to the data directory:
//   j  "book/" caption ".htm"        g  "story/" caption ".htm"
//   #1001…1008  "flash/j1.htm" … "flash/j8.htm"
//   #2001…2023  "test/<grade><k>.htm", named from the caption (see gradePaperPath)
//   #2024…2036  "test/1991.htm" … "test/2003.htm"
// "" when the topic has no file of its own (section roots, answer topics) or
// the caption cannot name a file inside its folder.
std::string readingPagePath(const std::string& sigil, int topic, const std::string& caption);

// A grade paper's file from its caption "<g>年级<t>学期期中…" or "…期末…":
// "test/<g><k>.htm" with k = 1 first-term mid-term, 2 first-term final,
// 3 second-term mid-term, 4 second-term final; "" for any other caption.
std::string gradePaperPath(const std::string& caption);

// The knowledge and reading pages: 基础知识 and its lists ("{600",
// "{6002" ...) in the first pane, and the pages of the second pane: "j" (the
// book 教你思考), "g" (数学故事) and "#" (lectures, grade papers, Olympiad
// papers, their answers, section roots). A reading page brings the second
// pane to the front (a section root its introduction, an answer topic its
// answers, a missing file a note of our own); the first pane keeps its sheet.
class ReadingFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
};

}  // namespace tally
