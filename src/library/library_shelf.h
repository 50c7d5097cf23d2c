#pragma once
#include <functional>
#include <string>

namespace tally {

// Where the reading library takes its built-in texts from: the ContentStore,
// unless a test hands it texts of its own.
class LibraryShelf {
public:
    using TextSource = std::function<std::string(const std::string& name)>;

    std::string text(const std::string& name) const;
    void setTextSource(TextSource source) { source_ = std::move(source); }

private:
    TextSource source_;
};

}  // namespace tally
