// The help port: the program's help file shown by whatever the platform uses to show it.
#pragma once

#include <string>

namespace wyndrel {

class IHelpViewer {
public:
    virtual ~IHelpViewer() = default;
    // Shows the help file's contents page; a failure is not reported.
    virtual void ShowHelpContents(const std::string& helpFile) = 0;
    // Shows the help file's topic with that context number; a failure is not reported.
    virtual void ShowHelpTopic(const std::string& helpFile, int topic) = 0;
};

}  // namespace wyndrel
