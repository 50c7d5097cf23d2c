// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <string>
#include <vector>

#include "base/gbk.h"
#include "support/harness.h"

namespace tally::test {

// Lines joined with CR LF, as the built-in texts and data files hold them.
inline std::string crLfText(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    return text;
}

// A grade file as the program finds it in the data directory: GBK, CR LF.
inline std::string gradeFileBytes(const std::vector<std::string>& lines) {
    return utf8ToGbk(crLfText(lines) + "\r\n").value();
}

// The library reads these texts in place of the built-in ones; any other
// name reads as empty.
inline void useTexts(Form1& form, std::map<std::string, std::string> texts) {
    form.setTextSource([texts = std::move(texts)](const std::string& name) {
        auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    });
}

// The keys of the children of a node, in tree order.
inline std::vector<std::string> childKeys(const Form1& form, const std::string& parent) {
    std::vector<std::string> keys;
    for (const TopicNode& node : form.tree().nodes()) {
        if (node.parent == parent) keys.push_back(node.key);
    }
    return keys;
}

}  // namespace tally::test
