#pragma once
// How the quote screens show a price and a volume, by the user's "Fractions"
// and "Volume" choices. Bytes in, bytes out: the screen converts.
#include <QByteArray>

namespace PriceText {

// Two decimals (12 3/8 -> 12.38) when "Fractions" is 1, else the text as
// stored.
QByteArray Price(QByteArray text);

// When "Volume" is 1, digit groups of three and no decimals ("#,##;"), a zero
// volume empty and a text that is no number unchanged; else as stored.
QByteArray Volume(const QByteArray &text);

} // namespace PriceText
