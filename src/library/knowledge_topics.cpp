#include <array>

#include "library/knowledge_items.h"
#include "library/library_lists.h"
#include "library/library_topics.h"
#include "library/titled_entries.h"
#include "shell/form1.h"

namespace tally {
namespace {

constexpr int kBasicsRoot = 600;
constexpr int kWorkedProblems = 8005;
constexpr const char* kWorkedProblemsText = "Text18";

struct KnowledgeTopic {
    int topic;
    const char* textName;
    const char* soundFolder;  // nullptr: the topic is not spoken
    LoadedList list;
};

constexpr std::array<KnowledgeTopic, 11> kKnowledgeTopics = {{
    {6002, "Text10", "sound/", LoadedList::Integers},
    {6003, "Text11", nullptr, LoadedList::Decimals},
    {6004, "Text12", nullptr, LoadedList::Fractions},
    {6005, "Text13", nullptr, LoadedList::Ratios},
    {6006, "Text14", nullptr, LoadedList::Geometry},
    {6007, "Knowledge6007", "sound/en/", LoadedList::EnglishGrade1},
    {6008, "Knowledge6008", "sound/en/", LoadedList::EnglishWords1},
    {6009, "Knowledge6009", nullptr, LoadedList::Shapes},
    {6010, "Knowledge6010", "sound/en/", LoadedList::EnglishWords2},
    {6011, "Knowledge6011", "sound/en/", LoadedList::EnglishWords3},
    {6012, "Knowledge6012", "sound/en/", LoadedList::EnglishWords4},
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

void speak(Form1& form, const KnowledgeTopic& topic, const std::string& term) {
    if (!topic.soundFolder || !safeFileName(term)) return;
    const std::string path = topic.soundFolder + term + ".mp3";
    if (form.data().exists(path)) form.ui().playSound(path);
}

void growKnowledgeTopic(Form1& form, const KnowledgeTopic& topic, Sheet& sheet) {
    std::vector<ChildNode> children;
    for (const KnowledgeItem& item : knowledgeItems(form.library.text(topic.textName))) {
        children.push_back({item.position, item.term});
    }
    growList(form, topic.list, "{" + std::to_string(topic.topic), children);
    sheet.html += listPage(selectedCaption(form), !children.empty(), "点一点下面的词条，就能看到它的意思。");
}

void showKnowledgeItem(Form1& form, const KnowledgeTopic& topic, int child, Sheet& sheet) {
    const auto item = knowledgeItemAt(form.library.text(topic.textName), childIndex(child));
    if (!item) return;
    const std::string caption = selectedCaption(form);
    sheet.html += knowledgePage(caption, item->definition);
    speak(form, topic, caption);
}

void growWorkedProblems(Form1& form, Sheet& sheet) {
    std::vector<ChildNode> children;
    for (const TitledEntry& entry : titledEntries(form.library.text(kWorkedProblemsText))) {
        children.push_back({entry.position, entry.title});
    }
    growList(form, LoadedList::WorkedProblems, "{" + std::to_string(kWorkedProblems), children);
    sheet.html += listPage(selectedCaption(form), !children.empty(),
                           "点一点下面的例题，先自己想一想，再点“查看答案”看看讲解。");
}

void showWorkedProblem(Form1& form, int child, Sheet& sheet) {
    const auto entry = titledEntryAt(form.library.text(kWorkedProblemsText), childIndex(child));
    if (entry) sheet.html += entryPage(selectedCaption(form), entry->question);
}

}  // namespace

bool isLibraryNumberedTopic(int topic) {
    const int parent = parentOf(topic);
    return topic == kBasicsRoot || topic == kWorkedProblems || parent == kWorkedProblems ||
           knowledgeTopic(topic) || knowledgeTopic(parent);
}

void buildLibraryNumbered(Form1& form, int topic, Sheet& sheet) {
    const int parent = parentOf(topic);
    if (topic == kBasicsRoot) {
        sheet.html += introPage(form, selectedCaption(form), "IntroBasics");
    } else if (topic == kWorkedProblems) {
        growWorkedProblems(form, sheet);
    } else if (parent == kWorkedProblems) {
        showWorkedProblem(form, topic, sheet);
    } else if (const KnowledgeTopic* known = knowledgeTopic(topic)) {
        growKnowledgeTopic(form, *known, sheet);
    } else if (const KnowledgeTopic* owner = knowledgeTopic(parent)) {
        showKnowledgeItem(form, *owner, topic, sheet);
    }
}

}  // namespace tally
