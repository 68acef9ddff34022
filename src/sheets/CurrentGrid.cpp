#include "sheets/CurrentGrid.h"

#include "collect/PriceText.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "platform/FlexGrid.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"
#include "sheets/SheetFrame.h"

namespace CurrentGrid {

namespace {

enum class Form { Stored, Price, Volume };

struct Column {
    const char *header;
    QByteArray StockRecord::*field;
    Form form;
    int alignment;
    double width; // per cent of the grid's width
};

constexpr int Left = FlexGrid::flexAlignLeftCenter;
constexpr int Right = FlexGrid::flexAlignRightCenter;
constexpr int Centre = FlexGrid::flexAlignCenterCenter;

// Column 0 holds the picture. The widths add up to well over the grid's
// width: the grid scrolls sideways.
const Column kColumns[] = {
    {"", nullptr, Form::Stored, Left, 3},
    {"Companey", &StockRecord::Name, Form::Stored, Left, 20},
    {"Last Sale", &StockRecord::LastSale, Form::Price, Right, 12},
    {"Change", &StockRecord::DChange, Form::Price, Right, 10},
    {"% Change", &StockRecord::PChange, Form::Stored, Right, 12},
    {"Volume", &StockRecord::Volume, Form::Volume, Right, 14},
    {"Today's High", &StockRecord::TodayHigh, Form::Price, Right, 15},
    {"Today's Low", &StockRecord::TodayLow, Form::Price, Right, 15},
    {"Bid", &StockRecord::Bid, Form::Price, Right, 10},
    {"Ask", &StockRecord::Ask, Form::Price, Right, 10},
    {"Last Trade Size", &StockRecord::LTS, Form::Stored, Right, 12},
    {"Open", &StockRecord::Opens, Form::Price, Right, 10},
    {"Previous Close", &StockRecord::PreClose, Form::Price, Right, 15},
    {"52 Week High", &StockRecord::High52, Form::Stored, Right, 15},
    {"52 Week Low", &StockRecord::Low52, Form::Stored, Right, 15},
    {"EPS", &StockRecord::EPS, Form::Stored, Right, 12},
    {"P/E Ratio", &StockRecord::pe, Form::Stored, Right, 15},
    {"Dividend Per Sharev", &StockRecord::DPS, Form::Stored, Centre, 10},
    {"Exchange", &StockRecord::Exchange, Form::Stored, Left, 14},
    {"Industry", &StockRecord::industry, Form::Stored, Left, 20},
    {"Last Update", &StockRecord::LastUpdate, Form::Stored, Centre, 15},
};
constexpr int Cols = int(std::size(kColumns));
constexpr int ChangeCol = 4;

QByteArray Shown(const StockRecord &st, const Column &c)
{
    switch (c.form) {
    case Form::Price: return PriceText::Price(st.*c.field);
    case Form::Volume: return PriceText::Volume(st.*c.field);
    case Form::Stored: break;
    }
    return st.*c.field;
}

std::optional<double> Number(const QByteArray &text)
{
    bool ok = false;
    const double v = Vb::ParseNumber(Text::FromCp1252(text), &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

// The row's picture: the day's direction, replaced by a crossed alert.
void Picture(const StockRecord &st, SheetFrame::CellLook &look)
{
    if (st.PChange.startsWith('-')) {
        look.picture = "DN";
    } else {
        QByteArray change = st.PChange;
        const std::optional<double> v = Number(change.replace('%', QByteArray()));
        if (v && *v > 0)
            look.picture = "UP";
    }
    if (!look.picture.isEmpty())
        look.pictureAlignment = FlexGrid::flexAlignCenterCenter;
    if (st.LowAlert <= 0 && st.HighAlert <= 0)
        return;
    // A price that cannot be read crosses no alert.
    const std::optional<double> price = Number(Misc::FormatP(QByteArray(st.LastSale), false));
    if (!price)
        return;
    if (st.LowAlert > 0 && *price < st.LowAlert)
        look.picture = "LOW";
    if (st.HighAlert > 0 && *price > st.HighAlert)
        look.picture = "HIGH";
}

} // namespace

const QList<QByteArray> &Headers()
{
    static const QList<QByteArray> headers = [] {
        QList<QByteArray> h;
        for (const Column &c : kColumns)
            h << c.header;
        return h;
    }();
    return headers;
}

void Read(SheetFrame::SheetTable &t, bool stripes)
{
    t.SetUp(2, Cols);
    t.backColor = VbColor::Window;
    t.gridLines = FlexGrid::flexGridNone;
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 0);
    t.headers = Headers();
    for (int c = 0; c < Cols; ++c)
        t.Look(0, c).alignment = FlexGrid::flexAlignCenterCenter;

    QByteArray shown[Cols];
    for (int slot = 0; slot < StockCount && slot < Stock::StockSlots; ++slot) {
        const StockRecord &st = Stocks[size_t(slot)];
        // A record with hardly anything in it (its symbol aside) is no row:
        // the row's text is 20 tabs and more than 8 characters of values.
        qsizetype length = 0;
        for (int c = 1; c < Cols; ++c) {
            shown[c] = Shown(st, kColumns[c]);
            length += 1 + shown[c].size();
        }
        if (length <= 28)
            continue;
        t.AddRow();
        const int r = t.Rows() - 1;
        for (int c = 1; c < Cols; ++c)
            t.SetText(r, c, shown[c]);
        t.SetRowData(r, st.Symbol);
        Picture(st, t.Look(r, 0));
        t.Look(r, ChangeCol).foreColor = st.PChange.startsWith('-') ? Falling : Rising;
    }

    t.sortFirst = 2; // the stocks, below the heading and the hidden spacer
    t.sortLast = t.Rows() - 1;
    if (stripes)
        for (int r = 1; r < t.Rows(); r += 2)
            for (int c = 1; c < Cols; ++c)
                t.Look(r, c).backColor = Stripe;

    for (const Column &c : kColumns) {
        t.alignments << c.alignment;
        t.widths << c.width;
    }
}

void Show(MainView &main, bool stripes)
{
    SheetFrame::Fill(main, {QStringLiteral("Current"), QString(),
                            [stripes](QByteArray &, const QByteArray &, SheetFrame::SheetTable &t) { Read(t, stripes); },
                            nullptr, SheetFrame::Source::OwnData});
}

} // namespace CurrentGrid
