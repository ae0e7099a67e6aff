// The file boundary of the layout format: the port converts the code page.
#include "layout/layout_file_io.h"

namespace wyndrel::layout {

TLayoutFileRead ReadLayoutFile(IFiles& files, const std::string& path) {
    TReadResult read = files.ReadTextFile(path);
    if (auto* error = std::get_if<TPlatformError>(&read)) return *error;
    return ReadLayoutText(std::get<std::string>(read));
}

std::optional<TPlatformError> WriteLayoutFile(IFiles& files, const std::string& path,
                                              const std::vector<TLayout>& entries) {
    return files.WriteTextFileAtomically(path, WriteLayoutText(entries));
}

}  // namespace wyndrel::layout
