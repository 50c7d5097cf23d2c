// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "sqlite_record/sqlite_record.h"
#include "support/harness.h"
#include "support/temp_folder.h"

namespace tally::test {

// A harness whose record is a real file, so what is kept and asked again is
// the store's own: a file of the test's own, or the one given (several
// programs on one record).
struct FileHarness : Harness {
    explicit FileHarness(bool advanced = true, const std::filesystem::path& recordFile = {})
        : Harness(advanced), file(recordFile.empty() ? folder.path() / "record.sqlite" : recordFile) {
        form->setRecord(&file);
    }
    // Names a child in the record, the one who logs in at start-up.
    long long practising(const std::string& name, int grade) {
        EXPECT_EQ(file.addChild(name, grade), "");
        const long long id = file.children().back().id;
        file.setLastChild(id);
        ui.childAnswer = name;
        return id;
    }

    TempFolder folder;
    SqliteRecord file;
};

}  // namespace tally::test
