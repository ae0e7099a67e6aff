// Look-ups in a form table.
#include "ui/form.h"

#include <algorithm>

namespace wyndrel::ui {

const char* FontFaceName(TFontFace face) {
    return face == TFontFace::Gothic ? "ＭＳ ゴシック" : "ＭＳ Ｐゴシック";
}

const TControlSpec* TFormSpec::Find(int id) const {
    auto found = std::find_if(Controls.begin(), Controls.end(),
                              [&](const TControlSpec& c) { return c.Id == id; });
    return found == Controls.end() ? nullptr : &*found;
}

const TControlSpec* TFormSpec::Find(const std::string& name) const {
    auto found = std::find_if(Controls.begin(), Controls.end(),
                              [&](const TControlSpec& c) { return c.Name == name; });
    return found == Controls.end() ? nullptr : &*found;
}

const TControlSpec* TFormSpec::FindFlagged(TControlFlag flag) const {
    auto found = std::find_if(Controls.begin(), Controls.end(),
                              [&](const TControlSpec& c) { return c.Has(flag); });
    return found == Controls.end() ? nullptr : &*found;
}

}  // namespace wyndrel::ui
