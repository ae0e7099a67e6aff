// Editor windows that follow the displays: once a change of the display configuration has
// settled, editors left on no monitor come onto the nearest one, and a configuration seen
// before in this run gets its editors back where its last minute capture had them.
#pragma once

#include "layout/layout_engine.h"
#include "layout/layout_record.h"
#include "platform/timer.h"
#include "settings/ini_access.h"
#include "ui/command_table.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace wyndrel::app {

inline constexpr std::uint32_t DisplaySettleMs = 2000;
inline constexpr std::size_t RememberedConfigurations = 8;

struct TDisplayFollowerPorts {
    layout::TLayoutEngine& Engine;
    settings::TIniAccess& Ini;
    ITimer& SettleTimer;
};

class TDisplayFollower {
public:
    // Registers the change of the displays and its settling in the main window's `commands`.
    TDisplayFollower(TDisplayFollowerPorts ports, ui::TCommandTable& commands);

    // WM_DISPLAYCHANGE, a changed work area: waits until nothing changed for two seconds.
    void DisplayChanged();
    void Settled();
    // A minute capture (editors with their windows) under the configuration in force now;
    // none is kept while a change has not settled, as the editors may stand where the
    // platform moved them.
    void Remember(const std::vector<layout::TLayout>& editors);

private:
    struct TRemembered {
        std::vector<Rect> Configuration;  // the monitors' rectangles, sorted
        std::vector<layout::TLayout> Editors;
    };
    std::vector<Rect> Configuration();
    void BringStrandedOntoMonitors();
    void PutBack(const std::vector<layout::TLayout>& editors);

    TDisplayFollowerPorts FPorts;
    std::deque<TRemembered> FRemembered;  // the configuration seen longest ago first
};

}  // namespace wyndrel::app
