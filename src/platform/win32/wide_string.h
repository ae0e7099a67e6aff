// Conversions between the program's UTF-8 strings, the wide strings of the W API and
// the ANSI code page of the files the program reads and writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wyndrel::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The system's ANSI code page (932 on the users' machines) to and from UTF-8.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
// The text in the ANSI code page only when every character has a code of its own there: none
// where the platform would put a look-alike ("e" for "é") or the default character instead.
std::optional<std::string> Utf8ToAnsiExact(std::string_view utf8);

// The platform's text for an error code of GetLastError.
std::string SystemErrorText(unsigned long errorCode);

}  // namespace wyndrel::win32
