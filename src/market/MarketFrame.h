#pragma once
// What the market lists share beyond the sheet frame: their messages do not
// name a stock, and some of their walks end quietly at a row left open.
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

// Each piece from an `open` up to, not including, the first `close` after
// it; a piece without its close ends the walk, as do the lists whose rows
// may stay open.
template<class Each>
void ForEachClosed(QByteArrayView text, const char *open, const char *close, Each each)
{
    for (qsizetype from = 0;;) {
        const qsizetype start = text.indexOf(open, from);
        if (start < 0)
            return;
        from = text.indexOf(close, start);
        if (from < 0)
            return;
        each(text.sliced(start, from - start));
    }
}

} // namespace MarketFrame
