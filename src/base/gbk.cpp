// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/gbk.h"

#include <cerrno>
#include <iconv.h>

namespace tally {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; `replacement` stands for each unconvertible
    // sequence, or conversion fails when it is empty.
    std::optional<std::string> run(const std::string& input, const std::string& replacement) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
        std::string out;
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr - buffer);
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            if (replacement.empty()) return std::nullopt;
            out += replacement;
            size_t skip = (errno == EINVAL) ? inLeft : 1;  // truncated tail or one bad byte
            in += skip;
            inLeft -= skip;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t handle_;
};

}  // namespace

std::string gbkToUtf8(const std::string& gbk) {
    Converter converter("UTF-8", "GBK");
    return converter.run(gbk, "\xEF\xBF\xBD").value_or(std::string());
}

std::optional<std::string> utf8ToGbk(const std::string& utf8) {
    Converter converter("GBK", "UTF-8");
    return converter.run(utf8, "");
}

}  // namespace tally
