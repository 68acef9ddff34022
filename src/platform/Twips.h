#pragma once
// Window and control measures are kept in twips like the rest of the
// program's figures; the conversion to pixels happens here only.
#include "platform/Vb.h"

#include <algorithm>
#include <cmath>

namespace Twips {

// A figure that becomes a screen position or size (pixels or twips), rounded
// as the runtime rounds. Figures can come from damaged files and pages
// (infinity, 1e30): they are held to a range no screen reaches, since
// converting an out-of-range double to int is undefined.
inline int ScreenInt(double v)
{
    constexpr double Limit = 1 << 24;
    if (std::isnan(v))
        return 0;
    return int(Vb::RoundHalfEven(std::clamp(v, -Limit, Limit)));
}

constexpr int PerPixel = 15; // 1440 twips per inch at 96 dpi

inline int ToPixels(double twips) { return ScreenInt(twips / PerPixel); }
inline double FromPixels(double px) { return px * PerPixel; }

} // namespace Twips
