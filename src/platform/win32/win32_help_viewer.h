// The help file opened through the shell, by the viewer its type is registered with, and its
// topics through the WinHelp viewer.
#pragma once

#include "platform/help_viewer.h"

namespace wyndrel::win32 {

class TWin32HelpViewer : public IHelpViewer {
public:
    void ShowHelpContents(const std::string& helpFile) override;
    void ShowHelpTopic(const std::string& helpFile, int topic) override;
};

}  // namespace wyndrel::win32
