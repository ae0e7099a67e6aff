// The program's one activation handler: what runs when the program becomes the active
// application again. A window that wants the activations for a while installs its own and
// puts the previous one back when it goes.
#pragma once

#include <functional>
#include <utility>

namespace wyndrel::ui {

class TAppActivation {
public:
    using THandler = std::function<void()>;

    // Installs `handler` and returns the one it replaces (empty when there was none).
    THandler Replace(THandler handler) { return std::exchange(FHandler, std::move(handler)); }
    // The program became the active application.
    void Activate() const {
        if (FHandler) FHandler();
    }

private:
    THandler FHandler;
};

}  // namespace wyndrel::ui
