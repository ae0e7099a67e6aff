// The About window's frame in memory: letter colours by id, text six pixels a character.
#pragma once

#include "dialogs/ver_info.h"
#include "text/utf8.h"

#include <map>

namespace wyndrel::fakes {

class TFakeVerInfoFrame : public dialogs::IVerInfoFrame {
public:
    static constexpr int CharacterWidth = 6;
    std::map<int, widgets::TColor> Colors;
    int Repaints = 0;
    int Forwards = 0;

    void SetFontColor(int id, widgets::TColor color) override { Colors[id] = color; }
    int TextWidth(int, const std::string& text) override {
        return static_cast<int>(text::CharacterCount(text)) * CharacterWidth;
    }
    void Repaint() override { ++Repaints; }
    void BringForward() override { ++Forwards; }
};

}  // namespace wyndrel::fakes
