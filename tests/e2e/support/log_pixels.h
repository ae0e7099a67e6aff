// The Wine prefix's display DPI (LogPixels) raised for the processes a test starts.
#pragma once

#include "platform/win32/windows_header.h"

#include <vector>

namespace e2e {

// Sets LogPixels for the processes started while it lives, then puts the old values back.
class TLogPixels {
public:
    explicit TLogPixels(DWORD dpi);
    ~TLogPixels();
    TLogPixels(const TLogPixels&) = delete;
    TLogPixels& operator=(const TLogPixels&) = delete;

private:
    std::vector<DWORD> FOld;
};

}  // namespace e2e
