// Identifiers of the About window, shared by its view, its presenter and the tests.
#pragma once

namespace wyndrel::dialogs::ver_info_ids {

enum TVerInfoControl : int {
    Image1 = 401,
    lblTitleBak,
    lblTitle1,  // the seven title letters follow in order
    lblTitle2,
    lblTitle3,
    lblTitle4,
    lblTitle5,
    lblTitle6,
    lblTitle7,
    Label1,
    txtVerInfo,
    Label3,
    Label4,
    URLLabel1,
    URLMAIL,
    Label2,
    btnOK,
    txtSysInfo,
};

inline constexpr int TitleLetterCount = 7;

// The title animation's timer.
inline constexpr int TimGrad = 1;

}  // namespace wyndrel::dialogs::ver_info_ids
