// Every section and key of the program's settings file with its type, default and kind of
// read, and the filter keys read from the editor's own settings file. No other file spells
// a key name or a default.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wyndrel::settings {

inline constexpr std::string_view SectionOption = "Option";
inline constexpr std::string_view SectionFavorites = "Favorites";
inline constexpr std::string_view SectionAutoSave = "AutoSave";
inline constexpr std::string_view SectionList = "List";

// How an integer key is read: the platform's scanning read ("12abc" is 12), the strict read
// ("12abc" is the default), strictly by the options dialog and by scanning elsewhere
// (StrictAndScan), or by scanning in the options dialog and strictly elsewhere (ScanInDialog).
enum class TIntegerRead { Scan, Strict, StrictAndScan, ScanInDialog };

// Where a key is read, for the kinds of read that differ by place.
enum class TReadPlace { OptionsDialog, Elsewhere };

constexpr bool ReadsStrictly(TIntegerRead read, TReadPlace place) {
    switch (read) {
        case TIntegerRead::Scan:
            return false;
        case TIntegerRead::Strict:
            return true;
        case TIntegerRead::StrictAndScan:
            return place == TReadPlace::OptionsDialog;
        case TIntegerRead::ScanInDialog:
            return place != TReadPlace::OptionsDialog;
    }
    return true;
}

// A default that only the reading step knows (a window's current position, the editor
// path in use) is marked as given by the caller; the listed default is then unused.
struct TStringKey {
    std::string_view Section;
    std::string_view Name;
    std::string_view Default;
    bool DefaultFromCaller = false;
};

struct TIntegerKey {
    std::string_view Section;
    std::string_view Name;
    std::int32_t Default;
    TIntegerRead Read;
    bool DefaultFromCaller = false;
};

struct TBoolKey {
    std::string_view Section;
    std::string_view Name;
    bool Default;
};

// Keys numbered from 0: the prefix followed by the decimal index without padding.
struct TNumberedKey {
    std::string_view Section;
    std::string_view Prefix;
    std::string Name(int index) const;
};

struct TNumberedStringKey : TNumberedKey {
    std::string_view Default;
};

// Numbered integers take their defaults from the caller: each number has its own.
struct TNumberedIntegerKey : TNumberedKey {
    TIntegerRead Read;
};

// Raised when a key whose default only the caller knows is read without one: a mistake in
// the program, not in the file.
void RequireOwnDefault(bool defaultFromCaller, std::string_view name);

