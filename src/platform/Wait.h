#pragma once
// The one way the program waits for something that arrives through the event
// loop (a socket closing, a reply, a flag set by a handler). The window stays
// alive meanwhile, and every wait has an end.
#include <QtGlobal>
#include <functional>

// Runs the event loop until done() holds (true), abort() holds (false), or
// timeoutMs pass without done() (false). With progress given, the time-out
// counts from the last change of its value, so a transfer that keeps moving
// is never cut off while one that goes silent still ends.
bool WaitUntil(const std::function<bool()> &done, int timeoutMs,
               const std::function<bool()> &abort = {},
               const std::function<qint64()> &progress = {});
