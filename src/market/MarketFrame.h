#pragma once
// What the market lists share beyond the sheet frame: their messages do not
// name a stock.
#include "sheets/SheetFrame.h"

#include <optional>

namespace MarketFrame {

// noData for a missing page or marker, `other` for any other failure (none:
// the part drawn so far stays).
inline SheetFrame::Messages Messages(QByteArray noData, std::optional<QByteArray> other)
{
    return [noData, other](int number, const QByteArray &) -> std::optional<QByteArray> {
        if (number == SheetFrame::PageMissing || number == SheetFrame::MarkerMissing)
            return noData;
        return other;
    };
}

} // namespace MarketFrame
