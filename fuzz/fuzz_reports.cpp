// The report and summary section writers of the earnings, option chain,
// insider, filings, short interest and broker research pages: any page
// gives rows, each walk ends, and the rows grow no faster than the cells
// a page can hold.
#include "FuzzCommon.h"
#include "reports/EarningsRows.h"
#include "reports/OptionRows.h"
#include "reports/ResearchRows.h"
#include "reports/TradeRows.h"

namespace {

// Every cell costs a few bytes of page and at most a few hundred of markup.
void Bounded(const QByteArray &rows, qsizetype pageSize, const char *what)
{
    fuzz::Check(rows.size() <= 300 * (pageSize + 16), what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QByteArray input = fuzz::Bytes(data, size);
    const qsizetype n = input.size();
    using ReportPage::Renderer;
    for (Renderer r : {Renderer::Report, Renderer::Summary}) {
        for (EarningsRows::Table t : {EarningsRows::Table::Trend, EarningsRows::Table::Estimates,
                                      EarningsRows::Table::History, EarningsRows::Table::Growth}) {
            const std::optional<QByteArray> rows = EarningsRows::Rows(t, r, input);
            // A report always has its corner and its rows.
            fuzz::Check(r == Renderer::Summary || rows.has_value(), "earnings report without rows");
            if (rows)
                Bounded(*rows, n, "earnings rows");
        }
        const QByteArray body = OptionRows::Body(input);
        fuzz::Check(body.size() <= n, "option body longer than the page");
        for (OptionRows::Side side : {OptionRows::Side::Calls, OptionRows::Side::Puts})
            Bounded(OptionRows::Rows(side, r, body), n, "option rows");
        Bounded(TradeRows::Insiders(r, input).rows, n, "insider rows");
        Bounded(TradeRows::Filings(r, input).rows, n, "filings rows");
    }
    Bounded(TradeRows::ShortInterest(input, "</tr>\r\n<tr>").rows, n, "short interest rows");
    for (QByteArray (*read)(QByteArray) : {ResearchRows::Splits, ResearchRows::RatingChanges, ResearchRows::Momentum,
                                           ResearchRows::Broker})
        Bounded(read(input), n, "research rows");
    return 0;
}
