#include "portfolio/PortSymbols.h"

std::array<QByteArray, 100> PortSymbols;

// Callers look the symbol up first; a full list takes nothing more.
void AddPortSymbol(const QByteArray &symbol)
{
    for (QByteArray &entry : PortSymbols) {
        if (entry.isEmpty()) {
            entry = symbol;
            return;
        }
    }
}
