// SPDX-License-Identifier: GPL-3.0-or-later
// The fact grids of the child practising, as text.
#include <ostream>

#include "app/fact_grid_page.h"
#include "cli/cli_commands.h"
#include "cli/printable.h"
#include "progress/record_trouble.h"

namespace tally {

void Commands::printFactGrid(const std::string& args, std::ostream& out) {
    const std::optional<FactGrid> layout = factGridNamed(args);
    if (!layout) {
        out << "error: no grid " << printable(args) << "\n";
        return;
    }
    if (!record_) {
        out << "error: no record\n";
        return;
    }
    const std::optional<FactGrid> grid = readFactGrid(*record_, form_->owner(), *layout);
    if (!grid) {
        out << "error: " << printable(recordTroubleMessage(record_->trouble(), false)) << "\n";
        return;
    }
    for (const auto& row : grid->rows) {
        std::string line;
        for (const auto& cell : row) {
            if (cell) line += (line.empty() ? "" : "\t") + cell->caption + "=" + factStateCaption(cell->state);
        }
        out << line << "\n";
    }
    out << ".\n";
}

}  // namespace tally
