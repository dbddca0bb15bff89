#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QColor>

#include "platform/qt/shell/desktop/clock_face.h"
#include "platform/qt/shell/desktop/clock_icon.h"

namespace horalet::testing {
namespace {

using platform::qt::clockFace;
using platform::qt::clockHandAngles;
using platform::qt::clockIcon;

struct HandsCase {
    int hour;
    int minute;
    double hourDegrees;
    double minuteDegrees;
};

const std::vector<HandsCase> kHands{
    {3, 0, 90.0, 0.0},
    {9, 30, 285.0, 180.0},
    {12, 45, 22.5, 270.0},
    {18, 10, 185.0, 60.0},
    {23, 59, 359.5, 354.0},
};

// How far apart two directions are, in degrees (0–180).
double apart(double a, double b)
{
    const double difference = std::fmod(std::fabs(a - b), 360.0);
    return std::min(difference, 360.0 - difference);
}

// The direction, clockwise from twelve, of the middle of the darkest ink on
// a circle of the given radius (in the icon's 64-unit square) around the
// centre of the face, leaving out the directions within `skipWithin` degrees
// of `skip`.
double inkDirection(const QImage& face, double radius, double skip = 0.0, double skipWithin = -1.0)
{
    const double centre = face.width() / 2.0;
    const double pixels = radius * face.width() / 64.0;
    std::vector<std::pair<double, int>> inks;
    int darkest = 0;
    for (int degree = 0; degree < 360; ++degree) {
        if (apart(degree, skip) <= skipWithin) {
            continue;
        }
        const double angle = degree * std::numbers::pi / 180.0;
        const QColor pixel = face.pixelColor(
            static_cast<int>(centre + pixels * std::sin(angle)), static_cast<int>(centre - pixels * std::cos(angle)));
        const int ink = (255 - pixel.lightness()) * pixel.alpha() / 255;
        inks.emplace_back(angle, ink);
        darkest = std::max(darkest, ink);
    }
    // A hand is wider than a degree: the mean direction of its darker half.
    double x = 0.0;
    double y = 0.0;
    for (const auto& [angle, ink] : inks) {
        if (ink * 2 >= darkest) {
            x += ink * std::sin(angle);
            y += ink * std::cos(angle);
        }
    }
    const double degrees = std::atan2(x, y) * 180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

// The largest difference in any channel between two images of one size.
int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

TEST(ClockFace, HandsPointAtTheHourAndMinute)
{
    for (const HandsCase& c : kHands) {
        SCOPED_TRACE(::testing::Message() << c.hour << ":" << c.minute);
        const auto angles = clockHandAngles(c.hour, c.minute);
        EXPECT_DOUBLE_EQ(angles.hour, c.hourDegrees);
        EXPECT_DOUBLE_EQ(angles.minute, c.minuteDegrees);
    }
}

TEST(ClockFace, TheDrawnHandsPointWhereTheAnglesSay)
{
    for (const HandsCase& c : kHands) {
        SCOPED_TRACE(::testing::Message() << c.hour << ":" << c.minute);
        const QImage face = clockFace(96, c.hour, c.minute);
        // The icon's hands are 5.5 units wide; the minute hand's round tip
        // reaches 15.75 units out, the hour hand's 10.75 at most, and the
        // marks start at 17: between those lies the minute hand alone.
        // Nearer the centre both cross the circle, and the hour hand is the
        // other one.
        EXPECT_LE(apart(inkDirection(face, 13.75), c.minuteDegrees), 6.0);
        if (apart(c.hourDegrees, c.minuteDegrees) > 60.0) {
            EXPECT_LE(apart(inkDirection(face, 7.0, c.minuteDegrees, 30.0), c.hourDegrees), 6.0);
        }
    }
}

TEST(ClockFace, AtTheIconsOwnTimeTheFaceIsTheIcon)
{
    // The icon shows three o'clock: a face drawn apart from it would differ
    // in its dial, its marks or its hands.
    for (const int size : {16, 22, 32, 48}) {
        SCOPED_TRACE(size);
        EXPECT_LE(largestDifference(clockFace(size, 3, 0), clockIcon(size)), 2);
    }
}

} // namespace
} // namespace horalet::testing
