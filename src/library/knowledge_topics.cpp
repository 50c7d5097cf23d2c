// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/knowledge_topics.h"

#include <array>

#include "library/knowledge_items.h"
#include "library/library_lists.h"

namespace tally {
namespace {

constexpr int kBasicsRoot = 600;

struct KnowledgeTopic {
    int topic;
    const char* textName;
    const char* soundFolder;  // nullptr: the topic is not spoken
};

constexpr std::array<KnowledgeTopic, 11> kKnowledgeTopics = {{
    {6002, "Text10", "sound/"},
    {6003, "Text11", nullptr},
    {6004, "Text12", nullptr},
    {6005, "Text13", nullptr},
    {6006, "Text14", nullptr},
    {6007, "Knowledge6007", "sound/en/"},
    {6008, "Knowledge6008", "sound/en/"},
    {6009, "Knowledge6009", nullptr},
    {6010, "Knowledge6010", "sound/en/"},
    {6011, "Knowledge6011", "sound/en/"},
    {6012, "Knowledge6012", "sound/en/"},
}};

const KnowledgeTopic* knowledgeTopic(int topic) {
    for (const KnowledgeTopic& known : kKnowledgeTopics) {
        if (known.topic == topic) return &known;
    }
    return nullptr;
}

// Children carry the parent's number and three digits: 6002001, 8005002.
int parentOf(int child) { return child >= 1000000 && child <= 9999999 ? child / 1000 : 0; }
int childIndex(int child) { return child % 1000 - 1; }

// A term names its sound file; one that could name a file elsewhere is not spoken.
bool safeFileName(const std::string& term) {
    return !term.empty() && term[0] != '.' && term.find_first_of("/\\") == std::string::npos;
}

void speak(FamilyContext& context, const KnowledgeTopic& topic, const std::string& term) {
    if (!topic.soundFolder || !safeFileName(term)) return;
    const std::string path = topic.soundFolder + term + ".mp3";
    if (context.data.exists(path)) context.window.playSound(path);
}

void growKnowledgeTopic(FamilyContext& context, const TopicClick& click, const KnowledgeTopic& topic, Sheet& sheet) {
    std::vector<ChildNode> children;
    for (const KnowledgeItem& item : knowledgeItems(context.texts.text(topic.textName))) {
        children.push_back({item.position, item.term});
    }
    growList(context, click, "{" + std::to_string(topic.topic), children);
    sheet.html += listPage(click.caption, !children.empty(), "点一点下面的词条，就能看到它的意思。");
}

void showKnowledgeItem(FamilyContext& context, const TopicClick& click, const KnowledgeTopic& topic, Sheet& sheet) {
    const auto item = knowledgeItemAt(context.texts.text(topic.textName), childIndex(click.tag.number));
    if (!item) return;
    sheet.html += knowledgePage(click.caption, item->definition);
    speak(context, topic, click.caption);
}

}  // namespace

bool isKnowledgeTopic(int topic) {
    return topic == kBasicsRoot || knowledgeTopic(topic) || knowledgeTopic(parentOf(topic));
}

void buildKnowledgeTopic(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const int topic = click.tag.number;
    if (topic == kBasicsRoot) {
        sheet.html += introPage(context, click.caption, "IntroBasics");
    } else if (const KnowledgeTopic* known = knowledgeTopic(topic)) {
        growKnowledgeTopic(context, click, *known, sheet);
    } else if (const KnowledgeTopic* owner = knowledgeTopic(parentOf(topic))) {
        showKnowledgeItem(context, click, *owner, sheet);
    }
}

}  // namespace tally
