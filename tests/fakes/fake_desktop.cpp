// The in-memory desktop. Limits follow the Win32 calls: a buffer of n characters holds
// at most n - 1 of them.
#include "fakes/fake_desktop.h"

#include "text/case_mapping.h"
#include "text/utf8.h"

#include <algorithm>
#include <stdexcept>

namespace wyndrel::fakes {
namespace {

std::string CutToBuffer(const std::string& text, int limit) {
    if (limit <= 0) return {};
    return std::string(text::FirstCharacters(text, static_cast<size_t>(limit - 1)));
}

}  // namespace

WindowId TFakeDesktop::AddTopLevel(const std::string& className, const Rect& bounds, const std::string& text) {
    WindowId id{FNextId++};
    FWindows[id.Value] = TFakeWindow{className, text, bounds, 0, {}, {}};
    FZOrder.insert(FZOrder.begin(), id);
    return id;
}

WindowId TFakeDesktop::AddChild(WindowId parent, const std::string& className, const std::string& text) {
    WindowId id{FNextId++};
    FWindows[id.Value] = TFakeWindow{className, text, {}, 0, parent, {}};
    Window(parent).Children.push_back(id);
    return id;
}

WindowId TFakeDesktop::AddEditor(const std::string& path, const Rect& bounds, std::int32_t caret) {
    WindowId editor = AddTopLevel("TQuillonMainForm", bounds, "Quillon");
    AddChild(editor, "TEdit", path);
    Window(AddChild(editor, "TEditor")).SelectionStart = caret;
    return editor;
}

void TFakeDesktop::Destroy(WindowId window) {
    if (!Exists(window)) return;
    for (WindowId child : Window(window).Children) Destroy(child);
    FWindows.erase(window.Value);
    FZOrder.erase(std::remove(FZOrder.begin(), FZOrder.end(), window), FZOrder.end());
}

TFakeWindow& TFakeDesktop::Window(WindowId window) {
    auto found = FWindows.find(window.Value);
    if (found == FWindows.end()) throw std::out_of_range("no such fake window");
    return found->second;
}

WindowId TFakeDesktop::EditorChild(WindowId editor) { return FindChild(editor, "TEditor"); }

bool TFakeDesktop::EnumerateTopLevelWindows(const std::function<bool(WindowId)>& visit) {
    if (FEnumerationFails) return false;
    // Like the platform, the list is taken at the start; windows destroyed meanwhile are
    // still handed out, and windows created meanwhile are not.
    const std::vector<WindowId> snapshot = FZOrder;
    for (WindowId window : snapshot) {
        if (!visit(window)) break;
        if (FEnumerationHook) FEnumerationHook(window);
    }
    return true;
}

std::optional<std::string> TFakeDesktop::ClassName(WindowId window, int limit) {
    if (!Exists(window)) return std::nullopt;
    if (std::find(FClassNameFailures.begin(), FClassNameFailures.end(), window) != FClassNameFailures.end())
        return std::nullopt;
    return CutToBuffer(Window(window).ClassName, limit);
}

// Window classes are looked up without regard to letter case, as the platform does.
WindowId TFakeDesktop::FindChild(WindowId parent, const std::string& className) {
    if (!Exists(parent)) return {};
    for (WindowId child : Window(parent).Children)
        if (text::AsciiUpper(Window(child).ClassName) == text::AsciiUpper(className)) return child;
    return {};
}

std::string TFakeDesktop::WindowText(WindowId window, int limit) {
    if (!Exists(window)) return {};
    return CutToBuffer(Window(window).Text, limit);
}

std::int32_t TFakeDesktop::SelectionStart(WindowId editControl) {
    return Exists(editControl) ? Window(editControl).SelectionStart : 0;
}

std::optional<Rect> TFakeDesktop::WindowRect(WindowId window) {
    if (!Exists(window)) return std::nullopt;
    return Window(window).Bounds;
}

}  // namespace wyndrel::fakes
