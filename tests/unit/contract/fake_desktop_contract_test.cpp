// The desktop contract against the fake desktop.
#include "contract/desktop_contract.h"
#include "fakes/fake_desktop.h"

namespace wyndrel::contract {
namespace {

class TFakeDesktopWorld {
public:
    IDesktop& Desktop() { return FDesktop; }
    WindowId AddTopLevel(const std::string& className, const Rect& bounds) {
        return FDesktop.AddTopLevel(className, bounds);
    }
    WindowId AddChild(WindowId parent, const std::string& className, const std::string& text) {
        return FDesktop.AddChild(parent, className, text);
    }
    WindowId AddEditControl(WindowId parent, const std::string& className, const std::string& text,
                            int caret) {
        WindowId edit = FDesktop.AddChild(parent, className, text);
        FDesktop.Window(edit).SelectionStart = caret;
        return edit;
    }
    void Destroy(WindowId window) { FDesktop.Destroy(window); }
    void Minimise(WindowId window) { FDesktop.Minimise(window); }

private:
    fakes::TFakeDesktop FDesktop;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, DesktopContract, TFakeDesktopWorld);

}  // namespace
}  // namespace wyndrel::contract
