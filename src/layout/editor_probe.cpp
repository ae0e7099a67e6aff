// Recognising editor windows and reading their path, caret and rectangle.
#include "layout/editor_interface.h"
#include "layout/layout_engine.h"
#include "text/case_mapping.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <algorithm>
#include <utility>

namespace wyndrel::layout {
namespace {

constexpr int ClassNameBufferLength = 256;
constexpr const char* UnreadableClassName = "Can't get WindowClassName.";
// Large enough for nearly every path, so that one cross-process message reads it; only a
// text that fills it has its length asked.
constexpr std::int32_t FirstReadLimit = 512;
// A text that keeps growing while it is read is read again, a few times at most.
constexpr int WholeTextAttempts = 4;

// The text may have been cut at the buffer: it takes limit - 1 UTF-16 units or more (the
// platform's limit counts units, and a character beyond the first plane takes two).
bool FillsBuffer(const std::string& text, std::int32_t limit) {
    // No character takes more UTF-16 units than UTF-8 bytes.
    if (text.size() < static_cast<size_t>(limit - 1)) return false;
    return text::FirstUtf16Units(text, static_cast<size_t>(limit - 2)).size() < text.size();
}

}  // namespace

std::string WholeWindowText(IDesktop& desktop, WindowId window) {
    std::int32_t limit = FirstReadLimit;
    std::string text = desktop.WindowText(window, limit);
    for (int attempt = 0; attempt < WholeTextAttempts && FillsBuffer(text, limit); ++attempt) {
        // One character to spare: a text that fills the buffer may have grown since its
        // length was asked, and would come back cut.
        limit = std::max(desktop.WindowTextLength(window) + 2, limit * 2);
        text = desktop.WindowText(window, limit);
    }
    return text;
}

// Compared with the class name as it is: a capture asks this of every top-level window.
bool TLayoutEngine::IsEditorWindow(WindowId window) {
    return GetWndClassName(window) == EditorMainClass;
}

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
    // The capture creates no window and handles no message: one pass for every rectangle.
    TGeometryPass pass(FDesktop);
    const bool enumerated = FDesktop.EnumerateTopLevelWindows([&](WindowId window) {
        if (!IsEditorWindow(window)) return true;
        std::string fileName = GetEditorFileName(window);
        // Trimmed in place: most paths have nothing to trim and are not copied.
        if (const std::string_view trimmed = text::Trim(fileName);
            trimmed.size() != fileName.size())
            fileName = std::string(trimmed);
        if (fileName.empty()) return true;
        // A window that closed since the enumeration began has no rectangle: passed over.
        auto bounds = RestoredWindowRect(window);
        if (!bounds) return true;
        std::int32_t selStart =
            FDesktop.SelectionStart(FDesktop.FindChild(window, EditorTextClass));
        TLayout& entry =
            layouts.emplace_back(TLayout{std::move(fileName), selStart, bounds->Left, bounds->Top,
                                         bounds->Width(), bounds->Height(), window});
        RecordShowState(window, entry);
        return true;
    });
    if (!enumerated) return std::nullopt;
    return layouts;
}

std::set<std::string> TLayoutEngine::ShownFiles() {
    std::set<std::string> shown;
    VisitTopLevelWindows(FDesktop, [&](WindowId window) {
        if (IsEditorWindow(window)) shown.insert(text::LocaleLower(GetEditorFileName(window)));
        return true;
    });
    return shown;
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
