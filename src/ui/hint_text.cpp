// Line breaks of hints.
#include "ui/hint_text.h"

namespace wyndrel::ui {

std::string TooltipText(const std::string& hint) {
    std::string text;
    text.reserve(hint.size() + 8);
    for (std::size_t i = 0; i < hint.size(); ++i) {
        text.push_back(hint[i]);
        if (hint[i] == '\r' && (i + 1 == hint.size() || hint[i + 1] != '\n')) text.push_back('\n');
    }
    return text;
}

}  // namespace wyndrel::ui
