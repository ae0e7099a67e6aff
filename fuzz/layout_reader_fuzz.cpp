// libFuzzer target: the layout reader must take any bytes without crashing, and whatever
// it accepts must write back to a text that reads to the same entries.
#include "layout/layout_file_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wyndrel::layout;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    TLayoutFileContent content = ReadLayoutText(text);
    if (content.Error) {
        if (LayoutFileErrorText(*content.Error).empty()) std::abort();
        return 0;
    }
    // File names with line breaks cannot survive a round trip; the editor never shows one.
    for (const TLayout& entry : content.Entries)
        if (entry.FileName.find_first_of("\r\n") != std::string::npos) return 0;
    TLayoutFileContent again = ReadLayoutText(WriteLayoutText(content.Entries));
    if (again.Error || again.Entries.size() != content.Entries.size()) std::abort();
    // Path, caret, rectangle and show state alike.
    if (again.Entries != content.Entries) std::abort();
    return 0;
}
