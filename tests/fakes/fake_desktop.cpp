// The in-memory desktop. Limits follow the Win32 calls: a buffer of n characters holds
// at most n - 1 of them.
#include "fakes/fake_desktop.h"

#include "text/case_mapping.h"
#include "text/utf8.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace wyndrel::fakes {
namespace {

std::string CutToBuffer(const std::string& text, int limit) {
    if (limit <= 0) return {};
    return std::string(text::FirstCharacters(text, static_cast<size_t>(limit - 1)));
}

size_t Utf16Length(const std::string& text) {
    size_t units = 0;
    for (size_t at = 0; at < text.size();) {
        const text::TCodePoint point = text::DecodeAt(text, at);
        units += point.Value > 0xFFFF ? 2 : 1;
        at += point.Length;
    }
    return units;
}

}  // namespace

WindowId TFakeDesktop::AddTopLevel(const std::string& className, const Rect& bounds,
                                   const std::string& text) {
    WindowId id{FNextId++};
    TFakeWindow window;
    window.ClassName = className;
    window.Text = text;
    window.Bounds = bounds;
    FWindows[id.Value] = window;
    FZOrder.insert(FZOrder.begin(), id);
    BringToTopOfBand(id);
    return id;
}

WindowId TFakeDesktop::AddChild(WindowId parent, const std::string& className,
                                const std::string& text) {
    WindowId id{FNextId++};
    TFakeWindow window;
    window.ClassName = className;
    window.Text = text;
    window.Parent = parent;
    FWindows[id.Value] = window;
    Window(parent).Children.push_back(id);
    return id;
}

WindowId TFakeDesktop::AddEditor(const std::string& path, const Rect& bounds, std::int32_t caret,
                                 const std::string& document) {
    WindowId editor = AddTopLevel("TQuillonMainForm", bounds, "Quillon");
    AddChild(editor, "TEdit", path);
    TFakeWindow& text = Window(AddChild(editor, "TEditor", document));
    text.SelectionStart = text.SelectionEnd = caret;
    return editor;
}

void TFakeDesktop::Destroy(WindowId window) {
    if (!Exists(window)) return;
    for (WindowId child : Window(window).Children) Destroy(child);
    FWindows.erase(window.Value);
    FZOrder.erase(std::remove(FZOrder.begin(), FZOrder.end(), window), FZOrder.end());
    if (FForeground == window) FForeground = {};
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
    if (std::find(FClassNameFailures.begin(), FClassNameFailures.end(), window) !=
        FClassNameFailures.end())
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

std::int32_t TFakeDesktop::WindowTextLength(WindowId window) {
    if (!Exists(window)) return 0;
    auto length = static_cast<std::int32_t>(Utf16Length(Window(window).Text));
    if (auto hook = std::exchange(FTextLengthHook, nullptr)) hook(window);
    return length;
}

// Window texts are counted in UTF-16 units, as the platform's wide calls count them.
std::string TFakeDesktop::WindowText(WindowId window, int limit) {
    if (!Exists(window) || limit <= 0) return {};
    return std::string(text::FirstUtf16Units(Window(window).Text, static_cast<size_t>(limit - 1)));
}

std::int32_t TFakeDesktop::SelectionStart(WindowId editControl) {
    return Exists(editControl) ? Window(editControl).SelectionStart : 0;
}

std::optional<Rect> TFakeDesktop::WindowRect(WindowId window) {
    CountGeometryCall();
    if (!Exists(window)) return std::nullopt;
    return ToLogical(Window(window).Bounds);
}

std::optional<Rect> TFakeDesktop::NormalPosition(WindowId window) {
    CountGeometryCall();
    if (!Exists(window)) return std::nullopt;
    return ToLogical(Window(window).NormalBounds.value_or(Window(window).Bounds));
}

std::vector<TMonitor> TFakeDesktop::Monitors() {
    CountGeometryCall();
    std::vector<TMonitor> logical;
    for (const TMonitor& monitor : FMonitors)
        logical.push_back({ToLogical(monitor.Bounds), ToLogical(monitor.WorkArea)});
    return logical;
}

std::int32_t TFakeDesktop::ToLogical(std::int32_t physical) const {
    return static_cast<std::int32_t>(std::lround(physical * 96.0 / FDpi));
}

std::int32_t TFakeDesktop::ToPhysical(std::int32_t logical) const {
    return static_cast<std::int32_t>(std::lround(logical * static_cast<double>(FDpi) / 96.0));
}

Rect TFakeDesktop::ToLogical(const Rect& physical) const {
    return {ToLogical(physical.Left), ToLogical(physical.Top), ToLogical(physical.Right),
            ToLogical(physical.Bottom)};
}

}  // namespace wyndrel::fakes

