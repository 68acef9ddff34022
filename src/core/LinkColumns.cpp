#include "core/LinkColumns.h"

namespace LinkColumns {

namespace {

const View kViews[] = {
    {.code = "QR", .links = {.each = {1}}},
    {.code = "Coverage", .links = {.each = {1, 4}}},
    {.code = "Upgrade", .links = {.each = {1, 5}}},
    {.code = "Downgrade", .links = {.each = {1, 5}}},
    {.code = "WINLOS", .links = {.each = {1}}},
    {.code = "SUP", .links = {.each = {0}}},
    {.code = "IT", .links = {.each = {2}}},
    {.code = "Call", .links = {.each = {0}}},
    {.code = "Put", .links = {.each = {0}}},
    {.code = "Options", .links = {.each = {1, 8}}},
    // The address of a mover's company is kept in column 9; screener lists keep none.
    {.code = "BR", .links = {.each = {1}}, .rows = Rows::WithAddress},
    {.code = "US", .links = {.each = {2}}, .look = Look::BlueText},
    {.code = "IPO_Price", .links = {.each = {1}, .from = 5}},
    {.code = "IPO_Last", .links = {.each = {1}, .from = 5}},
    {.code = "IPO_Gain", .links = {.each = {1}, .from = 6}},
    {.code = "IPO_Loss", .links = {.each = {1}, .from = 6}},
    // Every column past the symbol opens the index's quote page, but only the
    // symbol and the link words look like links.
    {.code = "WM", .links = {.each = {3}, .from = 6}, .drawn = Columns{.each = {3, 8, 9}}},
    {.code = "IPO_Reg", .links = {.each = {7}}},
    {.code = "IPO_With", .links = {.each = {6}}},
    // A headline without a link looks plain and opens nothing.
    {.code = "IPO_News", .links = {.each = {1}}, .rows = Rows::WithAddress},
    {.code = "FMS1", .links = {.each = {0}}},
    {.code = "FMS2", .links = {.each = {0}}},
    // Symbols drawn as links that open nothing: today's splits, today's
    // broker reports and the fund lists.
    {.code = "FMS0", .drawn = Columns{.each = {0}}},
    {.code = "M_BRP0", .drawn = Columns{.each = {0}}},
    {.code = "F_", .family = true, .drawn = Columns{.each = {0}}},
};

} // namespace

bool Columns::Holds(int col) const { return col >= 0 && ((from != None && col >= from) || each.contains(col)); }

const View &Of(QStringView view)
{
    for (const View &v : kViews) {
        const QLatin1String code(v.code);
        if (v.family ? view.startsWith(code) : view == code)
            return v;
    }
    static const View none{.code = ""};
    return none;
}

} // namespace LinkColumns
