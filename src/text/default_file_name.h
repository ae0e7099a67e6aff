// The layout file name the save commands propose: the date-time definition applied to the
// local time now, with the characters a file name cannot hold made full-width.
#pragma once

#include "platform/clock.h"
#include "text/date_time_locale.h"

#include <string>
#include <string_view>

namespace wyndrel::text {

// All ten: ":" "/" "*" ";" "?" "<" ">" "\" "|" and the double quote become
// "：" "／" "＊" "；" "？" "＜" "＞" "￥" "｜" "”". Works on whole characters.
std::string ToFullWidthFileNameCharacters(std::string_view text);

// Only ":" and "/": the narrower replacement of the command-line save.
std::string ToFullWidthColonAndSlash(std::string_view text);

// The name without extension proposed by the main window's save commands and shown in the
// options dialog's preview; the callers append ".qdl".
std::string MakeDefFileName(std::string_view format, IClock& clock, const TDateTimeLocale& locale);

// The name without extension proposed by "/SAVE" on the command line.
std::string MakeCommandLineDefFileName(std::string_view format, IClock& clock,
                                       const TDateTimeLocale& locale);

}  // namespace wyndrel::text
