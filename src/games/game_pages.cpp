#include "games/memory_game.h"
#include "games/twenty_four_game.h"
#include "library/content_store.h"
#include "sheets/families.h"
#include "shell/form1.h"
#include "shell/gbk.h"

namespace tally {
namespace {

// The games that are pages of their own in the data directory, shown in WebBrowser2.
void openGameFile(Form1& form, const std::string& relPath, Sheet& sheet) {
    form.ui().navigate(Pane::WebBrowser2, relPath);
    form.ui().bringToFront(Pane::WebBrowser2);
    sheet.keepPage = true;
}

}  // namespace

std::string gamePagePath(int topic) {
    switch (topic) {
        case 65: return "flash/1.htm";
        case 66: return "flash/2.htm";
        case 63: case 64: case 67: case 68: case 69:
        case 601: case 602: case 603: case 604:
        case 606: case 607: case 608: case 609: case 610: case 611: case 612:
            return "flash/" + std::to_string(topic) + ".htm";
        default: return "";
    }
}

// The "!" family: the introduction, the two games the program deals itself,
// and the games that are pages of the data directory.
void buildGamePage(Form1& form, int topic, Sheet& sheet) {
    if (topic == 6) {
        sheet.html += replaceAll(ContentStore::text("Text4"), "\r\n", "<br>");
    } else if (topic == 61) {
        buildTwentyFourPage(form, sheet);
    } else if (topic == 62) {
        buildMemoryGamePage(form, sheet);
    } else if (const std::string path = gamePagePath(topic); !path.empty()) {
        openGameFile(form, path, sheet);
    }
}

}  // namespace tally
