// The set and portfolio files: any bytes read as records, and what is saved
// then reads back as the same records.
#include "FuzzCommon.h"
#include "core/Stock.h"

#include <QFile>

namespace {

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// Compared as saved bytes: a record read from damaged bytes may hold a NaN,
// which is never equal to itself.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QByteArray input = fuzz::Bytes(data, size);
    CurrentSet = 0;
    const QString set = Stock::StockSetFile(0);
    if (!Write(set, input))
        return 0;
    Stock::ReadStocks();
    TW_FUZZ_CHECK(Stock::SaveStocks());
    const QByteArray saved = Read(set);
    Stock::ReadStocks();
    TW_FUZZ_CHECK(Stock::SaveStocks());
    TW_FUZZ_CHECK(Read(set) == saved);

    const QString portfolio = Stock::PortfolioFile();
    if (!Write(portfolio, input))
        return 0;
    Stock::ReadPortfolio();
    TW_FUZZ_CHECK(Stock::SavePortfolio());
    const QByteArray held = Read(portfolio);
    Stock::ReadPortfolio();
    TW_FUZZ_CHECK(Stock::SavePortfolio());
    TW_FUZZ_CHECK(Read(portfolio) == held);
    return 0;
}
