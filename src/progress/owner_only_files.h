// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>

namespace tally {

// Per-user data (the record, the kept login file) is for its owner's eyes
// only: files 0600, the folders the program makes for them 0700.

// Makes each missing folder of `folder` with mode 0700; folders that are
// there already keep their mode (one the user made may be shared on purpose,
// and the files in it are closed anyway). True when `folder` is a folder
// afterwards.
bool makeOwnerOnlyFolders(const std::filesystem::path& folder);

// The mode a file of the user's own data gets: 0600, or an existing file's
// mode where that is stricter.
unsigned ownerOnlyMode(unsigned existingMode);

// Takes the group's and others' rights off an existing file of this user;
// a file that is not there or not the user's is left as it is.
void closeToOthers(const std::filesystem::path& file);

}  // namespace tally
