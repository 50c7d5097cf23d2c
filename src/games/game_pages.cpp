#include "games/memory_game.h"
#include "games/twenty_four_game.h"
#include "library/content_store.h"
#include "sheets/families.h"
#include "shell/form1.h"
#include "shell/gbk.h"

namespace tally {
namespace {

// The games that are pages of their own in the data directory, shown in WebBrowser2.
void openGameFile(Form1& form, const char* relPath, Sheet& sheet) {
    form.ui().navigate(Pane::WebBrowser2, relPath);
    form.ui().bringToFront(Pane::WebBrowser2);
    sheet.keepPage = true;
}

}  // namespace

// The "!" family. Topics without a page of their own keep the frame's empty sheet.
void buildGamePage(Form1& form, int topic, Sheet& sheet) {
    switch (topic) {
        case 6: sheet.html += replaceAll(ContentStore::text("Text4"), "\r\n", "<br>"); break;
        case 61: buildTwentyFourPage(form, sheet); break;
        case 62: buildMemoryGamePage(form, sheet); break;
        case 65: openGameFile(form, "flash/1.htm", sheet); break;
        case 66: openGameFile(form, "flash/2.htm", sheet); break;
        default: break;
    }
}

}  // namespace tally
