#pragma once

#include <functional>

// Runs one event handler's body. An error it raises ends the body there and is shown in the
// general error box; no exception ever leaves this function into Qt's event loop.
// Returns true when the body ran to its end.
bool runGuarded(const std::function<void()>& body);
