// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The QR code of a sheet's code as inline SVG, `sizeMm` millimetres a side
// on paper (its quiet zone included); empty when it cannot be made.
std::string paperCodeSvg(const std::string& code, double sizeMm);

}  // namespace tally
