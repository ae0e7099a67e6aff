// Numeric boxes and file-drop controls attached to the controls of a form and wired to its
// presenter.
#include "ui/win32/control_behaviours.h"

#include "ui/form_file_drop.h"

#include <imm.h>

namespace wyndrel::ui::win32 {
namespace {

// A window without a presenter still applies drops as its table says.
struct TNoFormEvents : IFormEvents {
    void OnControl(const TControlEvent&) override {}
};

}  // namespace

void TControlBehaviours::Connect(IView& view, IFormEvents* events, IUserInterface* ui) {
    FView = &view;
    FEvents = events;
    FUserInterface = ui;
}

void TControlBehaviours::Attach(const TControlSpec& spec, HWND control) {
    if (spec.Kind == TControlKind::NumEdit) AttachNumEdit(spec, control);
    if (spec.Kind == TControlKind::FileDropListBox || spec.Kind == TControlKind::FileDropEdit)
        AttachFileDrop(spec, control);
}

void TControlBehaviours::AttachNumEdit(const TControlSpec& spec, HWND control) {
    const int id = spec.Id;
    // Numbers are typed without the input method: it would only hold the digits back.
    ::ImmAssociateContextEx(control, nullptr, 0);
    auto box = std::make_unique<TNumEditControl>(control, TNumEdit(spec.NumEdit), FUserInterface);
    box->SetOnKeyPress([this, id](TNumEdit&, char32_t& key) {
        if (FEvents) FEvents->OnKeyPress(id, key);
    });
    box->OnRecreated = [this, id](HWND, HWND fresh) {
        if (OnRecreated) OnRecreated(id, fresh);
    };
    FNumEdits[id] = std::move(box);
}

void TControlBehaviours::AttachFileDrop(const TControlSpec& spec, HWND control) {
    auto drop = std::make_unique<TFileDropControl>(control, spec.Drop.AcceptFiles, FUserInterface);
    // A drop arrives only while the window is registered: the control takes it then.
    TControlSpec accepting = spec;
    accepting.Drop.AcceptFiles = true;
    drop->OnDrop = [this, accepting](const std::vector<std::string>& paths) {
        if (!FView) return;
        TNoFormEvents none;
        DropOnFormControl(accepting, *FView, FEvents ? *FEvents : none, paths);
    };
    FFileDrops[spec.Id] = std::move(drop);
}

TNumEditControl* TControlBehaviours::NumEdit(int id) const {
    auto found = FNumEdits.find(id);
    return found == FNumEdits.end() ? nullptr : found->second.get();
}

TFileDropControl* TControlBehaviours::FileDrop(int id) const {
    auto found = FFileDrops.find(id);
    return found == FFileDrops.end() ? nullptr : found->second.get();
}

}  // namespace wyndrel::ui::win32
