// A step's writes of settings keys with the step's rule for a write the file refuses, which
// the step picks once instead of checking each write.
#pragma once

#include "settings/ini_access.h"

#include <functional>
#include <string>

namespace wyndrel::settings {

enum class TWriteFailure {
    // Start-up and exit: a setting that cannot be stored is simply not kept.
    Ignore,
    // The options dialog and its lists: the user is told once, nothing more is written, and
    // the step stops, so that the dialog stays open with the user's choices.
    Report,
};

class TSettingsWriter {
public:
    // Shows the text of a failure to the user; only a reporting writer calls it.
    using TReport = std::function<void(const std::string& text)>;

    TSettingsWriter(TIniAccess& ini, TWriteFailure failure, TReport report = {})
        : FIni(ini), FFailure(failure), FReport(std::move(report)) {}

    // Before a step that stores many keys: false, told as "<file> に書き込めません", when the
    // file would refuse every write (TIniAccess::WriteRefusal). Always true when failures are
    // ignored.
    [[nodiscard]] bool Ready();

    // Any key of the table with its value, and a numbered one with its index first.
    template <class TKey, class... TArguments>
    void Write(const TKey& key, const TArguments&... arguments) {
        if (!FFailed && FIni.Write(key, arguments...)) Fail(CannotWriteText(FIni.IniFileName));
    }
    // A path the file cannot hold is told with its own reason and not stored; the step goes
    // on, as the other keys can still be stored.
    void WritePath(const TStringKey& key, const std::string& path);

    // True once a write has failed and been told; a writer that ignores failures never fails.
    bool Failed() const { return FFailed; }

private:
    void Fail(const std::string& text);
    void Tell(const std::string& text);

    TIniAccess& FIni;
    TWriteFailure FFailure;
    TReport FReport;
    bool FFailed = false;
};

}  // namespace wyndrel::settings
