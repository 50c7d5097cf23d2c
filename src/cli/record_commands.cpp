// SPDX-License-Identifier: GPL-3.0-or-later
// The headless commands of the record, the children, today's practice and the 口算卷.
#include "cli/cli_commands.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "daily/mastery_marks.h"
#include "daily/record_rows.h"
#include "daily/waiting_rows.h"
#include "app/toolbar_actions.h"
#include "app/mix_sheet.h"
#include "cli/command_words.h"
#include "cli/printable.h"
#include "progress/record_trouble.h"
#include "skills/ready_mixes.h"
#include "skills/skill_mix.h"
#include "topics/catalogue.h"
#include "window/children_dialog.h"
#include "window/options_dialog.h"

namespace tally {

void Commands::redrill(const std::string&, std::ostream&) { form_->redrill(); }

// How the next question of the program is answered: its first button (yes,
// "交卷", "离开") or its second (no, "继续做"). Unanswered questions take the first.

void Commands::answer(const std::string& args, std::ostream& out) {
    if (args != "yes" && args != "no") {
        out << "error: answer yes|no\n";
        return;
    }
    ui_.askAnswers.push_back(args == "yes");
}

void Commands::printRecord(const std::string&, std::ostream& out) {
    if (record_) {
        // Once children are named, each line says whose sheet it is.
        const std::string whose = !form_->childMode() ? ""
                                  : form_->child()   ? printable(form_->child()->name) + "\t"
                                                   : std::string(kEarlierRecordsName) + "\t";
        for (const MarkedSheet& sheet : record_->latestSheets(form_->owner(), std::numeric_limits<int>::max())) {
            out << whose << printable(sheet.when) << "\t" << printable(sheet.topicKey) << "\t" << sheet.questions << "\t"
                << sheet.right << "\t" << sheet.score << "\t" << sheet.seconds << "\n";
        }
    }
    out << ".\n";
}

// As the parent writes it on the 口算 tab's 口算卷 page and clicks 出卷.

void Commands::mix(const std::string& args, std::ostream& out) {
    const std::size_t said = ui_.messages.size();
    if (!writeMixSheet(*form_, args)) {
        out << "error: " << (ui_.messages.size() > said ? printable(ui_.messages.back().second) : "no sheet") << "\n";
    }
}

void Commands::printMixes(const std::string&, std::ostream& out) {
    const std::vector<ListedMix> listed = record_ ? mixesFor(*record_, form_->owner()) : readyMixes();
    for (const ListedMix& each : listed) {
        const std::string words = mixWords(each.mix);
        out << printable(each.mix.name) << "\t" << printable(words.substr(words.find(' ') + 1)) << "\t"
            << each.mix.questionCount << (each.example() ? std::string("\t") + kExampleLabel : "") << "\n";
    }
    out << ".\n";
}

void Commands::printChildren(const std::string&, std::ostream& out) {
    for (const Child& child : form_->children()) out << printable(child.name) << "\t" << child.grade << "\n";
    out << ".\n";
}

// The parent's 孩子 dialog, one change a line: add NAME GRADE, rename OLD NEW,
// grade NAME GRADE, remove NAME (both questions answered as told, yes when
// not told), give NAME (the sheets of no child), marks on|off.

void Commands::manageChild(const std::string& args, std::ostream& out) {
    const ChildrenAction action = childrenAction(args);
    if (!action) {
        out << "error: child add NAME GRADE | rename OLD NEW | grade NAME GRADE | remove NAME | give NAME |"
               " marks on|off\n";
        return;
    }
    const int dialogs = ui_.childrenDialogs;
    ui_.childrenAction = action;
    ui_.childrenResult.clear();
    form_->clickToolbar("w14");
    ui_.childrenAction = nullptr;
    if (ui_.childrenDialogs == dialogs) {
        // Refused before the dialog opened: said as an error, not twice.
        const std::string why = ui_.messages.empty() ? "孩子的名单现在不能改。" : ui_.messages.back().second;
        if (!ui_.messages.empty()) ui_.messages.pop_back();
        out << "error: " << printable(why) << "\n";
    } else if (!ui_.childrenResult.empty()) {
        out << "error: " << printable(ui_.childrenResult) << "\n";
    }
}

void Commands::today(const std::string&, std::ostream&) { form_->showToday(); }

void Commands::printDue(const std::string&, std::ostream& out) {
    if (record_) {
        for (const ReviewItem& item : dueMisses(*record_, form_->owner(), form_->today()).value_or(std::vector<ReviewItem>{})) {
            out << printable(item.question.topicKey) << "\t" << printable(item.question.question) << "\t"
                << dayText(item.due) << "\n";
        }
    }
    out << ".\n";
}

// Newest sheet first; a miss no rule explains has "-" for its kind.

void Commands::printMisses(const std::string&, std::ostream& out) {
    if (record_) {
        for (const MissedQuestion& miss : record_->missed(form_->owner())) {
            const std::string_view kind = errorKindCaption(miss.kind);
            out << printable(miss.topicKey) << "\t" << printable(miss.question) << "\t" << printable(miss.typed) << "\t"
                << printable(miss.correct) << "\t" << (kind.empty() ? std::string("-") : printable(std::string(kind)))
                << "\n";
        }
    }
    out << ".\n";
}

// A child alone gets their own report; the parent may name any child.

void Commands::report(const std::string& args, std::ostream& out) {
    if (args.empty()) {
        form_->clickToolbar("w15");
        return;
    }
    const std::optional<Child> named = childNamed(form_->children(), args);
    if (!named) {
        out << "error: no child " << printable(args) << "\n";
    } else if (named->id != form_->owner() && !form_->loginIsAdvanced()) {
        out << "error: 别的孩子的报告要请爸爸妈妈先用高级用户登录。\n";
    } else {
        form_->showReportOf(named->id);
    }
}

void Commands::printWaiting(const std::string&, std::ostream& out) {
    const std::optional<int> waiting = record_ ? waitingMisses(*record_, form_->owner()) : std::nullopt;
    if (waiting) {
        out << *waiting << "\n";
    } else {
        out << "error: " << (record_ ? printable(recordTroubleMessage(record_->trouble(), false)) : "no record") << "\n";
    }
}

void Commands::printMastery(const std::string& args, std::ostream& out) {
    if (!openTab(args, out)) return;
    if (record_) {
        for (const NodeMastery& topic : treeMastery(form_->tree(), *record_, form_->owner())) {
            out << printable(topic.key) << "\t" << printable(topic.caption) << "\t"
                << masteryCaption(topic.mastery.state) << "\n";
        }
    }
    out << ".\n";
}

void Commands::marks(const std::string& args, std::ostream& out) {
    if (args != "on" && args != "off") {
        out << "error: marks on|off\n";
        return;
    }
    form_->setOption(&SheetOptions::masteryMarks, args == "on");
    if (form_->options().masteryMarks != (args == "on")) out << "error: only the parent turns the marks on or off\n";
}

}  // namespace tally
