#pragma once

#include <chrono>
#include <functional>

// The desktop answers asynchronously: a window maps, a process ends, a file is replaced some time
// after the request. Waiting by asking again at short intervals up to a deadline is as fast as
// the machine allows and still bounded, where a fixed pause would be too short on a busy machine
// and needlessly slow on an idle one.
namespace Polling {

using namespace std::chrono_literals;

// How long a program may take to start and show its first window, on a busy machine.
constexpr std::chrono::milliseconds StartTimeout = 20s;
// How long one step (a window reacting, a process ending after a request) may take.
constexpr std::chrono::milliseconds StepTimeout = 10s;

// True as soon as the condition holds, false when it still does not at the deadline.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds interval = 20ms);

} // namespace Polling
