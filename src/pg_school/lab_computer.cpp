// SPDX-License-Identifier: GPL-3.0-or-later
#include "pg_school/lab_computer.h"

#include <libpq-fe.h>
#include <sodium.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "pg_school/pg_call.h"
#include "progress/owner_only_files.h"
#include "system/atomic_file.h"

namespace tally {
namespace {

constexpr const char* kFileName = "school.txt";
constexpr const char* kPasswordFile = "pgpass";
constexpr int kBatch = 200;

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> parts;
    std::stringstream in(line);
    for (std::string part; std::getline(in, part, '\t');) parts.push_back(part);
    return parts;
}

// A PIN is four to eight digits, so a cheap Argon2id is as strong as any.
std::string pinHashOf(const std::string& pin) {
    char hash[crypto_pwhash_STRBYTES];
    if (sodium_init() < 0 || crypto_pwhash_str(hash, pin.c_str(), pin.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                               8 * 1024 * 1024) != 0) {
        return "";
    }
    return hash;
}

bool pinMatches(const std::string& hash, const std::string& pin) {
    return !hash.empty() && sodium_init() >= 0 && crypto_pwhash_str_verify(hash.c_str(), pin.c_str(), pin.size()) == 0;
}

// The settings' keywords and values as libpq reads them (a URI too); nothing
// when it cannot read them.
std::optional<std::vector<std::pair<std::string, std::string>>> settingsParts(const std::string& settings) {
    char* problem = nullptr;
    PQconninfoOption* options = PQconninfoParse(settings.c_str(), &problem);
    PQfreemem(problem);
    if (!options) return std::nullopt;
    std::vector<std::pair<std::string, std::string>> parts;
    for (const PQconninfoOption* option = options; option->keyword; ++option) {
        if (option->val) parts.emplace_back(option->keyword, option->val);
    }
    PQconninfoFree(options);
    return parts;
}

// A line of a libpq password file that holds for any host, port, database
// and user: the file is this lab computer's, for its one server.
std::string passwordLine(const std::string& password) {
    std::string line = "*:*:*:*:";
    for (const char c : password) {
        if (c == ':' || c == '\\') line += '\\';
        line += c;
    }
    return line + "\n";
}

long long number(const std::string& text) {
    try {
        return std::stoll(text);
    } catch (const std::exception&) {
        return 0;
    }
}

// What a batch sent one answer at a time did: the ids taken, how many were
// set aside, and why it stopped early.
struct SentEach {
    std::vector<std::string> taken;
    int refused = 0;
    std::string problem;
};

SentEach sendEach(SchoolServer& server, ProgressRecord& record, const std::string& token,
                  const std::vector<ClassAnswer>& batch) {
    SentEach sent;
    for (const ClassAnswer& answer : batch) {
        const SchoolReply<std::vector<std::string>> one = server.upload(token, {answer});
        if (one.value) {
            sent.taken.insert(sent.taken.end(), one.value->begin(), one.value->end());
        } else if (!one.refusedAsGiven) {
            sent.problem = one.problem;
            break;
        } else if (record.setAsideRefused(answer.id, one.problem)) {
            ++sent.refused;
        } else {
            sent.problem = "这台电脑记不下老师那里收不下的题，下次还会再交。";
            break;
        }
    }
    return sent;
}

}  // namespace

LabComputer::LabComputer(std::filesystem::path folder) : folder_(std::move(folder)) {
    load();
    // Kept by an earlier version with its password: moved out now.
    if (settingsCarryPassword(serverSettings_)) keepServerSettings(serverSettings_);
}

void LabComputer::load() {
    std::ifstream in(folder_ / kFileName);
    for (std::string line; std::getline(in, line);) {
        const std::vector<std::string> part = fields(line);
        if (part.size() == 2 && part[0] == "server") {
            serverSettings_ = part[1];
        } else if (part.size() == 4 && part[0] == "class") {
            classes_.push_back(SchoolClass{number(part[1]), part[3], part[2]});
        } else if (part.size() >= 5 && part[0] == "pupil") {
            pupils_.push_back(LabPupil{Pupil{number(part[1]), number(part[2]), part[3]}, part[4], "", {}});
        } else if (part.size() == 9 && part[0] == "assignment" && !pupils_.empty() &&
                   pupils_.back().pupil.id == number(part[1])) {
            pupils_.back().assignments.push_back(Assignment{number(part[2]), number(part[3]), part[4], part[8],
                                                            static_cast<int>(number(part[5])), part[6],
                                                            number(part[7])});
        }
    }
}

bool LabComputer::save() const {
    std::ostringstream out;
    if (!serverSettings_.empty()) out << "server\t" << serverSettings_ << "\n";
    for (const SchoolClass& joined : classes_) {
        out << "class\t" << joined.id << "\t" << joined.joinCode << "\t" << joined.name << "\n";
    }
    for (const LabPupil& kept : pupils_) {
        out << "pupil\t" << kept.pupil.id << "\t" << kept.pupil.classId << "\t" << kept.pupil.name << "\t"
            << kept.pinHash << "\n";
        for (const Assignment& task : kept.assignments) {
            out << "assignment\t" << kept.pupil.id << "\t" << task.id << "\t" << task.classId << "\t" << task.topicKey
                << "\t" << task.questionCount << "\t" << task.due << "\t" << task.seed << "\t" << task.title << "\n";
        }
    }
    return makeOwnerOnlyFolders(folder_) && replaceFileAtomically(folder_ / kFileName, out.str(), FileReaders::OwnerOnly);
}

bool settingsCarryPassword(const std::string& settings) {
    const auto parts = settingsParts(settings);
    return parts && std::any_of(parts->begin(), parts->end(), [](const auto& part) { return part.first == "password"; });
}

