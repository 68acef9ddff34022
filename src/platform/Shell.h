#pragma once
// Opening an address or a document in the user's own programs.
#include <QString>
#include <QStringList>

namespace Shell {

// Hands the address (web page, mailto:, or local file path) to the desktop.
// A mailto: address goes with its mail fields only (to, cc, bcc, subject,
// body, in-reply-to): a mail program must not be told to attach a file.
// When the desktop cannot open it, the user is told once: `failure` when
// given, else a message naming the address. Returns whether it opened.
bool Open(const QString &address, const QString &failure = QString());

// --- test seam: record instead of opening ---
// Recorded addresses are those the desktop would get. Failing: a recorded
// open answers that the desktop could not open it.
void SetRecording(bool on);
void SetFailing(bool on);
QStringList &Opened();
// Forgets what was recorded and opens again.
void Reset();

} // namespace Shell
