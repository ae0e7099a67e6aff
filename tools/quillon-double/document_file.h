// Loading and saving a document's text in the system's ANSI code page.
#pragma once

#include <string>

namespace quillon {

// The file's text, or "" when it does not exist or cannot be read.
std::wstring LoadDocument(const std::wstring& path);
bool SaveDocument(const std::wstring& path, const std::wstring& text);

}  // namespace quillon
