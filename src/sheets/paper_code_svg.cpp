// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/paper_code_svg.h"

#include <qrencode.h>

#include <cstdio>
#include <memory>

namespace tally {
namespace {

// The white border a reader needs around the modules, in modules.
constexpr int kQuietZone = 2;

struct FreeCode {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// One path of unit squares, a row's run of dark modules at a time.
std::string darkModules(const QRcode& code) {
    std::string path;
    for (int y = 0; y < code.width; ++y) {
        for (int x = 0; x < code.width;) {
            if (!(code.data[y * code.width + x] & 1)) {
                ++x;
                continue;
            }
            int run = 0;
            while (x + run < code.width && (code.data[y * code.width + x + run] & 1)) ++run;
            path += "M" + std::to_string(x + kQuietZone) + " " + std::to_string(y + kQuietZone) + "h" +
                    std::to_string(run) + "v1h-" + std::to_string(run) + "z";
            x += run;
        }
    }
    return path;
}

}  // namespace

std::string paperCodeSvg(const std::string& code, double sizeMm) {
    const std::unique_ptr<QRcode, FreeCode> qr(QRcode_encodeString(code.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
    if (!qr) return "";
    const std::string side = std::to_string(qr->width + 2 * kQuietZone);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"qr\" width=\"" + number(sizeMm) + "mm\" height=\"" +
           number(sizeMm) + "mm\" viewBox=\"0 0 " + side + " " + side + "\" shape-rendering=\"crispEdges\" role=\"img\">" +
           "<rect width=\"" + side + "\" height=\"" + side + "\" fill=\"#fff\"/><path fill=\"#000\" d=\"" +
           darkModules(*qr) + "\"/></svg>";
}

}  // namespace tally
