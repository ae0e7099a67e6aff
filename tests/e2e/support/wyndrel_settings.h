// The settings file beside wyndrel.exe for one test: written at the start, removed after, and
// no last session kept by another test's program meanwhile.
#pragma once

#include <string>

namespace e2e {

class TWyndrelSettings {
public:
    // `optionLines` are added to the Option section after QuilPath, which names the editor
    // double beside the test executable unless `editorPath` says otherwise.
    explicit TWyndrelSettings(const std::string& optionLines = {},
                              const std::wstring& editorPath = {});
    ~TWyndrelSettings();
    TWyndrelSettings(const TWyndrelSettings&) = delete;
    TWyndrelSettings& operator=(const TWyndrelSettings&) = delete;

    static std::wstring Path();
};

// A value of the settings file as the platform reads it; `missing` when the key is not there.
std::wstring StoredSetting(const wchar_t* section, const wchar_t* key,
                           const wchar_t* missing = L"-");

}  // namespace e2e
