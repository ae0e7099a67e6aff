// Recognising editor windows and reading their path, caret and rectangle.
#include "layout/editor_interface.h"
#include "layout/layout_engine.h"
#include "text/case_mapping.h"
#include "text/trim.h"

namespace wyndrel::layout {
namespace {

constexpr int ClassNameBufferLength = 256;
constexpr int EditorPathBufferLength = 255;
constexpr const char* UnreadableClassName = "Can't get WindowClassName.";

}  // namespace

std::string TLayoutEngine::EditorMainClassName() { return EditorMainClass; }

std::string TLayoutEngine::GetWndClassName(WindowId window) {
    auto name = FDesktop.ClassName(window, ClassNameBufferLength);
    return name ? *name : UnreadableClassName;
}

std::string TLayoutEngine::GetEditorFileName(WindowId window) {
    WindowId pathChild = FDesktop.FindChild(window, EditorPathClass);
    if (!pathChild) return {};
    return FDesktop.WindowText(pathChild, EditorPathBufferLength);
}

bool TLayoutEngine::CaptureEditors() {
    LayoutCount = 0;
    Layouts.assign(1, TLayout{});
    return FDesktop.EnumerateTopLevelWindows([this](WindowId window) {
        if (!IsEditorWindow(window)) return true;
        std::string fileName(text::Trim(GetEditorFileName(window)));
        if (fileName.empty()) return true;
        // A window that closed since the enumeration began has no rectangle: passed over.
        auto bounds = FDesktop.WindowRect(window);
        if (!bounds) return true;
        std::int32_t selStart = FDesktop.SelectionStart(FDesktop.FindChild(window, EditorTextClass));

        Layouts.resize(static_cast<size_t>(LayoutCount) + 1);
        Layouts[static_cast<size_t>(LayoutCount)] =
            TLayout{fileName, selStart, bounds->Left, bounds->Top, bounds->Width(), bounds->Height(), window};
        ++LayoutCount;
        return true;
    });
}

void TLayoutEngine::FindEditorByFile(const std::string& path) {
    TargetFileName = path;
    const std::string target = text::LocaleLower(TargetFileName);
    FDesktop.EnumerateTopLevelWindows([this, &target](WindowId window) {
        if (!IsEditorWindow(window)) return true;
        if (text::LocaleLower(GetEditorFileName(window)) != target) return true;
        FoundWnd = window;
        FoundEditor = FDesktop.FindChild(window, EditorTextClass);
        return false;
    });
}

}  // namespace wyndrel::layout
