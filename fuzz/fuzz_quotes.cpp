// The quote page reader, the recommendation and the quote list: any bytes
// give a record or nothing, and a list line only ever reaches the stock its
// symbol names.
#include "FuzzCommon.h"
#include "collect/QuoteList.h"
#include "collect/QuotePage.h"
#include "core/Stock.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QByteArray input = fuzz::Bytes(data, size);

    StockRecord record;
    (void)QuotePage::Read(QuotePage::Prepare(input), record);
    if (const auto r = QuotePage::Recommendation(input))
        TW_FUZZ_CHECK(std::isfinite(*r) && *r >= 0 && *r <= 5);

    Stocks.fill({});
    const char *symbols[3] = {"IBM", "MSFT", "ZETA"};
    for (int i = 0; i < 3; ++i)
        Stocks[size_t(i)].Symbol = symbols[i];
    StockCount = 3;
    const int written = QuoteList::Store(input);
    TW_FUZZ_CHECK(written >= 0 && written <= 201);
    for (int i = 0; i < 3; ++i)
        TW_FUZZ_CHECK(Stocks[size_t(i)].Symbol == symbols[i]);
    for (int i = 3; i < Stock::StockSlots; ++i)
        TW_FUZZ_CHECK(Stocks[size_t(i)].LastSale.isEmpty());
    return 0;
}
