// Forms as data: a window's controls described portably, one table per form. The Win32
// builder creates the controls from the table; presenters never see a handle.
#pragma once

#include "platform/types.h"
#include "ui/num_edit_text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wyndrel::ui {

// ListView is a report-style list: rows of cells under column headers, rows selected whole,
// read-only, headers not clickable. TabControl is the strip of sheet captions above a page
// area (its items are the captions, its selection the sheet shown); the sheets' controls
// are its siblings, listed before it so that they lie above it. UpDown is a pair of arrows
// stepping a number shown in its buddy box. NumEdit is a numeric box (TNumEditSpec);
// FileDropListBox and FileDropEdit are a list box and an edit box that take dropped files
// (TFileDropSpec).
enum class TControlKind {
    Button,
    CheckBox,
    RadioButton,
    Edit,
    Label,
    ListBox,
    ComboBox,
    GroupBox,
    ListView,
    Custom,
    TabControl,
    UpDown,
    NumEdit,
    FileDropListBox,
    FileDropEdit,
};

enum class TAlignment { LeftJustify, RightJustify, Center };

// A numeric box: its alignment (fixed when its window is made) and how it writes numbers.
// The text the user typed is cleaned when the box loses the focus; Enter never reaches it;
// its characters reach the presenter first (IFormEvents::OnKeyPress). MaxLength applies.
struct TNumEditSpec {
    TAlignment Alignment = TAlignment::RightJustify;
    TNumberFormat Format;
};

// A file-drop control. AcceptFiles: the window takes dropped files at all. The list box keeps
// only the first file unless AcceptMultiple, and appends the accepted paths to its entries
// when AutoChange; the edit box takes the first file only and makes it its text when
// AutoChange. The presenter sees every drop first (IFormEvents::OnDropQuery) and may edit the
// paths or refuse it.
struct TFileDropSpec {
    bool AcceptFiles = false;
    bool AcceptMultiple = true;
    bool AutoChange = false;
};

// The two faces the program's windows use.
enum class TFontFace { PGothic, Gothic };

// A face at a height in pixels at 96 DPI.
struct TFontSpec {
    TFontFace Face = TFontFace::PGothic;
    int Height = 12;
    bool Bold = false;
    friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

// The face names as the platform knows them.
const char* FontFaceName(TFontFace face);

enum TControlFlag : std::uint32_t {
    NoFlags = 0,
    DefaultButton = 1u << 0,  // pressed by Enter
    CancelButton = 1u << 1,   // pressed by Esc and by the window's close box
    NoTabStop = 1u << 2,      // left out of Tab navigation (labels and group boxes always are)
    Hidden = 1u << 3,
    Disabled = 1u << 4,
    MultiLine = 1u << 5,
    ReadOnly = 1u << 6,
    GroupStart = 1u << 7,  // the first of a group of radio buttons, or the first control after one
    RightAligned = 1u << 8,  // an edit's text kept at its right edge
    Checked = 1u << 9,       // a check box or radio button checked when created
    HorzScroll = 1u << 10,   // a multi-line edit keeps long lines whole, with a bar to scroll them
};

// An up-down's number: the box it writes into, its range, the step of one click or arrow
// key, and whether it writes thousands separators ("1,280").
struct TUpDownSpec {
    int Buddy = 0;
    int Min = 0;
    int Max = 100;
    int Step = 1;
    bool Thousands = true;
};

// A column of a list view: its header and its width in pixels at 96 DPI.
struct TColumnSpec {
    std::string Header;
    int Width = 0;
};

struct TControlSpec {
    int Id = 0;
    TControlKind Kind = TControlKind::Button;
    std::string Name;
    std::string Caption;
    std::string Hint;  // "" for no tooltip
    Rect Bounds;       // client pixels at 96 DPI
    TFontSpec Font;
    std::uint32_t Flags = NoFlags;
    std::string ClassName;             // the window class of a Custom control
    std::vector<TColumnSpec> Columns;  // a list view's columns, in order
    int MaxLength = 0;                 // an edit's limit in characters; 0 for none
    TUpDownSpec UpDown;                // for an up-down
    TNumEditSpec NumEdit;              // kind NumEdit
    TFileDropSpec Drop;                // kinds FileDropListBox and FileDropEdit
    bool Has(TControlFlag flag) const { return (Flags & flag) != 0; }
};

// A form: its caption, client size at 96 DPI and its controls, listed in tab order.
struct TFormSpec {
    std::string Name;
    std::string Caption;
    int ClientWidth = 0;
    int ClientHeight = 0;
    TFontSpec Font;
    bool Resizable = false;  // a sizing frame the user can drag
    std::vector<TControlSpec> Controls;

    // The control with this id or name; nullptr when there is none.
    const TControlSpec* Find(int id) const;
    const TControlSpec* Find(const std::string& name) const;
    // The first control carrying `flag` (such as the default button); nullptr when none.
    const TControlSpec* FindFlagged(TControlFlag flag) const;
};

// The rectangle of a table row written as left, top, width, height.
constexpr Rect Bounds(std::int32_t left, std::int32_t top, std::int32_t width,
                      std::int32_t height) {
    return Rect{left, top, left + width, top + height};
}

}  // namespace wyndrel::ui