namespace keys {

// Section Option. QuilPath's default is the start-up one; the options dialog passes the
// editor path in use instead.
inline constexpr TStringKey QuilPath{SectionOption, "QuilPath",
                                     "C:\\Program Files\\Quillon\\Quillon.exe"};
inline constexpr TBoolKey UseDefFileName{SectionOption, "UseDefFileName", false};
inline constexpr TStringKey IsFileNameDateTime{SectionOption, "IsFileNameDateTime", "yyyymmdd"};
inline constexpr TBoolKey CloseNoExit{SectionOption, "CloseNoExit", false};
inline constexpr TIntegerKey LastSheet{SectionOption, "LastSheet", 0, TIntegerRead::StrictAndScan};
inline constexpr TIntegerKey UserLeft{SectionOption, "UserLeft", 0, TIntegerRead::Strict, true};
inline constexpr TIntegerKey UserTop{SectionOption, "UserTop", 0, TIntegerRead::Strict, true};
inline constexpr TIntegerKey UserWindowMode{SectionOption, "UserWindowMode", 0,
                                            TIntegerRead::Strict};
inline constexpr TIntegerKey LastWindowMode{SectionOption, "LastWindowMode", 0,
                                            TIntegerRead::Strict};
inline constexpr TIntegerKey StartWindowPosType{SectionOption, "StartWindowPosType", 0,
                                                TIntegerRead::Strict};
inline constexpr TIntegerKey Left{SectionOption, "Left", 0, TIntegerRead::Strict, true};
inline constexpr TIntegerKey Top{SectionOption, "Top", 0, TIntegerRead::Strict, true};
inline constexpr TBoolKey IsIconic{SectionOption, "IsIconic", false};
inline constexpr TBoolKey IsGetFocusOnStart{SectionOption, "IsGetFocusOnStart", false};
inline constexpr TBoolKey IsMinimizedOnStart{SectionOption, "IsMinimizedOnStart", false};
inline constexpr TBoolKey IsUseDelay{SectionOption, "IsUseDelay", false};
// Read by scanning at start-up and strictly by the options dialog.
inline constexpr TIntegerKey DeleyWaitTime{SectionOption, "DeleyWaitTime", 1000,
                                           TIntegerRead::StrictAndScan};
inline constexpr TBoolKey IsMostTop{SectionOption, "IsMostTop", true};
inline constexpr TBoolKey AddFavMenuOpen{SectionOption, "AddFavMenuOpen", false};
// What a start after a run that the user did not quit does with the editors of that run:
// 0 nothing, 1 ask, 2 restore them; other values act as 1.
inline constexpr TIntegerKey RestoreLastSession{SectionOption, "RestoreLastSession", 1,
                                                TIntegerRead::Strict};
// False while the resident program runs, True once the user quit it; a first start offers nothing.
inline constexpr TBoolKey QuitByUser{SectionOption, "QuitByUser", true};
// A display configuration that comes back puts the editors back where it last had them.
inline constexpr TBoolKey FollowDisplays{SectionOption, "FollowDisplays", true};

// Range of LastSheet and the values the mode keys accept; anything else acts as 0.
inline constexpr std::int32_t SheetCount = 6;
inline constexpr std::int32_t MaxUserWindowMode = 3;
inline constexpr std::int32_t MaxLastWindowMode = 2;
inline constexpr std::int32_t MaxStartWindowPosType = 3;
inline constexpr std::int32_t MaxRestoreLastSession = 2;

// Section Favorites. The options dialog's default for a missing File<n> is the read-error
// text followed by n. The count is read strictly at start-up and by scanning in the dialog.
inline constexpr TIntegerKey FavoritesItemCount{SectionFavorites, "ItemCount", 0,
                                                TIntegerRead::ScanInDialog};
inline constexpr TNumberedStringKey FavoritesFile{{SectionFavorites, "File"}, ""};
inline constexpr std::string_view FavoritesFileReadErrorPrefix = "Read Error - ";
// A count that no list kept by hand reaches, as a damaged or hand-edited file may hold, is
// read only this far: each entry is one read of the whole file, and each stays in memory.
inline constexpr std::int32_t FavoritesReadLimit = 8192;
constexpr std::int32_t FavoritesToRead(std::int32_t itemCount) {
    return std::clamp(itemCount, 0, FavoritesReadLimit);
}

// Section AutoSave.
inline constexpr TIntegerKey AutoSaveFileCount{SectionAutoSave, "FileCount", 0,
                                               TIntegerRead::StrictAndScan};
inline constexpr TNumberedStringKey AutoSaveFile{{SectionAutoSave, "File"}, ""};
inline constexpr TIntegerKey AutoSaveInterval{SectionAutoSave, "Interval", 1800,
                                              TIntegerRead::Strict};
inline constexpr TIntegerKey AutoSaveAtAppStart{SectionAutoSave, "AtAppStart", 0,
                                                TIntegerRead::Strict};
inline constexpr TBoolKey AutoSaveLastEnable{SectionAutoSave, "LastEnable", false};
inline constexpr TBoolKey AutoSaveForAllFiles{SectionAutoSave, "ForAllFiles", false};
inline constexpr TBoolKey AutoSaveSaveType{SectionAutoSave, "SaveType", false};
inline constexpr std::int32_t MaxAtAppStart = 2;

// Section List: the running-editors list window, every key read by scanning. The window
// reads its column widths and its size with defaults of its own: the designed ones as they
// stand when it reads them (scaled for its monitor).
inline constexpr TNumberedIntegerKey ListLastWidth{{SectionList, "LastWidth"}, TIntegerRead::Scan};
inline constexpr std::array<std::int32_t, 6> ListLastWidthDefaults{250, 36, 36, 36, 36, 48};
inline constexpr TIntegerKey ListTop{SectionList, "Top", 150, TIntegerRead::Scan};
inline constexpr TIntegerKey ListLeft{SectionList, "Left", 150, TIntegerRead::Scan};
inline constexpr TIntegerKey ListWidth{SectionList, "Width", 500, TIntegerRead::Scan, true};
inline constexpr TIntegerKey ListHeight{SectionList, "Height", 300, TIntegerRead::Scan, true};

inline constexpr std::array<TStringKey, 2> StringKeys{QuilPath, IsFileNameDateTime};
inline constexpr std::array<TBoolKey, 13> BoolKeys{
    UseDefFileName,   CloseNoExit, IsIconic,       IsGetFocusOnStart,  IsMinimizedOnStart,
    IsUseDelay,       IsMostTop,   AddFavMenuOpen, AutoSaveLastEnable, AutoSaveForAllFiles,
    AutoSaveSaveType, QuitByUser,  FollowDisplays};
inline constexpr std::array<TIntegerKey, 18> IntegerKeys{LastSheet,
                                                         UserLeft,
                                                         UserTop,
                                                         UserWindowMode,
                                                         LastWindowMode,
                                                         StartWindowPosType,
                                                         Left,
                                                         Top,
                                                         DeleyWaitTime,
                                                         FavoritesItemCount,
                                                         AutoSaveFileCount,
                                                         AutoSaveInterval,
                                                         AutoSaveAtAppStart,
                                                         ListTop,
                                                         ListLeft,
                                                         ListWidth,
                                                         ListHeight,
                                                         RestoreLastSession};

}  // namespace keys

// The editor's own settings file: its executable path with the extension ".ini". The
// program only reads the filter keys of its Option section.
std::string EditorIniFileName(std::string_view editorPath);

inline constexpr std::string_view EditorFilterSection = "Option";

struct TEditorFilterKey {
    std::string_view Name;
    std::string_view Default;
    std::string_view Label;
};

// In the order the file-selection dialog lists them. The defaults are used as they stand,
// row by row, even where a row's default patterns belong to another row's kind of file.
inline constexpr std::array<TEditorFilterKey, 10> EditorFilterKeys{{
    {"UserFileFilter", "*.txt;*.htm;*.html;*.cgi;*.pl", "ユーザー("},
    {"HtmlDocFilter", "*.htm;*.html;*.asp", "HTMLファイル("},
    {"PerlDocFilter", "*.html;*.htm", "Perlファイル("},
    {"IniDocFilter", "*.cgi;*.pl", "INIファイル("},
    {"BatDocFilter", "*.ini;*.inf;*.url", "BATファイル("},
    {"CppDocFilter", "*.c;*.cpp;*.h", "C/C++ファイル("},
    {"JavaDocFilter", "*.java", "JAVAファイル("},
    {"VbDocFilter", "*.frm;*.bas;*.cls", "VBファイル("},
    {"HspDocFilter", "*.as", "HSPファイル("},
    {"PasDocFilter", "*.pas;*.dpr", "Delphiファイル("},
}};

}  // namespace wyndrel::settings
