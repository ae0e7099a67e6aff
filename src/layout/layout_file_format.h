// The layout file: a header line, then File=, Curs=, Rect= lines per editor window, and
// after a maximised window's Rect= line the comment line that keeps its show state.
// Pure functions over text; the file itself is read and written by layout_file_io.
#pragma once

#include "layout/layout_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wyndrel::layout {

inline constexpr const char* LayoutFileHeader = "[QuillonLayoutFile]";
inline constexpr const char* OldLayoutFileHeader = "QuillonDeskTopFile";

enum class THeaderKind { Current, OldGeneration, Unknown };

enum class TLayoutLineFailure { UnrecognisedLine, ConversionError };

// Why a layout file was refused, and where.
struct TLayoutFileError {
    TLayoutLineFailure Kind = TLayoutLineFailure::UnrecognisedLine;
    int LineNumber = 0;      // physical lines from 1, the header being line 1
    std::string PointLabel;  // which kind of line failed to convert
    std::string TypeName;    // the error's type name
    std::string Message;     // the error's message
};

struct TLayoutFileContent {
    THeaderKind Header = THeaderKind::Unknown;
    std::vector<TLayout> Entries;
    std::optional<TLayoutFileError> Error;  // reading stopped at this line
    // Blank and comment lines, in order; a show-state line taken for its entry is not one.
    std::vector<int> SkippedLines;
};

// The whole file's text, every line ending with CR LF.
std::string WriteLayoutText(const std::vector<TLayout>& entries);

// Reads every line after the header by the layout grammar; stops at the first bad line.
TLayoutFileContent ReadLayoutText(std::string_view text);

// The user's explanation of a refused file (without the leading "user error" line).
std::string LayoutFileErrorText(const TLayoutFileError& error);

}  // namespace wyndrel::layout
