// Behaviour that tests ask for through environment variables (see README.md).
#pragma once

#include <string>

namespace quillon {

struct TTestKnobs {
    int IdleDelayMs = 0;        // busy before the message loop runs
    bool NeverIdle = false;     // never becomes ready for input
    int WindowDelayMs = 0;      // main window shown this long after becoming ready for input
    std::wstring SaveLogPath;   // one line per save: "<way>\t<path>"
    std::wstring StartLogPath;  // one line per start: the whole command line
    bool HasPosition = false;  // where the window goes when the start-up information names no place
    int Left = 0;
    int Top = 0;
    int Caret = 0;  // where the caret stands once the document is loaded
};

TTestKnobs ReadTestKnobs();
void LogStart(const TTestKnobs& knobs, const wchar_t* commandLine);
void LogSave(const TTestKnobs& knobs, const wchar_t* way, const std::wstring& path);

}  // namespace quillon
