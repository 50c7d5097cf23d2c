// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/xapi_statements.h"

#include <nlohmann/json.hpp>

namespace tally {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kAnsweredVerb = "http://adlnet.gov/expapi/verbs/answered";
constexpr const char* kInteraction = "http://adlnet.gov/expapi/activities/cmi.interaction";

// Every byte but the unreserved ones as %XX, so a key or a question (Chinese,
// signs, spaces) is a part of an IRI that any record store takes.
std::string escapedPart(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0f];
        }
    }
    return out;
}

Json actorJson(const XapiActor& actor) {
    return {{"objectType", "Agent"},
            {"name", actor.name},
            {"account", {{"homePage", actor.homePage}, {"name", actor.accountName}}}};
}

Json questionJson(const ClassAnswer& answer) {
    Json definition = {{"name", {{"zh-CN", answer.question}}}, {"type", kInteraction}, {"interactionType", "fill-in"}};
    if (!answer.correct.empty()) definition["correctResponsesPattern"] = Json::array({answer.correct});
    return {{"objectType", "Activity"}, {"id", questionActivityId(answer.topicKey, answer.question)},
            {"definition", definition}};
}

// A right answer of a record from before the typed text of every answer was
// kept has none: it says nothing rather than that nothing was typed.
Json resultJson(const ClassAnswer& answer) {
    Json result = {{"success", answer.right}};
    if (!answer.right || !answer.typed.empty()) result["response"] = answer.typed;
    if (answer.ms) result["duration"] = isoDuration(*answer.ms);
    return result;
}

Json contextJson(const ClassAnswer& answer) {
    Json activities = {{"parent", Json::array({{{"objectType", "Activity"}, {"id", skillActivityId(answer.topicKey)}}})}};
    if (answer.assignmentId != 0) {
        activities["grouping"] = Json::array(
            {{{"objectType", "Activity"}, {"id", "urn:tallymoo:assignment:" + std::to_string(answer.assignmentId)}}});
    }
    return {{"contextActivities", activities}};
}

// "YYYY-MM-DD HH:MM:SS" as ISO 8601 in the offset given; "" for anything else.
std::string isoTimestamp(const std::string& local, const std::string& utcOffset) {
    if (local.size() != 19 || local[10] != ' ') return "";
    return local.substr(0, 10) + "T" + local.substr(11) + utcOffset;
}

}  // namespace

XapiActor homeActor(const std::string& childName) { return {childName, kHomeAccounts, childName}; }

XapiActor pupilActor(const std::string& serverHomePage, const std::string& className, const std::string& pupilName) {
    return {pupilName, serverHomePage, className + "/" + pupilName};
}

std::string isoDuration(long long ms) {
    if (ms < 0) ms = 0;
    std::string text = "PT" + std::to_string(ms / 1000);
    std::string thousandths = std::to_string(1000 + ms % 1000).substr(1);
    while (!thousandths.empty() && thousandths.back() == '0') thousandths.pop_back();
    if (!thousandths.empty()) text += "." + thousandths;
    return text + "S";
}

std::string questionActivityId(const std::string& topicKey, const std::string& question) {
    return skillActivityId(topicKey) + ":" + escapedPart(question);
}

std::string skillActivityId(const std::string& topicKey) { return "urn:tallymoo:topic:" + escapedPart(topicKey); }

std::string xapiStatement(const ClassAnswer& answer, const XapiActor& actor, const std::string& utcOffset) {
    Json statement = {{"id", answer.id},
                      {"actor", actorJson(actor)},
                      {"verb", {{"id", kAnsweredVerb}, {"display", {{"zh-CN", "回答了"}}}}},
                      {"object", questionJson(answer)},
                      {"result", resultJson(answer)},
                      {"context", contextJson(answer)}};
    if (const std::string when = isoTimestamp(answer.answeredAt, utcOffset); !when.empty()) statement["timestamp"] = when;
    // Text the record holds is UTF-8; a broken byte is replaced rather than
    // losing the statement.
    return statement.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string xapiLines(const std::vector<ClassAnswer>& answers, const XapiActor& actor, const std::string& utcOffset) {
    std::string lines;
    for (const ClassAnswer& answer : answers) lines += xapiStatement(answer, actor, utcOffset) + "\n";
    return lines;
}

}  // namespace tally
