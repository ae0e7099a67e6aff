// Proposing the auto-save method from the age of the editor's executable: editors built from
// 20 October 2000 13:44:40 on understand the save request message.
#pragma once

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/user_interface.h"

#include <cstdint>
#include <optional>
#include <string>

namespace wyndrel::dialogs {

// A local date-time packed as file dates are: year - 1980 in bits 25-31, month 21-24, day
// 16-20, hour 11-15, minute 5-10, seconds / 2 in 0-4.
std::uint32_t PackedDateTime(const TLocalDateTime& time);

// 2000-10-20 13:44:40 packed.
inline constexpr std::uint32_t FirstSaveRequestBuild = 693398932;

// True for the save request message (SaveType True), false for the keystroke. Packed dates
// only reach from 1980 to 2107: an older executable takes the keystroke, a newer one the
// message.
bool EditorTakesSaveRequest(const TLocalDateTime& lastWrite);

// The method for the executable at `editorPath`, or none after telling the user in an error
// box that the file does not exist.
std::optional<bool> DetectSaveType(const std::string& editorPath, IFiles& files,
                                   IUserInterface& ui);

}  // namespace wyndrel::dialogs
