// Recognising editor windows and reading their path, caret and rectangle.
#include "layout/editor_interface.h"
#include "layout/layout_engine.h"
#include "text/case_mapping.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <algorithm>

namespace wyndrel::layout {
namespace {

constexpr int ClassNameBufferLength = 256;
constexpr const char* UnreadableClassName = "Can't get WindowClassName.";
// A text that keeps growing while it is read is read again, a few times at most.
constexpr int WholeTextAttempts = 4;

}  // namespace

std::string WholeWindowText(IDesktop& desktop, WindowId window) {
    std::string text;
    std::int32_t length = desktop.WindowTextLength(window);
    for (int attempt = 0; attempt < WholeTextAttempts && length > 0; ++attempt) {
        // One character to spare: a text that fills the buffer may have grown since its
        // length was asked, and would come back cut.
        const std::int32_t limit = length + 2;
        text = desktop.WindowText(window, limit);
        if (text::CharacterCount(text) < static_cast<size_t>(limit - 1)) break;
        length = std::max(desktop.WindowTextLength(window), length * 2);
    }
    return text;
}

std::string TLayoutEngine::EditorMainClassName() { return EditorMainClass; }

std::string TLayoutEngine::GetWndClassName(WindowId window) {
    auto name = FDesktop.ClassName(window, ClassNameBufferLength);
    return name ? *name : UnreadableClassName;
}

std::string TLayoutEngine::GetEditorFileName(WindowId window) {
    WindowId pathChild = FDesktop.FindChild(window, EditorPathClass);
    if (!pathChild) return {};
    return WholeWindowText(FDesktop, pathChild);
}

std::optional<std::vector<TLayout>> TLayoutEngine::CaptureEditors() {
    std::vector<TLayout> layouts;
    const bool enumerated = FDesktop.EnumerateTopLevelWindows([&](WindowId window) {
        if (!IsEditorWindow(window)) return true;
        std::string fileName(text::Trim(GetEditorFileName(window)));
        if (fileName.empty()) return true;
        // A window that closed since the enumeration began has no rectangle: passed over.
        auto bounds = RestoredWindowRect(window);
        if (!bounds) return true;
        std::int32_t selStart = FDesktop.SelectionStart(FDesktop.FindChild(window, EditorTextClass));
        TLayout& entry = layouts.emplace_back(
            TLayout{fileName, selStart, bounds->Left, bounds->Top, bounds->Width(), bounds->Height(), window});
        RecordShowState(window, entry);
        return true;
    });
    if (!enumerated) return std::nullopt;
    return layouts;
}

std::optional<TFoundEditor> TLayoutEngine::FindEditorByFile(const std::string& path) {
    const std::string target = text::LocaleLower(path);
    std::optional<TFoundEditor> found;
    // An enumeration the platform could not make finds no editor: the caller starts one.
    VisitTopLevelWindows(FDesktop, [&](WindowId window) {
        if (!IsEditorWindow(window)) return true;
        if (text::LocaleLower(GetEditorFileName(window)) != target) return true;
        found = TFoundEditor{window, FDesktop.FindChild(window, EditorTextClass)};
        return false;
    });
    return found;
}

}  // namespace wyndrel::layout
