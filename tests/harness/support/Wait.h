#pragma once
// Waiting for a condition with a deadline while this thread's messages keep moving: the one way
// tests synchronise with windows, their own or another process's.
#include <windows.h>

#include <functional>

namespace quorva::test {

// Runs every message that is waiting in this thread's queue now.
void PumpMessages();

// Checks the condition, pumping messages (through pump, PumpMessages when empty) and sleeping until
// input arrives or 10 ms pass, until it holds or the deadline passes. Returns its last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000,
               const std::function<void()>& pump = {});

}  // namespace quorva::test
