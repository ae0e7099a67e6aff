// The program's open form windows and its help viewer in memory: which forms are open, topmost
// first, and what was focused or opened.
#pragma once

#include "platform/help_viewer.h"
#include "ui/open_forms.h"

#include <string>
#include <utility>
#include <vector>

namespace wyndrel::fakes {

class TFakeOpenForms : public ui::IOpenForms {
public:
    std::vector<ui::TOpenForm> Forms;  // topmost first
    std::vector<WindowId> Focused;

    std::vector<ui::TOpenForm> OpenForms() override { return Forms; }
    void Focus(WindowId window) override { Focused.push_back(window); }
};

class TFakeHelpViewer : public IHelpViewer {
public:
    std::vector<std::string> Shown;
    std::vector<std::pair<std::string, int>> Topics;  // help file and topic, in order
    void ShowHelpContents(const std::string& helpFile) override { Shown.push_back(helpFile); }
    void ShowHelpTopic(const std::string& helpFile, int topic) override {
        Topics.emplace_back(helpFile, topic);
    }
};

}  // namespace wyndrel::fakes
