// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/drill_lines.h"

#include "sheets/decimal_text.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

constexpr const char* kLineEnd = "<br><br>";

std::string nbsp(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "&nbsp;";
    return text;
}

int digits(int value) { return static_cast<int>(std::to_string(value).size()); }

std::string line(int question, const std::string& task, const std::string& answer) {
    return questionHead(question) + task + answerField(question, answer) + kLineEnd;
}

bool isSum(Operation operation) {
    return operation == Operation::Add || operation == Operation::Subtract;
}

}  // namespace

const char* operatorSign(Operation operation) {
    switch (operation) {
        case Operation::Add: return "+";
        case Operation::Subtract: return "-";
        case Operation::Multiply: return "×";
        case Operation::Divide: return "÷";
    }
    return "";
}

std::string normalLine(Operation operation, int question, OperandPair pair) {
    const auto [s, t] = pair;
    const std::string sign = operatorSign(operation);
    auto task = [&](int left, int right) {
        return std::to_string(left) + sign + std::to_string(right) + "=";
    };
    switch (operation) {
        case Operation::Add: return line(question, task(t, s - t), std::to_string(s));
        case Operation::Subtract: return line(question, task(s, t), std::to_string(s - t));
        case Operation::Multiply: return line(question, task(s, t), std::to_string(s * t));
        case Operation::Divide: return line(question, task(s * t, t), std::to_string(s));
    }
    return "";
}

std::string verticalLine(Operation operation, int question, OperandPair pair) {
    if (operation == Operation::Divide) return normalLine(operation, question, pair);
    const auto [s, t] = pair;
    const bool add = operation == Operation::Add;
    const int upper = add ? t : s;
    const int lower = add ? s - t : t;
    const int answer = add ? s : operation == Operation::Subtract ? s - t : s * t;
    // The lower line carries the sign, so it is one character longer than its digits.
    const int pad = digits(lower) + 1 - digits(upper);
    return questionHead(question) + "<br>&nbsp;" + nbsp(pad) + std::to_string(upper) +
           "<br>&nbsp;" + nbsp(-pad) + operatorSign(operation) + std::to_string(lower) +
           "<br>---------<br> <input class=text  name=answer" + std::to_string(question) +
           " type=text size=7 tag=" + std::to_string(answer) + ">" + kLineEnd;
}

std::string inequalityLine(Operation operation, int question, OperandPair pair) {
    if (!isSum(operation)) return normalLine(operation, question, pair);
    const auto [s, t] = pair;
    const bool add = operation == Operation::Add;
    const std::string number = std::to_string(question);
    const std::string answer = std::to_string(add ? s - t - 1 : t - 1);
    return questionHead(question) + std::to_string(add ? t : s) + operatorSign(operation) +
           "<input class=text name=Qanswer" + number + " type=text size=7 tag=" + answer + ">" +
           (add ? "<" : ">") + std::to_string(add ? s : s - t) + "<input name=answer" + number +
           " type=hidden size=7 tag=" + answer + ">" + kLineEnd;
}

std::string decimalLine(Operation operation, int question, OperandPair pair, int d1, int d2) {
    const long long first = 10LL * pair.s + d1;  // S in tenths
    const long long second = 10LL * pair.t + d2;  // T in tenths
    const std::string sign = operatorSign(operation);
    switch (operation) {
        case Operation::Add:
            return line(question, tenthsText(second) + sign + tenthsText(first - second) + "=",
                        tenthsText(first));
        case Operation::Subtract:
            return line(question, tenthsText(first) + sign + tenthsText(second) + "=",
                        tenthsText(first - second));
        case Operation::Multiply:
            return line(question, tenthsText(first) + sign + tenthsText(second) + "=",
                        hundredthsText(first * second));
        case Operation::Divide: break;
    }
    return normalLine(operation, question, pair);
}

}  // namespace tally
