#include "portfolio/PortSymbols.h"

#include "shell/frmMain.h"

std::array<QByteArray, 100> PortSymbols;

// Callers look the symbol up first; a full list takes nothing more.
void frmMain::AddPortSymbol(const QByteArray &symbol)
{
    for (QByteArray &entry : PortSymbols) {
        if (entry.isEmpty()) {
            entry = symbol;
            return;
        }
    }
}
