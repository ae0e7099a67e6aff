// The input box's presenter on a fake view: the initial text, OK keeping the typed text,
// Cancel keeping nothing.
#include "fakes/fake_view.h"
#include "ui/input_box.h"

#include <gtest/gtest.h>

namespace wyndrel::ui {
namespace {

using namespace input_box_ids;

TEST(InputBox, ShowsCaptionPromptAndTextAndReturnsWhatWasTypedOnlyOnOk) {
    const TFormSpec form = InputBoxForm("自動保存間隔の入力", "自動保存間隔を秒で入力して下さい");
    EXPECT_EQ(form.Caption, "自動保存間隔の入力");
    EXPECT_EQ(form.Find(lblPrompt)->Caption, "自動保存間隔を秒で入力して下さい");
    EXPECT_EQ(form.FindFlagged(DefaultButton)->Caption, "OK");
    EXPECT_EQ(form.FindFlagged(CancelButton)->Caption, "キャンセル");

    fakes::TFakeView okView(form);
    TInputBoxPresenter ok(okView, "1800");
    ok.OnShow();
    EXPECT_EQ(okView.Text(txtValue), "1800");
    EXPECT_EQ(okView.Focused(), txtValue);
    okView.SetText(txtValue, "0060");
    ok.OnControl({btnOK, TControlEventKind::Click});
    EXPECT_TRUE(okView.Closed());
    EXPECT_EQ(ok.Result(), "0060");

    fakes::TFakeView cancelView(form);
    TInputBoxPresenter cancel(cancelView, "1800");
    cancel.OnShow();
    cancelView.SetText(txtValue, "5");
    cancel.OnControl({btnCancel, TControlEventKind::Click});
    EXPECT_TRUE(cancelView.Closed());
    EXPECT_EQ(cancel.Result(), std::nullopt);
}

}  // namespace
}  // namespace wyndrel::ui
