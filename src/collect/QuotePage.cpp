#include "collect/QuotePage.h"

#include "core/CellText.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "platform/Vb.h"

#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace QuotePage {

namespace {

// The page's lines joined with nothing between them, tabs dropped too when
// asked. Pages are long and their lines short, so blocks of 16 bytes without
// a line end go across whole.
QByteArray Joined(const QByteArray &page, bool tabs)
{
    QByteArray out(page.size(), Qt::Uninitialized);
    const char *s = page.constData();
    const char *const end = s + page.size();
    char *d = out.data();
    const char tab = tabs ? '\t' : '\r';
    const auto copyByte = [&] {
        const char c = *s++;
        *d = c;
        d += (c != '\r') & (c != '\n') & (c != tab);
    };
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), tb = _mm_set1_epi8(tab);
    while (end - s >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)),
                                         _mm_cmpeq_epi8(v, tb));
        if (_mm_movemask_epi8(hit) == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i *>(d), v);
            s += 16;
            d += 16;
            continue;
        }
        for (const char *block = s + 16; s < block;)
            copyByte();
    }
#endif
    while (s < end)
        copyByte();
    out.truncate(d - out.constData());
    return out;
}

// The first occurrence at or after from, -1 for none: positions are
// full-width, and the standard search (memchr on the first byte) keeps a
// label missing from a long page cheap.
qsizetype Search(const QByteArray &page, std::string_view what, qsizetype from = 0)
{
    const size_t at = std::string_view(page.constData(), size_t(page.size())).find(what, size_t(from));
    return at == std::string_view::npos ? -1 : qsizetype(at);
}

enum class From {
    Position, // the label searched from where the last good cut ended
    Top,      // the label searched from the page's start
    Previous, // the cut goes on where the step before ended, or fails with it
};

struct Cut {
    From from;
    const char *label; // unused for From::Previous
    const char *end;   // searched from the cut's start
    int skip;          // characters after the start left out; with a skip the value is not cleaned
    QByteArray StockRecord::*field;
};

// In page order. A range cell (low, a dash, high) is split at its first
// dash, and "Vol" is looked for after "Open" so that it meets the average
// volume and not the day's.
constexpr Cut kCuts[] = {
    {From::Position, "Last", "&#183;", 0, &StockRecord::LastUpdate},
    {From::Previous, nullptr, "</td>", 0, &StockRecord::LastSale},
    {From::Position, "Change", "(", 0, &StockRecord::DChange},
    {From::Previous, nullptr, ")", 1, &StockRecord::PChange},
    {From::Position, "Cls", "</td>", 0, &StockRecord::PreClose},
    {From::Position, "Volume", "</td>", 0, &StockRecord::Volume},
    {From::Top, "Range", "-", 0, &StockRecord::TodayLow},
    {From::Previous, nullptr, "</td>", 1, &StockRecord::TodayHigh},
    {From::Position, "Bid", "</td>", 0, &StockRecord::Bid},
    {From::Position, "Ask", "</td>", 0, &StockRecord::Ask},
    {From::Position, "Open", "</td>", 0, &StockRecord::Opens},
    {From::Position, "Vol", "</td>", 0, &StockRecord::AvgVolume},
    {From::Position, "Div", "</td>", 0, &StockRecord::Div},
    {From::Top, "week Range", "-", 0, &StockRecord::Low52},
    {From::Previous, nullptr, "</td>", 2, &StockRecord::High52},
    {From::Position, "Shr", "</td>", 0, &StockRecord::EPS},
    {From::Position, "P/E", "</td>", 0, &StockRecord::pe},
    {From::Position, "Cap<br>", "</td>", 0, &StockRecord::MarketCap},
    {From::Position, "Div/Shr<br>", "</td>", 0, &StockRecord::DPS},
    {From::Position, "Yield<br>", "</td>", 0, &StockRecord::Yield},
};

} // namespace

QByteArray Prepare(QByteArray page)
{
    page = Joined(page, true);
    if (Search(page, "<su") >= 0) {
        page.replace("<sup>", " ");
        page.replace("</sup>", "");
        page.replace("<sub>", "");
        page.replace("</sub>", "");
    }
    return Misc::FixTags(page, true, true, true, true);
}

QByteArray Read(const QByteArray &bytes, StockRecord &record)
{
    const QByteArray page = Prepare(bytes);

    // The name: the first cell after "Views" up to the "(" before the ticker.
    QByteArray name;
    qsizetype pos = 0;
    const qsizetype views = Search(page, "Views");
    const qsizetype nameStart = Search(page, "<td", views < 0 ? 0 : views + 1);
    const qsizetype nameEnd = nameStart < 0 ? -1 : Search(page, "(", nameStart);
    if (nameEnd >= 0) {
        QByteArray cell = page.mid(nameStart, nameEnd - nameStart);
        name = CellText::Of(cell);
        pos = nameEnd;
    }
    record.Name = name;

    // Positions are full-width: a label far down a long page is found. A cut
    // begins at its label, so cleaning drops the label with the rest of its
    // tag and keeps the text of the cells after it.
    qsizetype previousEnd = -1; // -1 when the step before failed
    for (const Cut &cut : kCuts) {
        qsizetype start = -1;
        switch (cut.from) {
        case From::Position: start = Search(page, cut.label, pos); break;
        case From::Top: start = Search(page, cut.label); break;
        case From::Previous: start = previousEnd; break;
        }
        const qsizetype end = start < 0 ? -1 : Search(page, cut.end, start);
        const qsizetype from = start + cut.skip;
        if (end < 0 || end < from) {
            previousEnd = -1;
            continue;
        }
        QByteArray raw = page.mid(from, end - from);
        const QByteArray value = cut.skip ? CellText::Trim(raw) : CellText::Of(raw);
        if (!value.isEmpty())
            record.*cut.field = value;
        pos = previousEnd = end;
    }

    record.Exchange = "-";
    record.industry = "-";
    return name;
}

void Clear(StockRecord &r)
{
    for (QByteArray StockRecord::*f : {&StockRecord::Ask, &StockRecord::Bid, &StockRecord::DChange, &StockRecord::DPS,
                                       &StockRecord::EPS, &StockRecord::High52, &StockRecord::LastSale,
                                       &StockRecord::Low52, &StockRecord::LTS, &StockRecord::Opens,
                                       &StockRecord::PChange, &StockRecord::pe, &StockRecord::PreClose,
                                       &StockRecord::TodayHigh, &StockRecord::TodayLow, &StockRecord::Volume})
        r.*f = "0";
    for (QByteArray StockRecord::*f : {&StockRecord::Exchange, &StockRecord::industry, &StockRecord::LastUpdate,
                                       &StockRecord::Spare1, &StockRecord::Spare2})
        r.*f = QByteArray();
    r.Recommendation = 0;
    r.Name = "No Current Stock";
}

std::optional<float> Recommendation(const QByteArray &bytes)
{
    const QByteArray page = Joined(bytes, false);
    const qsizetype a = Search(page, "Current Average Recommendation");
    if (a < 0)
        return std::nullopt;
    const qsizetype d = Search(page, "#0000ee", a);
    const qsizetype e = d < 0 ? -1 : Search(page, "<", d);
    if (e < d + 8)
        return std::nullopt;
    bool ok = false;
    const double r = Vb::ParseNumber(QString::fromLatin1(page.mid(d + 8, e - d - 8)), &ok);
    // Ratings run from 0 to 5; anything else is a damaged page, and the
    // stock keeps the rating it had.
    if (!ok || !(r >= 0 && r <= 5))
        return std::nullopt;
    return float(r);
}

} // namespace QuotePage
