// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tally {

// What the times of a page's answers are worked out from: when the child
// last changed each field, in milliseconds since the page was shown, and the
// marking's word on each answer, in the order they were marked. Kept beside
// the page's HTML, so the view never sees it; a new body starts with none.
class AnswerLog {
public:
    struct Answer {
        std::vector<std::string> fields;  // the boxes it is typed in; the first names it
        std::string question;
        std::string topicKey;  // "" on a sheet of one topic: the sheet's
        bool right = false;
        bool answered = false;  // something was typed into it
        std::string typed{};    // as the marking read it: "3/4", "8时30分", a picture's "8:30"
    };

    void changed(const std::string& field, long long ms) { lastChange_[field] = ms; }
    void marked(Answer answer) { answers_.push_back(std::move(answer)); }
    // The answer marked last belongs to this topic (a sheet of several skills).
    void underTopic(const std::string& topicKey) {
        if (!answers_.empty()) answers_.back().topicKey = topicKey;
    }
    void clear() {
        lastChange_.clear();
        answers_.clear();
    }

    // The latest change of any of these fields; -1 when none was changed.
    long long lastChange(const std::vector<std::string>& fields) const {
        long long latest = -1;
        for (const std::string& field : fields) {
            if (const auto found = lastChange_.find(field); found != lastChange_.end()) {
                latest = std::max(latest, found->second);
            }
        }
        return latest;
    }
    const std::vector<Answer>& answers() const { return answers_; }

private:
    std::map<std::string, long long> lastChange_;
    std::vector<Answer> answers_;
};

}  // namespace tally
