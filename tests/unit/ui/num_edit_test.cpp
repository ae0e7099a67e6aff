// The numeric box: cleaning, reading and writing numbers, and the box's own behaviour when it
// is left, written and typed into.
#include "ui/num_edit.h"

#include <gtest/gtest.h>

#include <limits>

namespace wyndrel::ui {
namespace {

std::string ConvertErrorOf(std::string_view text) {
    try {
        ParseNumberText(text);
    } catch (const EConvertError& error) {
        return error.what();
    }
    return "";
}

TEST(NumberText, KeepsDigitsMinusAndPointOfTheFirst255CharactersAndReadsOnlyWholeNumbers) {
    EXPECT_EQ(CleanNumberText("12ab34"), "1234");
    EXPECT_EQ(CleanNumberText("1,280"), "1280");
    EXPECT_EQ(CleanNumberText(""), "0");
    EXPECT_EQ(CleanNumberText("abc"), "0");
    EXPECT_EQ(CleanNumberText(std::string(254, 'x') + "56"), "5");
    std::string japanese;
    for (int i = 0; i < 254; ++i) japanese += "あ";  // three bytes, one character each
    EXPECT_EQ(CleanNumberText(japanese + "78"), "7");

    EXPECT_EQ(ParseNumberText("-.5"), -5000);
    EXPECT_EQ(ParseNumberText("1."), 10000);
    EXPECT_EQ(ParseNumberText("x0.00005"), 1);  // the nearest ten-thousandth, half away from zero
    EXPECT_EQ(ParseNumberText("-0.00005"), -1);
    EXPECT_EQ(ParseNumberText("922337203685477.5807"), std::numeric_limits<TCurrency>::max());
    EXPECT_EQ(ParseNumberText("-922337203685477.5808"), std::numeric_limits<TCurrency>::min());

    EXPECT_EQ(ConvertErrorOf("-"), "'-' は浮動小数点数ではありません");
    EXPECT_EQ(ConvertErrorOf("1 - 2"), "'1-2' は浮動小数点数ではありません");
    EXPECT_EQ(ConvertErrorOf("1.2.3"), "'1.2.3' は浮動小数点数ではありません");
    EXPECT_EQ(ConvertErrorOf("."), "'.' は浮動小数点数ではありません");
    // Beyond what a value holds is refused rather than wrapped into another number.
    EXPECT_EQ(ConvertErrorOf("922,337,203,685,477.5808"),
              "'922337203685477.5808' は浮動小数点数ではありません");
}

TEST(NumberText, FormatsWithTheBoxsPatternAndWritesValuesShortestOrWithThousands) {
    EXPECT_EQ(FormatNumberText("1234.5", {true, 2}), "1,234.50");
    EXPECT_EQ(FormatNumberText("1,280", {false, 0}), "1280");
    EXPECT_EQ(FormatNumberText("0.125", {false, 2}), "0.13");
    EXPECT_EQ(FormatNumberText("999.95", {true, 1}), "1,000.0");
    EXPECT_EQ(FormatNumberText("-1234567", {true, 0}), "-1,234,567");
    EXPECT_EQ(FormatNumberText("-0.4", {false, 0}), "0");
    EXPECT_EQ(FormatNumberText("007", {false, 0}), "7");
    EXPECT_EQ(FormatNumberText("123456789012345678901234", {false, 0}), "123456789012345678901234");
    EXPECT_THROW(FormatNumberText("--1", {false, 0}), EConvertError);

    EXPECT_EQ(NumEditTextForValue(12345000, {true, 2}), "1,234.50");
    EXPECT_EQ(NumEditTextForValue(12345000, {false, 2}), "1234.5");
    EXPECT_EQ(NumEditTextForValue(10000000, {false, 0}), "1000");
    EXPECT_EQ(NumEditTextForValue(12800000, {true, 0}), "1,280");
    EXPECT_EQ(CurrencyToStr(-1), "-0.0001");
    EXPECT_EQ(CurrencyToStr(0), "0");
    EXPECT_EQ(CurrencyToStr(std::numeric_limits<TCurrency>::min()), "-922337203685477.5808");
    EXPECT_EQ(IntegerPart(-12345), -1);

    EXPECT_TRUE(IsDigitsOnly("0123456789"));
    EXPECT_FALSE(IsDigitsOnly(""));
    EXPECT_FALSE(IsDigitsOnly("1,280"));
    EXPECT_FALSE(IsDigitsOnly("-1"));
}

TEST(NumEdit, LeavingTheBoxCleansTheTextAndTakesTheValueOrChangesNothingOnAnError) {
    TNumEdit box;
    EXPECT_EQ(box.Text(), "0");
    EXPECT_EQ(box.Alignment(), TAlignment::RightJustify);
    int written = 0;
    box.OnTextWritten = [&](TNumEdit&) { ++written; };

    box.SetText("1,280");
    EXPECT_EQ(box.Value(), 0);  // typing alone leaves the value
    box.DoExit();
    EXPECT_EQ(box.Text(), "1280");
    EXPECT_EQ(box.Value(), 12800000);
    box.SetText("12ab34");
    box.DoExit();
    EXPECT_EQ(box.Text(), "1234");
    box.SetText("");
    box.DoExit();
    EXPECT_EQ(box.Text(), "0");
    EXPECT_EQ(box.Value(), 0);
    EXPECT_EQ(written, 3);

    box.SetValue(50000);
    box.SetText("1-2");
    EXPECT_THROW(box.DoExit(), EConvertError);
    EXPECT_EQ(box.Text(), "1-2");
    EXPECT_EQ(box.Value(), 50000);
}

TEST(NumEdit, WritingTheValueAndChangingTheSettingsRewriteTheText) {
    TNumEdit box(TNumEditSpec{TAlignment::RightJustify, {true, 2}});
    box.SetValue(12345000);
    EXPECT_EQ(box.Text(), "1,234.50");

    box.SetThousands(false);  // reformatted at once, the value kept
    EXPECT_EQ(box.Text(), "1234.50");
    box.SetValue(12345000);
    EXPECT_EQ(box.Text(), "1234.5");
    box.DoExit();
    EXPECT_EQ(box.Text(), "1234.50");
    box.SetText("7.5");
    box.SetDecimalDidits(0);
    EXPECT_EQ(box.Text(), "8");
    EXPECT_EQ(box.Value(), 12345000);

    int written = 0, recreated = 0;
    box.OnTextWritten = [&](TNumEdit&) { ++written; };
    box.OnRecreateWindow = [&](TNumEdit&) { ++recreated; };
    box.SetDecimalDidits(0);
    box.SetThousands(false);
    box.SetAlignment(TAlignment::RightJustify);
    EXPECT_EQ(written + recreated, 0);  // the same values change nothing
    box.SetAlignment(TAlignment::Center);
    EXPECT_EQ(recreated, 1);
}

TEST(NumEdit, EnterReachesTheOwnerButNeverTheBoxAndTheOwnerMayDiscardAnyCharacter) {
    TNumEdit box;
    std::u32string seen;
    box.OnKeyPress = [&](TNumEdit&, char32_t& key) {
        seen += key;
        if (key == U'.') key = 0;
    };
    EXPECT_EQ(box.KeyPress(U'\r'), 0u);
    EXPECT_EQ(box.KeyPress(U'.'), 0u);
    EXPECT_EQ(box.KeyPress(U'5'), U'5');
    EXPECT_EQ(box.KeyPress(U'あ'), U'あ');
    EXPECT_EQ(seen, U"\r.5あ");
    box.OnKeyPress = nullptr;
    EXPECT_EQ(box.KeyPress(U'\r'), 0u);
}

}  // namespace
}  // namespace wyndrel::ui
