// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>

#include "base/content_store.h"

namespace tally {

// Where pages take the program's built-in texts from (introductions, the
// knowledge lists, puzzles): the texts compiled into the program, unless a
// test hands in texts of its own.
class TextShelf {
public:
    using TextSource = std::function<std::string(const std::string& name)>;

    std::string text(const std::string& name) const { return source_ ? source_(name) : ContentStore::text(name); }
    void setTextSource(TextSource source) { source_ = std::move(source); }

private:
    TextSource source_;
};

}  // namespace tally
