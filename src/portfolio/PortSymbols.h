#pragma once
// The distinct symbols of the portfolio, as the tree's "Portfolio Detail"
// branch and the one-symbol holdings grid collect them.
#include <QByteArray>
#include <array>

// 100 entries; an empty one is free.
extern std::array<QByteArray, 100> PortSymbols;
// Takes the symbol into the first free entry.
void AddPortSymbol(const QByteArray &symbol);
