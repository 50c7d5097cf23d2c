// SPDX-License-Identifier: GPL-3.0-or-later
// The way to a missed answer of the marked page, as text.
#include <ostream>

#include "app/question_steps.h"
#include "cli/cli_commands.h"
#include "cli/printable.h"
#include "skills/steps_html.h"

namespace tally {

void Commands::printSteps(const std::string& args, std::ostream& out) {
    if (args.empty() || args.find_first_not_of("0123456789") != std::string::npos || args.size() > 4) {
        out << "error: steps takes a question's number\n";
        return;
    }
    if (form_->hidesAnswers()) {
        out << printable("怎么算要请爸爸妈妈登录以后才能看。") << "\n";
        return;
    }
    const std::optional<QuestionSteps> steps = stepsOfButton(page_, stepsButtonName(std::stoi(args)));
    if (!steps) {
        out << printable("第" + args + "题没有“看看怎么算”。") << "\n";
        return;
    }
    const std::string kind = stepsKindLine(page_, stepsButtonName(std::stoi(args)));
    if (!kind.empty()) out << printable(kind) << "\n";
    for (const StepLine& line : steps->lines) out << printable(stepLineText(line)) << "\n";
    out << ".\n";
}

}  // namespace tally
