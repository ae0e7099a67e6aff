// The two rules for failed writes; a path refused for its characters is told but stops nothing.
#include "settings/settings_writer.h"

#include <variant>

namespace wyndrel::settings {

bool TSettingsWriter::Ready() {
    if (!FFailed && FIni.WriteRefusal()) Fail(CannotWriteText(FIni.IniFileName));
    return !FFailed;
}

void TSettingsWriter::WritePath(const TStringKey& key, const std::string& path) {
    if (FFailed) return;
    auto stored = FIni.StorableForm(path);
    if (auto* refused = std::get_if<TPlatformError>(&stored)) return Tell(refused->Message);
    Write(key, std::get<std::string>(stored));
}

void TSettingsWriter::Fail(const std::string& text) {
    if (FFailure != TWriteFailure::Report) return;
    FFailed = true;
    Tell(text);
}

void TSettingsWriter::Tell(const std::string& text) {
    if (FFailure == TWriteFailure::Report && FReport) FReport(text);
}

}  // namespace wyndrel::settings
