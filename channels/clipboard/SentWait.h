#pragma once
// Waiting while other programs call in: the messages other threads send to this one (a program
// reading a promised format sends WM_RENDERFORMAT) are handled, posted ones are left in the queue,
// so that nothing else of the program runs in the middle of a channel call.
#include <windows.h>

#include <functional>

namespace quorva {

// Until condition holds or timeoutMs pass; returns its last value.
bool WaitHandlingSent(const std::function<bool()>& condition, DWORD timeoutMs);

// Until changed() has stayed false for quietMs (each true starts the quiet time again), or
// timeoutMs pass in all. Returns whether it became quiet.
bool WaitQuiet(const std::function<bool()>& changed, DWORD quietMs, DWORD timeoutMs);

}  // namespace quorva
