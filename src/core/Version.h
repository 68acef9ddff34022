#pragma once
// The program's version as its mails and reports name it.
#include <QString>

namespace Version {

// The trademark text of the program file's version information.
inline const QString ProductTrademark = QStringLiteral("Zandor Tickerwatch 5.7");
constexpr int Major = 5, Minor = 7, Revision = 0;

} // namespace Version
