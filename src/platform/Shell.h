#pragma once
// Opening an address or a document in the user's own programs.
#include <QString>
#include <QStringList>

namespace Shell {

// Hands the address (web page, mailto:, or local file path) to the desktop's
// opener, xdg-open as found on PATH at the call, and returns at once: the
// window stays live while the opener runs. A mailto: address goes with its
// mail fields only (to, cc, bcc, subject, body, in-reply-to): a mail program
// must not be told to attach a file.
// The address opened when the opener exits with 0, or still runs after
// OpenerBoundMs (it waits on the program it started); it is then left to run,
// also past the program's own exit. When the opener cannot start or exits
// otherwise, the user is told once: `failure` when given, else a message
// naming the address.
void Open(const QString &address, const QString &failure = QString());

// xdg-open stays while a browser it started in the foreground is open, and a
// desktop asked over D-Bus may take the bus's 25 s call time-out to say no:
// a minute covers both on a busy machine.
inline constexpr int OpenerBoundMs = 60000;

// --- test seam: record instead of opening ---
// Recorded addresses are those the desktop would get. Failing: a recorded
// open answers, at once, that the desktop could not open it.
void SetRecording(bool on);
void SetFailing(bool on);
QStringList &Opened();
// Forgets what was recorded, opens again and restores the opener's bound.
void Reset();
// Of real hand-overs: how long an opener may run before it counts as having
// opened; how many still wait for their outcome to be known and told; how
// many openers still run, told or not.
void SetBound(int ms);
int Watching();
int Running();

} // namespace Shell
