#pragma once
// Dial-up networking. Linux has none: a connection counts as active while the
// network is up, and dialling only records the request.
#include <QString>
#include <cstdint>

namespace Ras {

int16_t ActiveConnections();
// Starts dialling the named entry; returns at once.
void Dial(const QString &entry);
bool HangUp();

// --- test seam ---
void SetScripted(bool on, int16_t active = 0);
void SetActive(int16_t active);
int DialCount();
QString LastDialed();
void Reset();

} // namespace Ras
