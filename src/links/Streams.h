#pragma once
// The television and radio streams the tree's leaves start, by entry number.
// The addresses are the program's own constants, some of them "rtsp:" or
// "pnm:" streams for the media player, so they open as they stand.
#include <QString>

namespace Streams {

// The address of television entry 0 to 32; empty for any other number.
QString Video(int entry);

// The address of radio entry 0 to 39; empty for any other number. Entry 20
// carries the day of its programme as six digits, YYMMDD.
QString Radio(int entry, const QString &yymmdd);

// The day radio entry 20 plays: today when the "US" setting is not 0, else
// the day before, as YYMMDD.
QString RadioDay();

} // namespace Streams
