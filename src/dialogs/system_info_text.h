// The About window's system-information lines, built from the system-information port and
// the version reader, one line per fact in a fixed format.
#pragma once

#include "dialogs/get_ver_info.h"
#include "platform/system_info.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wyndrel::dialogs {

// Adds the lines in order to `lines`, so that lines added before a failure stay. A 16-bit
// based system ends after its four lines with a silent abort; a version error of the
// common-controls library raises EGetVerInfo.
void AddSystemLines(ISystemInfo& system, TGetVerInfo& verInfo, std::vector<std::string>& lines);

// A byte count as whole mebibytes plus one: "513MB" for exactly 512 MiB.
std::string MegabytesText(std::uint64_t bytes);
// "Color Depth   :32 bpp(4294967296色)": the depth is planes × bits taken modulo 256.
std::string ColorDepthLine(int planes, int bitsPerPixel);
// 2 to the power `exponent`, in decimal digits.
std::string PowerOfTwoText(unsigned exponent);

}  // namespace wyndrel::dialogs
