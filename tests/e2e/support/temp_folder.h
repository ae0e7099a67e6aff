// A fresh folder for one test's files, removed with everything in it afterwards.
#pragma once

#include <string>

namespace e2e {

class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::wstring& Path() const { return FPath; }
    std::wstring File(const std::wstring& name) const { return FPath + L"\\" + name; }

private:
    std::wstring FPath;
};

// Whole-file bytes, for checking what a program wrote.
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);

}  // namespace e2e
