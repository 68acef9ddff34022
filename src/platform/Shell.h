#pragma once
// Opening an address or a document in the user's own programs.
#include <QString>
#include <QStringList>

namespace Shell {

// Hands the address (web page, mailto:, or local file path) to the desktop.
// Returns whether the desktop accepted it.
bool Open(const QString &address);

// --- test seam: record instead of opening ---
void SetRecording(bool on);
QStringList &Opened();
void Reset();

} // namespace Shell
