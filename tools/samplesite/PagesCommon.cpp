#include "Pages.h"

#include "collect/SheetCache.h"

namespace Pages {

bool IsSymbol(const QByteArray &symbol) { return SheetCache::UsableSymbol(symbol); }

SymbolData::SymbolData(const QByteArray &symbol)
{
    quint32 h = 2166136261u;
    for (char c : symbol.toUpper()) {
        h ^= uchar(c);
        h *= 16777619u;
    }
    state_ = h ? h : 1; // xorshift never leaves 0
}

quint32 SymbolData::Next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

int SymbolData::Between(int lo, int hi) { return lo + int(Next() % quint32(hi - lo + 1)); }

QByteArray SymbolData::Price(int lo, int hi) { return Hundredths(Between(lo, hi)); }

QByteArray Hundredths(int value)
{
    const int a = value < 0 ? -value : value;
    return (value < 0 ? "-" : "") + QByteArray::number(a / 100) + '.'
           + QByteArray::number(a % 100).rightJustified(2, '0');
}

} // namespace Pages
