// The restore of a layout file, as the main window asks for it for files dropped on it.
#pragma once

#include <string>

namespace wyndrel::app {

class ILayoutRestore {
public:
    virtual ~ILayoutRestore() = default;
    // Ends with the silent abort when the file cannot be restored.
    virtual void RestoreLayout(const std::string& path) = 0;
};

}  // namespace wyndrel::app
