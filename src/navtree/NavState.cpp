#include "navtree/NavState.h"

QByteArray CurrentSymbol;
