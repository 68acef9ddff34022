#pragma once
// The program's own key and its Groups subkey.
#include "core/RegVariant.h"

#include <QString>

namespace Settings {

inline const QString KeyPath = QStringLiteral("Software\\Zandor\\Tickerwatch5");
inline const QString GroupsPath = QStringLiteral("Software\\Zandor\\Tickerwatch5\\Groups");
inline const QString HostsPath = QStringLiteral("Software\\Zandor\\Tickerwatch5\\Hosts");

RegVariant Get(const QString &name);
void Set(const QString &name, const QString &value); // text value, key must exist
RegVariant GetGroup(const QString &name);
void SetGroup(const QString &name, const QString &value);

} // namespace Settings
