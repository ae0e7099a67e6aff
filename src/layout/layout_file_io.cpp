// The file boundary of the layout format: the port converts the code page.
#include "layout/layout_file_io.h"

#include "platform/storable_path.h"
#include "text/number_parse.h"

namespace wyndrel::layout {

TLayoutFileRead ReadLayoutFile(IFiles& files, const std::string& path) {
    TReadResult read = files.ReadTextFile(path);
    if (auto* error = std::get_if<TPlatformError>(&read)) return *error;
    return ReadLayoutText(std::get<std::string>(read));
}

std::string LayoutReadErrorText(const TPlatformError& error) {
    std::string text = "ファイル読込中に";
    text.append(error.TypeName);
    text.append("クラスのエラーが発生しました\r\nメッセージ：");
    text.append(error.Message);
    text.append("\r\nIOResult: ");
    text.append(text::IntToStr(error.Code));
    return text;
}

std::optional<TPlatformError> WriteLayoutFile(IFiles& files, const std::string& path,
                                              std::vector<TLayout> entries) {
    for (TLayout& entry : entries) {
        auto stored = StorablePath(files, entry.FileName);
        if (auto* error = std::get_if<TPlatformError>(&stored)) return *error;
        entry.FileName = std::move(std::get<std::string>(stored));
    }
    return files.WriteTextFileAtomically(path, WriteLayoutText(entries));
}

}  // namespace wyndrel::layout
