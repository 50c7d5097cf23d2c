// SPDX-License-Identifier: GPL-3.0-or-later
// The headless xAPI export: every answer of the child practising that has its
// id, one statement a line, into a file a learning record store takes.
#include <fstream>
#include <ostream>

#include "classroom/xapi_statements.h"
#include "cli/cli_commands.h"
#include "cli/printable.h"

namespace tally {

void Commands::xapi(const std::string& args, std::ostream& out) {
    if (args.empty()) {
        out << "error: xapi FILE\n";
        return;
    }
    if (!record_) {
        out << "error: no record\n";
        return;
    }
    const std::optional<Child>& child = form_->child();
    if (!child) {
        out << "error: no child is practising\n";
        return;
    }
    const std::vector<ClassAnswer> answers = record_->answersWithIds(child->id);
    if (record_->trouble() != RecordTrouble::None) {
        out << "error: " << printable(record_->lastError()) << "\n";
        return;
    }
    std::ofstream file(args, std::ios::binary | std::ios::trunc);
    file << xapiLines(answers, homeActor(child->name));
    file.close();
    if (!file) {
        out << "error: cannot write " << args << "\n";
        return;
    }
    out << answers.size() << " statements\n";
}

}  // namespace tally
