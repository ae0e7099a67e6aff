// List editing shared by the favourites and auto-save sheets. The existence check walks the
// list from its end so that removing an entry never shifts one still to be looked at.
#include "dialogs/file_list_editor.h"

#include "platform/storable_path.h"
#include "text/case_mapping.h"

#include <algorithm>
#include <utility>
#include <variant>

namespace wyndrel::dialogs {
namespace {

constexpr const char* OnlyFromListNote =
    "\r\nなお、リストからファイルが削除されるだけで実際のファイルは削除されません。";

std::string ExistenceReport(std::size_t total, std::size_t missing) {
    // Only the two numbers are put into the text; the paths are appended as they stand.
    return "総ファイル " + std::to_string(total) + " 個中、存在しなかったファイル数は " +
           std::to_string(missing) + " 個です";
}

}  // namespace

const TFileListTexts& FavoritesListTexts() {
    static const TFileListTexts texts{"お気に入りに追加するファイルを参照", 1024,
                                      "すでに1024個以上も登録されています。\r\n多量に登録するとリソ"
                                      "ースを消費し動作が遅くなります。"
                                      "それでも登録しますか?",
                                      "すでに追加されています。"};
    return texts;
}

const TFileListTexts& AutoSaveListTexts() {
    static const TFileListTexts texts{
        "自動保存の対象に加えるファイルを参照", 32,
        "多量に登録すると自動保存に時間がかかってしまいます。\r\nそれでも登録しますか？",
        "すでに登録されています"};
    return texts;
}

TFileListEditor::TFileListEditor(const TFileListTexts& texts, TFileListPorts ports)
    : FTexts(texts), FPorts(std::move(ports)) {}

void TFileListEditor::Load(std::vector<std::string> entries) {
    FEntries = std::move(entries);
    FSelection = -1;
    FChanged = false;
}

void TFileListEditor::Select(int index) {
    FSelection = index >= 0 && static_cast<std::size_t>(index) < FEntries.size() ? index : -1;
}

void TFileListEditor::Add() {
    std::optional<std::string> path = FPorts.SelectFileToAdd(FTexts.AddTitle);
    if (!path) return;
    if (FEntries.size() >= FTexts.ManyEntries &&
        FPorts.Ui.ShowMessageDialog(TDialogType::Confirmation, FTexts.ManyEntriesQuestion,
                                    TBoxButtons::YesNo) == TBoxAnswer::No)
        return;
    if (Contains(*path)) {
        FPorts.Ui.ShowMessageDialog(TDialogType::Warning, FTexts.DuplicateWarning, TBoxButtons::Ok);
        return;
    }
    if (Storable(*path)) Append(*path);
}

void TFileListEditor::RemoveSelected() {
    if (FSelection < 0) return;
    const std::string question = "選択したファイル\r\n" +
                                 FEntries[static_cast<std::size_t>(FSelection)] +
                                 "\r\nを削除してもよろしいですか?" + OnlyFromListNote;
    if (FPorts.Ui.ShowMessageDialog(TDialogType::Confirmation, question, TBoxButtons::YesNo) ==
        TBoxAnswer::No)
        return;
    FEntries.erase(FEntries.begin() + FSelection);
    FSelection = -1;
    FChanged = true;
}

void TFileListEditor::Clear() {
    if (FPorts.Ui.ShowMessageDialog(TDialogType::Confirmation, "全て削除してよろしいですか？",
                                    TBoxButtons::YesNo) == TBoxAnswer::No)
        return;
    FEntries.clear();
    FSelection = -1;
    FChanged = true;
}

void TFileListEditor::MoveUp() {
    if (FSelection > 0) Swap(FSelection, FSelection - 1);
}

void TFileListEditor::MoveDown() {
    if (FSelection >= 0 && static_cast<std::size_t>(FSelection) + 1 < FEntries.size())
        Swap(FSelection, FSelection + 1);
}

void TFileListEditor::CheckExistence() {
    const std::string question =
        std::string("存在しないファイルは削除してもよろしいですか?") + OnlyFromListNote;
    const TBoxAnswer answer =
        FPorts.Ui.ShowMessageDialog(TDialogType::Confirmation, question, TBoxButtons::YesNoCancel);
    if (answer == TBoxAnswer::Cancel) return;
    const bool remove = answer == TBoxAnswer::Yes;
    const std::size_t total = FEntries.size();
    std::size_t missing = 0;
    std::string reportList;
    for (std::size_t i = total; i-- > 0;) {
        if (FPorts.Files.FileExists(FEntries[i])) continue;
        ++missing;
        reportList.insert(0, FEntries[i] + "\r\n");
        if (remove) {
            FEntries.erase(FEntries.begin() + static_cast<std::ptrdiff_t>(i));
            FSelection = -1;
            FChanged = true;
        }
    }
    std::string report = ExistenceReport(total, missing);
    if (missing > 0) report += (remove ? "\r\n削除リスト：" : "\r\n不存在リスト：") + reportList;
    FPorts.Ui.ShowMessageDialog(TDialogType::Information, report, TBoxButtons::Ok);
}

void TFileListEditor::Drop(const std::vector<std::string>& paths) {
    int duplicates = 0;
    for (const std::string& path : paths) {
        if (Contains(path))
            ++duplicates;
        else if (Storable(path))
            Append(path);
    }
    if (duplicates == 0) return;
    TMessageBox box;
    box.Text =
        std::to_string(duplicates) + " 個のファイルが重複していたため\r\n登録されませんでした";
    box.Icon = TBoxIcon::Warning;
    box.Foreground = true;
    box.OwnedByActiveWindow = true;  // the options dialog
    FPorts.Ui.ShowMessageBox(box);
}

bool TFileListEditor::Contains(const std::string& path) const {
    return std::any_of(FEntries.begin(), FEntries.end(), [&](const std::string& entry) {
        return text::SameTextIgnoringCase(entry, path);
    });
}

bool TFileListEditor::Storable(const std::string& path) {
    auto stored = StorablePath(FPorts.Files, path);
    if (const auto* error = std::get_if<TPlatformError>(&stored)) {
        FPorts.Ui.ShowMessageDialog(TDialogType::Error, error->Message, TBoxButtons::Ok);
        return false;
    }
    return true;
}

void TFileListEditor::Append(const std::string& path) {
    FEntries.push_back(path);
    FChanged = true;
}

void TFileListEditor::Swap(int from, int to) {
    std::swap(FEntries[static_cast<std::size_t>(from)], FEntries[static_cast<std::size_t>(to)]);
    FSelection = to;
    FChanged = true;
}

}  // namespace wyndrel::dialogs