bool LabComputer::keepServerSettings(const std::string& settings) {
    const auto parts = settingsParts(settings);
    if (!parts || settings.find_first_of("\t\n") != std::string::npos) return false;
    std::string kept;
    for (const auto& [keyword, value] : *parts) {
        if (keyword == "password") {
            if (!keepServerPassword(value)) return false;
        } else if (keyword != "passfile") {
            kept += (kept.empty() ? "" : " ") + keyword + "=" + connectionValue(value);
        }
    }
    serverSettings_ = kept;
    return save();
}

bool LabComputer::keepServerPassword(const std::string& password) {
    if (password.find_first_of("\r\n") != std::string::npos) return false;
    return makeOwnerOnlyFolders(folder_) &&
           replaceFileAtomically(folder_ / kPasswordFile, passwordLine(password), FileReaders::OwnerOnly);
}

std::string LabComputer::connectionSettings() const {
    if (serverSettings_.empty()) return "";
    return serverSettings_ + " passfile=" + connectionValue((folder_ / kPasswordFile).string());
}

std::string LabComputer::join(SchoolServer& server, const std::string& joinCode) {
    const SchoolReply<SchoolClass> found = server.joinClass(joinCode);
    if (!found.value) return found.problem;
    std::erase_if(classes_, [&](const SchoolClass& joined) { return joined.id == found.value->id; });
    classes_.push_back(*found.value);
    return save() ? "" : "这台电脑记不下加入的班级，请看看用户文件夹能不能写。";
}

LabPupil* LabComputer::known(long long classId, const std::string& name) {
    const auto found = std::find_if(pupils_.begin(), pupils_.end(), [&](const LabPupil& kept) {
        return kept.pupil.classId == classId && kept.pupil.name == name;
    });
    return found == pupils_.end() ? nullptr : &*found;
}

std::optional<LabPupil> LabComputer::logIn(SchoolServer& server, const std::string& className, const std::string& name,
                                           const std::string& pin, std::string& problem) {
    const auto joined = std::find_if(classes_.begin(), classes_.end(),
                                     [&](const SchoolClass& one) { return one.name == className; });
    if (joined == classes_.end()) {
        problem = "这台电脑还没有加入" + className + "，请老师给班级码。";
        return std::nullopt;
    }
    const SchoolReply<PupilSession> session = server.logInPupil(joined->joinCode, name, pin);
    LabPupil* kept = known(joined->id, name);
    if (!session.value) {
        if (session.unreachable && kept && pinMatches(kept->pinHash, pin)) return *kept;
        problem = session.problem;
        return std::nullopt;
    }
    if (!kept) {
        pupils_.push_back(LabPupil{Pupil{session.value->pupilId, joined->id, name}, "", "", {}});
        kept = &pupils_.back();
    }
    kept->pupil.id = session.value->pupilId;
    kept->pinHash = pinHashOf(pin);
    kept->token = session.value->token;
    if (SchoolReply<std::vector<Assignment>> tasks = server.pupilAssignments(kept->token); tasks.value) {
        kept->assignments = std::move(*tasks.value);
    }
    save();
    return *kept;
}

std::vector<Assignment> LabComputer::assignmentsNow(SchoolServer& server, const LabPupil& pupil) {
    LabPupil* kept = known(pupil.pupil.classId, pupil.pupil.name);
    if (!kept || kept->token.empty()) return pupil.assignments;
    if (SchoolReply<std::vector<Assignment>> tasks = server.pupilAssignments(kept->token); tasks.value) {
        kept->assignments = std::move(*tasks.value);
        save();
    }
    return kept->assignments;
}

bool LabComputer::keepAssignments(const LabPupil& pupil, const std::vector<Assignment>& assignments) {
    LabPupil* kept = known(pupil.pupil.classId, pupil.pupil.name);
    if (!kept) return false;
    kept->assignments = assignments;
    return save();
}

Upload LabComputer::send(SchoolServer& server, ProgressRecord& record, long long childId, const LabPupil& pupil) {
    Upload done;
    if (pupil.token.empty()) {
        return Upload{0, record.unsentCount(childId), "还没有连上学校的服务器，题先留在这台电脑上。",
                      record.refusedCount(childId)};
    }
    // Each batch leaves the outbox, taken or set aside, so it is empty after
    // this many; a record that kept giving the same answers back would
    // otherwise hold us here.
    const int batches = record.unsentCount(childId) / kBatch + 1;
    for (int round = 0; round < batches && done.problem.empty(); ++round) {
        std::vector<ClassAnswer> batch = record.unsentAnswers(childId, kBatch);
        if (batch.empty()) break;
        for (ClassAnswer& answer : batch) answer.pupilId = pupil.pupil.id;
        SchoolReply<std::vector<std::string>> taken = server.upload(pupil.token, batch);
        SentEach sent;
        if (taken.value) {
            sent.taken = std::move(*taken.value);
        } else if (taken.refusedAsGiven) {
            sent = sendEach(server, record, pupil.token, batch);
        } else {
            sent.problem = taken.problem;
        }
        if (!record.markSent(sent.taken)) {
            done.problem = "这台电脑记不下哪些题已经交了；下次再交时，老师那里也只会有一份。";
            break;
        }
        done.sent += static_cast<int>(sent.taken.size());
        done.problem = sent.problem;
    }
    done.waiting = record.unsentCount(childId);
    done.refused = record.refusedCount(childId);
    return done;
}

std::filesystem::path LabComputer::recordOf(const Pupil& pupil) const {
    return folder_ / ("pupil-" + std::to_string(pupil.classId) + "-" + std::to_string(pupil.id) + ".sqlite");
}

}  // namespace tally
