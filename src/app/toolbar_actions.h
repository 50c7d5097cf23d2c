// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <span>
#include <string>
#include <string_view>

namespace tally {

class Form1;

// Who may use a toolbar action: anyone at the computer, or the parent logged in.
enum class ActionUser { Anyone, Parent };

// A button's picture: one the window draws by name ("key", "printer" ...), or a
// coloured tile with a short text on it.
struct ToolbarIcon {
    const char* drawing = "";
    const char* colour = "";
    const char* text = "";
    int textSize = 0;
};

// One action of the main window's toolbar: the window's button, the headless
// `toolbar KEY` command, the tooltip and the help's lines are all built from it.
struct ToolbarAction {
    enum class Kind { Push, Separator, DrillForm };
    const char* key;
    const char* caption;
    const char* tooltip;
    Kind kind;
    ToolbarIcon icon;
    // The key that presses the button from anywhere in the window.
    const char* shortcut;
    ActionUser user;
    // Said when someone other than the parent presses a parent's action.
    const char* refusal;
    // The help's line for the button; "" where an earlier row's line covers it.
    const char* help;
    void (*run)(Form1&);
};

// The toolbar of the main window, in order (the table is in app/form1_toolbar.cpp).
std::span<const ToolbarAction> toolbarActions();
// The action with this key; none for a separator or an unknown key.
const ToolbarAction* toolbarAction(std::string_view key);
// The help's lines about the buttons and about the keys that press them.
std::string toolbarHelp();
std::string shortcutHelp();

// Closes the window from anywhere in it.
inline constexpr const char* kQuitShortcut = "Ctrl+Q";

}  // namespace tally