namespace wyndrel::fakes {

void TFakeDesktop::BringToTopOfBand(WindowId window) {
    FZOrder.erase(std::remove(FZOrder.begin(), FZOrder.end(), window), FZOrder.end());
    auto place = FZOrder.begin();
    if (!Window(window).TopMost)
        while (place != FZOrder.end() && Window(*place).TopMost) ++place;
    FZOrder.insert(place, window);
}

bool TFakeDesktop::IsZoomed(WindowId window) { return Exists(window) && Window(window).Zoomed; }

bool TFakeDesktop::IsIconic(WindowId window) { return Exists(window) && Window(window).Iconic; }

void TFakeDesktop::Minimise(WindowId window) {
    TFakeWindow& minimised = Window(window);
    if (!minimised.NormalBounds) minimised.NormalBounds = minimised.Bounds;
    minimised.Bounds = {-32000, -32000, -31840, -31976};
    minimised.Iconic = true;
    minimised.Zoomed = false;
}

// The frame a maximised window has beyond its monitor's work area.
constexpr std::int32_t MaximisedFrame = 8;

void TFakeDesktop::Maximise(WindowId window) {
    TFakeWindow& maximised = Window(window);
    if (!maximised.NormalBounds) maximised.NormalBounds = maximised.Bounds;
    const Rect& normal = *maximised.NormalBounds;
    const std::int32_t x = normal.Left + normal.Width() / 2, y = normal.Top + normal.Height() / 2;
    Rect area = FMonitors.front().WorkArea;
    for (const TMonitor& monitor : FMonitors) {
        const Rect& bounds = monitor.Bounds;
        if (x >= bounds.Left && x < bounds.Right && y >= bounds.Top && y < bounds.Bottom)
            area = monitor.WorkArea;
    }
    maximised.Bounds = {area.Left - MaximisedFrame, area.Top - MaximisedFrame,
                        area.Right + MaximisedFrame, area.Bottom + MaximisedFrame};
    maximised.Zoomed = true;
    maximised.Iconic = false;
}

void TFakeDesktop::Activate(WindowId window) {
    FActive = window;
    BringToTopOfBand(window);
}

void TFakeDesktop::Restore(WindowId window) {
    RestoreWithoutActivating(window);
    if (Exists(window)) Activate(window);
}

void TFakeDesktop::RestoreWithoutActivating(WindowId window) {
    if (!Exists(window)) return;
    TFakeWindow& restored = Window(window);
    if (restored.NormalBounds) restored.Bounds = *restored.NormalBounds;
    restored.NormalBounds.reset();
    restored.Zoomed = restored.Iconic = false;
    restored.Visible = true;
}

void TFakeDesktop::Maximize(WindowId window) {
    if (!Exists(window)) return;
    Maximise(window);
    Activate(window);
}

bool TFakeDesktop::SetWindowPos(WindowId window, TInsertAfter insertAfter, std::int32_t left,
                                std::int32_t top, std::int32_t width, std::int32_t height,
                                TPlacementFlags flags) {
    CountGeometryCall();
    if (!Exists(window)) return false;
    TFakeWindow& placed = Window(window);
    left = ToPhysical(left), top = ToPhysical(top), width = ToPhysical(width),
    height = ToPhysical(height);
    auto edge = [](std::int32_t start, std::int32_t length) {
        return static_cast<std::int32_t>(static_cast<std::int64_t>(start) + length);
    };
    if (!HasFlag(flags, TPlacementFlags::NoMove)) {
        std::int32_t oldWidth = placed.Bounds.Width(), oldHeight = placed.Bounds.Height();
        placed.Bounds = {left, top, edge(left, oldWidth), edge(top, oldHeight)};
    }
    if (!HasFlag(flags, TPlacementFlags::NoSize)) {
        // The platform keeps a window at least as large as its frame; the fake allows 0.
        placed.Bounds.Right = edge(placed.Bounds.Left, std::max(width, 0));
        placed.Bounds.Bottom = edge(placed.Bounds.Top, std::max(height, 0));
    }
    if (HasFlag(flags, TPlacementFlags::ShowWindow)) placed.Visible = true;
    // Without SWP_NOACTIVATE the platform activates the top-level window it places.
    if (!HasFlag(flags, TPlacementFlags::NoActivate) && !placed.Parent) FActive = window;
    if (!HasFlag(flags, TPlacementFlags::NoZOrder) && !placed.Parent) {
        switch (insertAfter) {
            case TInsertAfter::TopMost:
                placed.TopMost = true;
                BringToTopOfBand(window);
                break;
            case TInsertAfter::Top:
                BringToTopOfBand(window);
                break;
            // Has no effect on a window that is not topmost.
            case TInsertAfter::NotTopMost:
                if (placed.TopMost) {
                    placed.TopMost = false;
                    BringToTopOfBand(window);
                }
                break;
            case TInsertAfter::Bottom:
                placed.TopMost = false;
                FZOrder.erase(std::remove(FZOrder.begin(), FZOrder.end(), window), FZOrder.end());
                FZOrder.push_back(window);
                break;
        }
    }
    return true;
}

bool TFakeDesktop::SetForeground(WindowId window) {
    if (!Exists(window) || FRefuseForeground) return false;
    FForeground = window;
    BringToTopOfBand(window);
    return true;
}

// Positions beyond the text are put at its end, as the edit control does; an end of -1
// selects to the end of the text.
void TFakeDesktop::SetSelection(WindowId editControl, std::int32_t start, std::int32_t end) {
    if (!Exists(editControl) || start < 0) return;
    auto length = static_cast<std::int32_t>(text::CharacterCount(Window(editControl).Text));
    Window(editControl).SelectionStart = std::min(start, length);
    Window(editControl).SelectionEnd = end < 0 ? length : std::min(end, length);
}

void TFakeDesktop::ScrollCaret(WindowId editControl) {
    if (Exists(editControl)) ++Window(editControl).CaretScrolls;
}

}  // namespace wyndrel::fakes

