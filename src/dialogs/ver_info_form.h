// The About window's form table and the program's own addresses it shows.
#pragma once

#include "ui/form.h"

namespace wyndrel::dialogs {

// Where mail about the program goes: a placeholder that whoever distributes the program sets.
inline constexpr const char* ContactAddress = "wyndrel@example.invalid";
inline constexpr const char* WebAddress = "https://example.org/wyndrel/";
// Behind the contact address in the mail label's caption; opened, but not shown.
inline constexpr const char* MailSubject = "?subject=from%20Wyndrel%20About";

const ui::TFormSpec& VerInfoForm();

}  // namespace wyndrel::dialogs
