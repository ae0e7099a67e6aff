// What the editor was asked to open: a file, an empty document of a type, or nothing.
#pragma once

#include <string>

namespace quillon {

struct TOpenRequest {
    std::wstring Path;      // full path of the document; empty for an untitled one
    std::wstring TypeWord;  // html, perl, ... for an empty typed document
};

// The arguments after the program's own name in `commandLine`. The name may stand unquoted
// with blanks in it ("C:\Program Files\Quillon\Quillon.exe "C:\a.txt"", as its callers
// write it): where the command line begins with `programPath` itself, all of it is skipped;
// otherwise a quoted first word, or the first word up to a blank.
std::wstring ArgumentsAfterProgram(const std::wstring& commandLine,
                                   const std::wstring& programPath);

// Reads the arguments after the program name: "path" (quoted or not), /type, or nothing.
TOpenRequest ParseCommandLine(const std::wstring& arguments);

}  // namespace quillon
