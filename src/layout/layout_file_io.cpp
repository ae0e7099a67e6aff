// The file boundary of the layout format: the port converts the code page.
#include "layout/layout_file_io.h"

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
                                              const std::vector<TLayout>& entries) {
    return files.WriteTextFileAtomically(path, WriteLayoutText(entries));
}

}  // namespace wyndrel::layout
