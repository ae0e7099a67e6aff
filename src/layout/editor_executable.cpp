// Executable discovery. Candidates are the running processes whose file name upper-cases to
// the editor's, each path once, in the order the processes were listed.
#include "layout/editor_executable.h"

#include "layout/editor_interface.h"
#include "layout/enum_processes.h"
#include "text/case_mapping.h"
#include "text/path_split.h"

#include <algorithm>

namespace wyndrel::layout {
namespace {

TMessageBox InformationBox(const std::string& text) {
    TMessageBox box;
    box.Text = text;
    box.Caption = CaptionInformation;
    box.Icon = TBoxIcon::Information;
    box.TopMost = true;
    return box;
}

std::vector<std::string> Candidates(IProcesses& processes) {
    TEnumProcesses enumerator(processes);
    enumerator.Enumerate(0);
    std::vector<std::string> paths;
    for (const std::string& path : enumerator.Paths()) {
        std::string upper = text::LocaleUpper(path);
        if (text::ExtractFileName(upper) != EditorExecutableName) continue;
        if (std::find(paths.begin(), paths.end(), upper) == paths.end()) paths.push_back(upper);
    }
    return paths;
}

// Asks about each candidate in turn, round and round, until Yes or Cancel.
std::string ChooseAmong(const std::vector<std::string>& candidates, IUserInterface& ui) {
    for (size_t i = 0;; i = (i + 1) % candidates.size()) {
        TMessageBox question;
        question.Text =
            "複数のQuillonインストールパスを検出しました。\r\nこのQuillonのパスでよろしいですか？\r"
            "\n" +
            candidates[i];
        question.Caption = CaptionQuestion;
        question.Icon = TBoxIcon::Question;
        question.Buttons = TBoxButtons::YesNoCancel;
        question.SystemModal = true;
        question.TopMost = true;
        question.OwnedByDesktop = true;
        switch (ui.ShowMessageBox(question)) {
            case TBoxAnswer::Yes:
                return candidates[i];
            case TBoxAnswer::No:
                continue;
            default:
                return {};
        }
    }
}

}  // namespace

std::string FindEditorExecutable(IFiles& files, IProcesses& processes, IUserInterface& ui) {
    if (files.FileExists(std::string(DefaultEditorPath))) {
        TMessageBox found = InformationBox(
            "一番インストールされていると思われるパス\r\nC:\\\\Program "
            "Files\\Quillon\\\r\nにQuillonを発見しました。\r\n"
            "このパスを設定します。");
        found.Foreground = true;
        ui.ShowMessageBox(found);
        return std::string(DefaultEditorPath);
    }
    TMessageBox request;
    request.Text =
        "Quillonを起動してください。自動でパスを検出します。\r\nQuillonを起動したら [OK] "
        "ボタンをクリックしてください。";
    request.Caption = "Quillonのパス検出";
    request.TopMost = true;
    request.Foreground = true;
    ui.ShowMessageBox(request);

    std::vector<std::string> candidates = Candidates(processes);
    if (candidates.empty()) {
        ui.ShowMessageBox(InformationBox(
            "Quillonを探しましたが起動してません。\r\nご自分で入力するか参照してください。"));
        return {};
    }
    if (candidates.size() == 1) {
        ui.ShowMessageBox(InformationBox("Quillonを発見できました。\r\n" + candidates[0] +
                                         "\r\nがQuillonのパスとして設定されます。"));
        return candidates[0];
    }
    return ChooseAmong(candidates, ui);
}

}  // namespace wyndrel::layout
