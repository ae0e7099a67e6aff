// The file contract against the fake file system.
#include "contract/files_contract.h"
#include "fakes/fake_files.h"

namespace wyndrel::contract {
namespace {

class TFakeFilesWorld {
public:
    TFakeFilesWorld() {
        FFiles.AddFolder(Folder());
        FFiles.DeclareUnfitCharacters({"é"});
        FFiles.SetUserAppDataFolder("C:\\Users\\Aki\\AppData\\Roaming");
    }
    IFiles& Files() { return FFiles; }
    std::string Folder() { return "C:\\Contract"; }
    void AddFile(const std::string& path, const std::string& text, bool readOnly) {
        FFiles.AddFile(path, text, readOnly);
    }

private:
    fakes::TFakeFiles FFiles;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, FilesContract, TFakeFilesWorld);

}  // namespace
}  // namespace wyndrel::contract
