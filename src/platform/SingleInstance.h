#pragma once
#include <QString>

namespace SingleInstance {

// Takes the per-user lock for the given data folder. Returns false when
// another running copy holds it. The lock lasts until the process ends.
bool Acquire(const QString &dataFolder);

} // namespace SingleInstance