namespace wyndrel::fakes {

bool TFakeDesktop::IsModified(WindowId editControl) {
    return Exists(editControl) && Window(editControl).Modified;
}

void TFakeDesktop::SendPrivateMessage(WindowId window, std::uint32_t message) {
    if (Exists(window)) Window(window).Received.push_back("sent " + std::to_string(message));
}

void TFakeDesktop::PostPrivateMessage(WindowId window, std::uint32_t message) {
    if (Exists(window)) Window(window).Received.push_back("posted " + std::to_string(message));
}

// Ctrl+S reaches the window in the foreground, as typed keys do.
void TFakeDesktop::KeyEvent(std::uint8_t virtualKey, bool keyUp, bool extended) {
    std::string key =
        virtualKey == VirtualKeyControl ? "Ctrl" : std::string(1, static_cast<char>(virtualKey));
    FKeyLog.push_back(key + (keyUp ? " up" : " down") + (extended ? " extended" : ""));
    if (virtualKey == VirtualKeyControl) FControlDown = !keyUp;
    if (virtualKey == VirtualKeyS && !keyUp && FControlDown && Exists(FForeground)) {
        // The editor saves its document: the text control's changes are stored.
        Window(FForeground).Received.push_back("keystroke save");
        if (WindowId text = FindChild(FForeground, "TEditor")) Window(text).Modified = false;
    }
}

void TFakeDesktop::BeginGeometryPass() {
    if (FPassDepth++ == 0) ++FGeometryPasses;
}

void TFakeDesktop::EndGeometryPass() {
    if (FPassDepth == 0) throw std::logic_error("geometry pass ended that was never begun");
    --FPassDepth;
}

void TFakeDesktop::CountGeometryCall() {
    if (FPassDepth == 0) ++FGeometryCallsOutsidePasses;
}

}  // namespace wyndrel::fakes
