#pragma once
#include <QByteArray>

// The ticker symbol of the stock on show, set by a click on a stock in the
// tree or the symbol bar.
extern QByteArray CurrentSymbol;
