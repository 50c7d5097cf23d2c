// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/titled_entries.h"

#include "library/knowledge_items.h"
#include "sheets/sheet.h"
#include "base/gbk.h"
#include "base/text.h"

namespace tally {
namespace {

constexpr const char* kOpen = "【";
constexpr const char* kClose = "】";
constexpr const char* kAnswerMark = "答案=";

// The pieces of the text between the "【" marks; piece 0 is the text before the first.
std::vector<std::string> splitAtOpenMarks(const std::string& text) {
    std::vector<std::string> pieces;
    const std::string open = kOpen;
    std::size_t from = 0;
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, from)) {
        pieces.push_back(text.substr(from, at - from));
        from = at + open.size();
    }
    pieces.push_back(text.substr(from));
    return pieces;
}

std::optional<TitledEntry> entryOfPiece(const std::string& piece, int position) {
    const std::string close = kClose;
    const std::size_t end = piece.find(close);
    if (end == std::string::npos) return std::nullopt;
    const std::string body = piece.substr(end + close.size());
    const std::size_t answerAt = body.find(kAnswerMark);
    TitledEntry entry{position, piece.substr(0, end), body, ""};
    if (answerAt != std::string::npos) {
        entry.question = body.substr(0, answerAt);
        entry.answer = body.substr(answerAt + std::string(kAnswerMark).size());
    }
    return entry;
}

}  // namespace

std::vector<TitledEntry> titledEntries(const std::string& text) {
    const std::vector<std::string> pieces = splitAtOpenMarks(text);
    std::vector<TitledEntry> entries;
    for (std::size_t i = 1; i < pieces.size() && i < kMostChildren; ++i) {
        if (auto entry = entryOfPiece(pieces[i], static_cast<int>(i) + 1)) entries.push_back(*entry);
    }
    return entries;
}

std::optional<TitledEntry> titledEntryAt(const std::string& text, int index) {
    const std::vector<std::string> pieces = splitAtOpenMarks(text);
    // Piece 0 is the text before the first "【", never an entry.
    if (index < 1 || index >= static_cast<int>(pieces.size())) return std::nullopt;
    return entryOfPiece(pieces[static_cast<std::size_t>(index)], index + 1);
}

std::optional<TitledEntry> numberedEntry(const std::string& text, int number) {
    const std::string wanted = std::to_string(number);
    for (TitledEntry& entry : titledEntries(text)) {
        const std::string& title = entry.title;
        const bool numberThenBlank =
            title.compare(0, wanted.size(), wanted) == 0 &&
            (title.size() == wanted.size() || title[wanted.size()] == ' ');
        if (numberThenBlank) return std::move(entry);
    }
    return std::nullopt;
}

std::string entryTextHtml(const std::string& text) {
    return replaceAll(replaceAll(text, " ", "&nbsp;"), "\r\n", "<br>");
}

std::string entryMarkup(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == '\r' || text[end - 1] == '\n' || text[end - 1] == ' ')) --end;
    return replaceAll(text.substr(0, end), "\r\n", "<br>");
}

std::string entryPage(const std::string& caption, const std::string& question) {
    return "<h1>" + caption + "</h1><h2>" + entryTextHtml(question) + "</h2>" + kRevealButton + "<br><br>";
}

std::string entryReveal(const std::string& answer, int thinkSeconds) {
    return "<h2>" + entryTextHtml(answer) + "</h2><br>思考用时" + std::to_string(thinkSeconds) + "秒！";
}

}  // namespace tally
