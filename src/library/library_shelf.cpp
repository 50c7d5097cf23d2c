#include "library/library_shelf.h"

#include "library/content_store.h"

namespace tally {

std::string LibraryShelf::text(const std::string& name) const {
    return source_ ? source_(name) : ContentStore::text(name);
}

}  // namespace tally
