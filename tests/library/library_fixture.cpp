#include "library_fixture.h"

#include "shell/gbk.h"

namespace tally::test {

std::string crLfText(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    return text;
}

std::string gradeFileBytes(const std::vector<std::string>& lines) {
    return utf8ToGbk(crLfText(lines) + "\r\n").value();
}

void useTexts(Form1& form, std::map<std::string, std::string> texts) {
    form.texts.setTextSource([texts = std::move(texts)](const std::string& name) {
        auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    });
}

std::vector<std::string> childKeys(const Form1& form, const std::string& parent) {
    std::vector<std::string> keys;
    for (const TopicNode& node : form.tree.nodes()) {
        if (node.parent == parent) keys.push_back(node.key);
    }
    return keys;
}

}  // namespace tally::test
