// What the editor was asked to open: a file, an empty document of a type, or nothing.
#pragma once

#include <string>

namespace quillon {

struct TOpenRequest {
    std::wstring Path;      // full path of the document; empty for an untitled one
    std::wstring TypeWord;  // html, perl, ... for an empty typed document
};

// Reads the arguments after the program name: "path" (quoted or not), /type, or nothing.
TOpenRequest ParseCommandLine(const std::wstring& arguments);

}  // namespace quillon
