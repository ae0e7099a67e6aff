// What the program relies on from the editor: its window classes, its private save
// message, its executable's name and usual install path.
#pragma once

#include "settings/setting_keys.h"

#include <cstdint>
#include <string_view>

namespace wyndrel::layout {

// Compared exactly, letter case included.
inline constexpr const char* EditorMainClass = "TQuillonMainForm";
// Child whose text is the document's full path (empty for an untitled document).
inline constexpr const char* EditorPathClass = "TEdit";
// Child that is the text control.
inline constexpr const char* EditorTextClass = "TEditor";

// WM_APP + 400: the editor saves its document.
inline constexpr std::uint32_t WM_SAVEREQUEST = 0x8000 + 400;

inline constexpr const char* EditorExecutableName = "QUILLON.EXE";
// The usual install path, which is also the editor path a fresh settings file starts with.
inline constexpr std::string_view DefaultEditorPath = settings::keys::QuilPath.Default;

}  // namespace wyndrel::layout
