// Creating the program's fonts.
#include "ui/win32/font_cache.h"

#include "platform/win32/wide_string.h"
#include "ui/scaling.h"

#include <cwchar>

namespace wyndrel::ui::win32 {

HFONT TFontCache::Get(const TFontSpec& font, int dpi) {
    auto key = std::make_tuple(font.Face, font.Height, font.Bold, dpi);
    auto found = FFonts.find(key);
    if (found != FFonts.end()) return static_cast<HFONT>(found->second.Get());

    LOGFONTW description{};
    // A negative height asks for the character height without the internal leading, which
    // is how the forms give their font sizes.
    description.lfHeight = -ScaleToDpi(font.Height, dpi);
    description.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = SHIFTJIS_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = wyndrel::win32::Widen(FontFaceName(font.Face));
    std::wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    HFONT created = ::CreateFontIndirectW(&description);
    if (!created)
        created = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    else
        FFonts.emplace(key, wyndrel::win32::TUniqueGdiObject(created));
    return created;
}

}  // namespace wyndrel::ui::win32
