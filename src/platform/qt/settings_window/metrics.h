#pragma once

#include <cmath>

namespace horalet::platform::qt {

// A point of the description is one device-independent pixel, as the form's
// own width is; Qt scales both on high-density screens.
inline int pixels(double points)
{
    return static_cast<int>(std::lround(points));
}

// The grouped form's proportions.
namespace formMetrics {
inline constexpr int outerMargin = 20;
inline constexpr int sectionSpacing = 18;
inline constexpr int headerGap = 6;
inline constexpr int groupRadius = 8;
inline constexpr int rowInset = 12;
inline constexpr int rowPadding = 6;
inline constexpr int pickerMaxWidth = 240;
} // namespace formMetrics

} // namespace horalet::platform::qt
