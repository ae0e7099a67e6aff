// Waiting on the test's own thread while its windows keep working.
#pragma once

#include <functional>

namespace e2e {

// Handles this thread's messages until `condition` holds or `timeoutMs` has passed; sleeps
// on the message queue in between. Returns whether the condition held.
bool PumpUntil(const std::function<bool()>& condition, unsigned timeoutMs);

}  // namespace e2e
