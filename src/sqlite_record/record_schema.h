// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <utility>

// The record's schema, all of it: the tables of a new file, the moves of an
// older file up to them, and the tables, indexes and guards that only add to
// a file (an older program reads and writes it as before, so they need no new
// version). The version is kept in PRAGMA user_version.
namespace tally::sqlite {

inline constexpr int kSchemaVersion = 9;

// Every answer of a sheet with its time in milliseconds (NULL: nothing was
// typed into it), in the order the sheet marked them; read by child, topic
// and question through the sheet. Version 4 brought it.
inline constexpr const char* kAnswerTimes =
    "CREATE TABLE IF NOT EXISTS answer_time("
    " sheet_id INTEGER NOT NULL REFERENCES sheet(id) ON DELETE CASCADE, position INTEGER NOT NULL,"
    " field TEXT NOT NULL, topic_key TEXT NOT NULL, question TEXT NOT NULL,"
    " right_answer INTEGER NOT NULL, ms INTEGER, PRIMARY KEY(sheet_id, position));";

// The 口算达标 norms a parent set, one row for a grade, term and skill, in
// place of the program's own. Version 5 brought it.
inline constexpr const char* kFluencyNorms =
    "CREATE TABLE IF NOT EXISTS fluency_norm("
    " grade INTEGER NOT NULL CHECK(grade BETWEEN 1 AND 6), second_term INTEGER NOT NULL CHECK(second_term IN (0, 1)),"
    " skill_key TEXT NOT NULL, pass INTEGER NOT NULL, good INTEGER NOT NULL, excellent INTEGER NOT NULL,"
    " CHECK(1 <= pass AND pass <= good AND good <= excellent AND excellent <= 60),"
    " PRIMARY KEY(grade, second_term, skill_key));";

// The sheets printed on paper, each under the code printed on it: what was
// drawn (a topic's key, "mix:NAME", "practice", "redrill"), the seed and count
// where they are known, the generator's version, and the sheet's page as it
// was printed (its questions and their answers), so a code always gives back
// the same questions. Version 7 brought it, with the sheets' `paper_code`
// (the code of a sheet done on paper; '' for one done on screen).
inline constexpr const char* kPaperCodes =
    "ALTER TABLE sheet ADD COLUMN paper_code TEXT NOT NULL DEFAULT '';"
    "CREATE TABLE IF NOT EXISTS printed_sheet("
    " code TEXT PRIMARY KEY, child_id INTEGER NOT NULL, printed_day TEXT NOT NULL, what TEXT NOT NULL,"
    " title TEXT NOT NULL, grading_key TEXT NOT NULL, seed INTEGER, question_count INTEGER NOT NULL,"
    " drill_form TEXT NOT NULL, generator_version INTEGER NOT NULL, page TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS printed_sheet_of_child ON printed_sheet(child_id, printed_day);";

// Every answer's own id (a UUID made when it is marked), by which a school's
// server takes each answer once; NULL for answers marked before. A sheet done
// for a class's assignment names it (`assignment`, '' at home), and the
// answers the server has taken are listed in `sent_answer`: the answers of
// assignments not in it are the outbox. Version 8.
inline constexpr const char* kAnswerIds =
    "ALTER TABLE answer_time ADD COLUMN answer_id TEXT;"
    "CREATE UNIQUE INDEX IF NOT EXISTS answer_time_by_id ON answer_time(answer_id) WHERE answer_id IS NOT NULL;"
    "ALTER TABLE sheet ADD COLUMN assignment TEXT NOT NULL DEFAULT '';"
    "CREATE TABLE IF NOT EXISTS sent_answer(answer_id TEXT PRIMARY KEY) WITHOUT ROWID;";

// Every answer's typed text, right or wrong, as the marking read it (NULL
// when nothing was typed, and for answers marked before, which kept a miss's
// text alone: a right one of those shows its mark alone), and
// the answers the school's server refused one by one, set aside with its
// words so they no longer hold up the rest; kept, never deleted. Version 9.
inline constexpr const char* kTypedAndRefused =
    "ALTER TABLE answer_time ADD COLUMN typed TEXT;"
    "CREATE TABLE IF NOT EXISTS refused_answer(answer_id TEXT PRIMARY KEY, reason TEXT NOT NULL,"
    " refused_at TEXT NOT NULL) WITHOUT ROWID;";

// A new file's sheets and misses as version 6 made them (with kAnswerTimes
// and kFluencyNorms); the moves since take it on.
inline constexpr int kSheetTablesVersion = 6;
inline constexpr const char* kSheetTables =
    "CREATE TABLE IF NOT EXISTS sheet("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " marked_at TEXT NOT NULL, tab TEXT NOT NULL, topic TEXT NOT NULL, topic_key TEXT NOT NULL,"
    " drill_form TEXT NOT NULL, questions INTEGER NOT NULL, right_answers INTEGER NOT NULL,"
    " score INTEGER NOT NULL, seconds INTEGER NOT NULL, child_id INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE IF NOT EXISTS missed("
    " sheet_id INTEGER NOT NULL REFERENCES sheet(id), position INTEGER NOT NULL,"
    " question TEXT NOT NULL, typed TEXT NOT NULL, correct TEXT NOT NULL,"
    " answer_form TEXT NOT NULL DEFAULT '', topic_key TEXT NOT NULL DEFAULT '',"
    " topic TEXT NOT NULL DEFAULT '', mended INTEGER NOT NULL DEFAULT 0,"
    " error_kind TEXT NOT NULL DEFAULT '', PRIMARY KEY(sheet_id, position));";

// The 口算卷 mixes a parent saved, for a child or the computer (owner 0): a
// mix's parts name their skills by key, in the mix's order. Made by the first
// write that needs them, so an older program keeps opening the file.
inline constexpr const char* kSavedMixTables =
    "CREATE TABLE IF NOT EXISTS saved_mix("
    " owner INTEGER NOT NULL, name TEXT NOT NULL,"
    " question_count INTEGER NOT NULL CHECK(question_count BETWEEN 20 AND 100), PRIMARY KEY(owner, name));"
    "CREATE TABLE IF NOT EXISTS saved_mix_part("
    " owner INTEGER NOT NULL, name TEXT NOT NULL, position INTEGER NOT NULL, skill_key TEXT NOT NULL,"
    " share INTEGER NOT NULL CHECK(share BETWEEN 1 AND 100), PRIMARY KEY(owner, name, position));";

// A daily practice left half done, one for each owner: made by its first
// write, so an older program still opens the file.
inline constexpr const char* kKeptPracticeTables =
    "CREATE TABLE IF NOT EXISTS kept_practice("
    " owner INTEGER NOT NULL, position INTEGER NOT NULL, day TEXT NOT NULL, source INTEGER NOT NULL,"
    " question TEXT NOT NULL, typed TEXT NOT NULL, correct TEXT NOT NULL, answer_form TEXT NOT NULL,"
    " topic_key TEXT NOT NULL, topic TEXT NOT NULL, PRIMARY KEY(owner, position));"
    "CREATE TABLE IF NOT EXISTS kept_practice_field("
    " owner INTEGER NOT NULL, name TEXT NOT NULL, value TEXT NOT NULL, PRIMARY KEY(owner, name));";

// kMoves[v - 1] takes a file of version v to version v + 1.
// Version 1 kept a miss by its place on the sheet and had no re-drill: its
// misses take their sheet's topic and are never asked again.
// Version 2 had no children: its sheets become those of no child
// (kEarlierRecords), each kept as it was. Adding a column with a constant
// default rewrites nothing, however long the record is.
// Version 3 kept no answer's time: its sheets have none.
// Version 4 kept no norms: the program's own stand.
// Version 5 kept no kind of error: its misses have none.
// Version 6 printed no codes: its sheets were all done on screen.
// Version 7 kept no answer's id and no assignment: its answers have none and
// its sheets were all done at home.
// Version 8 kept the typed text of missed answers only, and nothing refused.
inline constexpr const char* kMoves[kSchemaVersion - 1] = {
    "ALTER TABLE missed ADD COLUMN answer_form TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE missed ADD COLUMN topic_key TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE missed ADD COLUMN topic TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE missed ADD COLUMN mended INTEGER NOT NULL DEFAULT 0;"
    "UPDATE missed SET topic_key = (SELECT topic_key FROM sheet WHERE sheet.id = missed.sheet_id),"
    " topic = (SELECT topic FROM sheet WHERE sheet.id = missed.sheet_id);",
    "ALTER TABLE sheet ADD COLUMN child_id INTEGER NOT NULL DEFAULT 0;",
    kAnswerTimes,
    kFluencyNorms,
    "ALTER TABLE missed ADD COLUMN error_kind TEXT NOT NULL DEFAULT '';",
    kPaperCodes,
    kAnswerIds,
    kTypedAndRefused,
};

// The children and the settings kept for each, made with every version.
inline constexpr const char* kChildTables =
    "CREATE TABLE IF NOT EXISTS child("
    " id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL UNIQUE,"
    " grade INTEGER NOT NULL CHECK(grade BETWEEN 1 AND 6));"
    "CREATE TABLE IF NOT EXISTS setting("
    " owner INTEGER NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL, PRIMARY KEY(owner, key));";

// What the record page, the re-drill, a re-drill's mended questions and the
// newest answers of a question under any topic are read by.
inline constexpr std::pair<const char*, const char*> kIndexes[] = {
    {"sheet_by_topic", "CREATE INDEX IF NOT EXISTS sheet_by_topic ON sheet(topic_key, marked_at, score, seconds)"},
    {"sheet_by_child", "CREATE INDEX IF NOT EXISTS sheet_by_child ON sheet(child_id, topic_key, marked_at, score, seconds)"},
    {"sheet_of_child", "CREATE INDEX IF NOT EXISTS sheet_of_child ON sheet(child_id)"},
    {"missed_by_topic", "CREATE INDEX IF NOT EXISTS missed_by_topic ON missed(topic_key, sheet_id)"},
    {"missed_open", "CREATE INDEX IF NOT EXISTS missed_open ON missed(topic_key, question, mended, answer_form)"
                    " WHERE mended = 0 AND answer_form <> ''"},
    {"answer_time_by_question",
     "CREATE INDEX IF NOT EXISTS answer_time_by_question ON answer_time(topic_key, question, sheet_id)"},
    {"answer_time_by_text",
     "CREATE INDEX IF NOT EXISTS answer_time_by_text ON answer_time(question, sheet_id, position)"},
    // Every answer of a topic with its time, question by question, without a
    // step into the table: what today's practice reads the slow facts by.
    {"answer_time_timed",
     "CREATE INDEX IF NOT EXISTS answer_time_timed ON answer_time(topic_key, question, sheet_id, position, right_answer, ms,"
     " field)"},
    {"missed_open_latest", "CREATE INDEX IF NOT EXISTS missed_open_latest ON missed(sheet_id DESC, position)"
                           " WHERE mended = 0 AND answer_form <> ''"},
};

// Sheets belong to the children the record names: a sheet of a child removed
// meanwhile (by another program) is refused by the file itself. Triggers, not
// a rebuilt table: they work on every existing file at once.
inline constexpr const char* kChildGuards =
    "CREATE TRIGGER IF NOT EXISTS sheet_of_known_child BEFORE INSERT ON sheet"
    " WHEN NEW.child_id <> 0 AND NOT EXISTS(SELECT 1 FROM child WHERE id = NEW.child_id)"
    " BEGIN SELECT RAISE(ABORT, 'no such child'); END;"
    "CREATE TRIGGER IF NOT EXISTS sheet_given_to_known_child BEFORE UPDATE OF child_id ON sheet"
    " WHEN NEW.child_id <> 0 AND NOT EXISTS(SELECT 1 FROM child WHERE id = NEW.child_id)"
    " BEGIN SELECT RAISE(ABORT, 'no such child'); END;";
// Sheets stored before the guards under a child removed meanwhile become
// 以前的记录, where the parent sees them again.
inline constexpr const char* kOrphanedSheets =
    "UPDATE sheet SET child_id = 0 WHERE child_id <> 0 AND child_id NOT IN (SELECT id FROM child)";

// The questions of the daily practice, one row each with its result, so each
// counts for its own topic and the review schedule can be worked out again.
inline constexpr const char* kPracticeAnswers =
    "CREATE TABLE IF NOT EXISTS practice_answer("
    " sheet_id INTEGER NOT NULL REFERENCES sheet(id) ON DELETE CASCADE, position INTEGER NOT NULL,"
    " topic_key TEXT NOT NULL, topic TEXT NOT NULL, question TEXT NOT NULL,"
    " right_answer INTEGER NOT NULL, review INTEGER NOT NULL,"
    " PRIMARY KEY(sheet_id, position))";

// The journal tokens of the sheets stored from the waiting journal.
inline constexpr const char* kStoredFromJournal = "CREATE TABLE IF NOT EXISTS stored_from_journal(token TEXT PRIMARY KEY)";

// Each child's copy of the review schedule, worked out by the daily practice
// from the misses and the practice's answers, and the child's last sheet it
// has taken in. Derived rows only: they can always be made again from the
// sheets, and an older program that stores sheets without them leaves them
// behind, to be caught up with. Its rows are kept in their key's order
// (WITHOUT ROWID: one tree, not a table and its key's index); a copy made
// before keeps its shape, which reads and writes alike, so every version
// uses either.
inline constexpr const char* kReviewTables =
    "CREATE TABLE IF NOT EXISTS review_item("
    " child_id INTEGER NOT NULL, topic_key TEXT NOT NULL, question TEXT NOT NULL, typed TEXT NOT NULL,"
    " correct TEXT NOT NULL, answer_form TEXT NOT NULL, topic TEXT NOT NULL, right_in_a_row INTEGER NOT NULL,"
    " last_answered INTEGER NOT NULL, due INTEGER NOT NULL, PRIMARY KEY(child_id, topic_key, question)) WITHOUT ROWID;"
    "CREATE TABLE IF NOT EXISTS review_through(child_id INTEGER PRIMARY KEY, sheet_id INTEGER NOT NULL);";
// The copy keeps no index by the due day: today's due questions are read by
// walking the child's rows in their key's order, which costs less than a step
// from the index into the rows at each one (a count checks every row's form),
// and a copy made afresh writes one tree, not two. An index an older program
// made is dropped with the copy's next write; that program makes it again,
// once, with its own next write.
inline constexpr const char* kReviewDueIndexDropped = "DROP INDEX IF EXISTS review_item_due";
// A copy kept before its drops were marked.
inline constexpr const char* kReviewDrops = "ALTER TABLE review_through ADD COLUMN drops INTEGER NOT NULL DEFAULT 0";

// The second copy of the parent's password, made with the first password set.
inline constexpr const char* kPasswordCopies =
    "CREATE TABLE IF NOT EXISTS password_copy(place TEXT PRIMARY KEY, hash TEXT NOT NULL)";

// The waiting journal, a file of its own beside the record: its sheets with
// their tokens, and their three lists of questions.
inline constexpr const char* kJournalTables =
    "CREATE TABLE IF NOT EXISTS waiting_sheet(id INTEGER PRIMARY KEY AUTOINCREMENT, marked_at TEXT NOT NULL,"
    " tab TEXT NOT NULL, topic TEXT NOT NULL, topic_key TEXT NOT NULL, drill_form TEXT NOT NULL,"
    " questions INTEGER NOT NULL, right_answers INTEGER NOT NULL, score INTEGER NOT NULL,"
    " seconds INTEGER NOT NULL, child_id INTEGER NOT NULL, token TEXT NOT NULL, paper_code TEXT NOT NULL DEFAULT '',"
    " assignment TEXT NOT NULL DEFAULT '');"
    "CREATE TABLE IF NOT EXISTS waiting_question(sheet_id INTEGER NOT NULL, list INTEGER NOT NULL,"
    " position INTEGER NOT NULL, question TEXT NOT NULL, typed TEXT NOT NULL, correct TEXT NOT NULL,"
    " answer_form TEXT NOT NULL, topic_key TEXT NOT NULL, topic TEXT NOT NULL, right_answer INTEGER NOT NULL,"
    " review INTEGER NOT NULL, error_kind TEXT NOT NULL DEFAULT '', PRIMARY KEY(sheet_id, list, position));"
    "CREATE TABLE IF NOT EXISTS waiting_answer_time(sheet_id INTEGER NOT NULL, position INTEGER NOT NULL,"
    " field TEXT NOT NULL, topic_key TEXT NOT NULL, question TEXT NOT NULL, right_answer INTEGER NOT NULL,"
    " ms INTEGER, answer_id TEXT, typed TEXT, PRIMARY KEY(sheet_id, position));";
// A journal an older program made lacks the columns added since: each is added
// when this program opens it (an older program writes it as before).
struct JournalColumn {
    const char* table;
    const char* column;
    const char* added;
};
inline constexpr JournalColumn kJournalColumns[] = {
    {"waiting_question", "error_kind", "ALTER TABLE waiting_question ADD COLUMN error_kind TEXT NOT NULL DEFAULT ''"},
    {"waiting_sheet", "paper_code", "ALTER TABLE waiting_sheet ADD COLUMN paper_code TEXT NOT NULL DEFAULT ''"},
    {"waiting_sheet", "assignment", "ALTER TABLE waiting_sheet ADD COLUMN assignment TEXT NOT NULL DEFAULT ''"},
    {"waiting_answer_time", "answer_id", "ALTER TABLE waiting_answer_time ADD COLUMN answer_id TEXT"},
    {"waiting_answer_time", "typed", "ALTER TABLE waiting_answer_time ADD COLUMN typed TEXT"},
};

}  // namespace tally::sqlite
