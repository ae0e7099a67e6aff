// The input box: a small modal window asking for one line of text, with a caption, a prompt,
// one edit line, "OK" and "キャンセル". Its form table and presenter; the port that shows it.
#pragma once

#include "ui/form.h"
#include "ui/view.h"

#include <optional>
#include <string>

namespace wyndrel::ui {

namespace input_box_ids {
enum TInputBoxControl : int { lblPrompt = 100, txtValue, btnOK, btnCancel };
}

class IInputBox {
public:
    virtual ~IInputBox() = default;
    // The text as confirmed with OK, or none when the box was cancelled or closed.
    virtual std::optional<std::string> InputQuery(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string& text) = 0;
};

TFormSpec InputBoxForm(const std::string& caption, const std::string& prompt);

// Puts the initial text in the edit line, selected, and keeps what is typed when OK closes it.
class TInputBoxPresenter : public IFormEvents {
public:
    TInputBoxPresenter(IView& view, std::string text) : FView(view), FText(std::move(text)) {}
    void OnShow() override;
    void OnControl(const TControlEvent& event) override;
    const std::optional<std::string>& Result() const { return FResult; }

private:
    IView& FView;
    std::string FText;
    std::optional<std::string> FResult;
};

}  // namespace wyndrel::ui
