// The editor executable the program starts: one per program, set at start-up, replaced when
// the options dialog confirms another one. Whoever starts the editor reads it at each start.
#pragma once

#include <string>

namespace wyndrel::layout {

class TEditorPath {
public:
    explicit TEditorPath(std::string path) : FPath(std::move(path)) {}
    TEditorPath(const TEditorPath&) = delete;
    TEditorPath& operator=(const TEditorPath&) = delete;

    const std::string& Path() const { return FPath; }
    void Replace(std::string path) { FPath = std::move(path); }

private:
    std::string FPath;
};

}  // namespace wyndrel::layout
