#pragma once
// Window and control measures are kept in twips like the rest of the
// program's figures; the conversion to pixels happens here only.
#include "platform/Vb.h"

namespace Twips {

constexpr int PerPixel = 15; // 1440 twips per inch at 96 dpi

inline int ToPixels(double twips) { return int(Vb::RoundHalfEven(twips / PerPixel)); }
inline double FromPixels(double px) { return px * PerPixel; }

} // namespace Twips
