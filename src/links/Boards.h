#pragma once
// The message boards' addresses: one industry's board, and the boards of a
// stock (its discussion search, its board) or the fixed board for new issues.
#include <QByteArray>
#include <QString>

namespace Boards {

// The board of an industry under its sector folder ("Energy", "Coal").
QString Sector(const QString &sectorFolder, const QString &industry);

// Mode 0 the discussion search, 1 the board of the symbol (upper case),
// 2 the new-issues board; empty for any other mode.
QString Stock(int mode, const QByteArray &symbol);

} // namespace Boards
