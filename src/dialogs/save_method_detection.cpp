// The comparison is on packed values, so seconds count in steps of two as the packing keeps them.
#include "dialogs/save_method_detection.h"

namespace wyndrel::dialogs {
namespace {

constexpr int FirstPackedYear = 1980;
constexpr int LastPackedYear = FirstPackedYear + 127;

}  // namespace

std::uint32_t PackedDateTime(const TLocalDateTime& time) {
    auto field = [](int value, int shift) { return static_cast<std::uint32_t>(value) << shift; };
    return field(time.Year - FirstPackedYear, 25) | field(time.Month, 21) | field(time.Day, 16) |
           field(time.Hour, 11) | field(time.Minute, 5) | field(time.Second / 2, 0);
}

bool EditorTakesSaveRequest(const TLocalDateTime& lastWrite) {
    if (lastWrite.Year < FirstPackedYear) return false;
    if (lastWrite.Year > LastPackedYear) return true;
    return PackedDateTime(lastWrite) >= FirstSaveRequestBuild;
}

std::optional<bool> DetectSaveType(const std::string& editorPath, IFiles& files,
                                   IUserInterface& ui) {
    std::optional<TLocalDateTime> lastWrite;
    if (files.FileExists(editorPath)) lastWrite = files.LastWriteLocalTime(editorPath);
    if (!lastWrite) {
        TMessageBox box;
        box.Text = editorPath + "ファイルは存在しません";
        box.Icon = TBoxIcon::Error;
        box.Foreground = true;
        box.OwnedByActiveWindow = true;  // the options dialog
        ui.ShowMessageBox(box);
        return std::nullopt;
    }
    return EditorTakesSaveRequest(*lastWrite);
}

}  // namespace wyndrel::dialogs
