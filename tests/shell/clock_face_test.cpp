#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QColor>

#include "platform/qt/shell/desktop/clock_face.h"

namespace horalet::testing {
namespace {

using platform::qt::clockFace;
using platform::qt::clockHandAngles;

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
// a circle of the given radius (in a 22-unit square) around the centre of
// the face, leaving out the directions within `skipWithin` degrees of `skip`.
double inkDirection(const QImage& face, double radius, double skip = 0.0, double skipWithin = -1.0)
{
    const double centre = face.width() / 2.0;
    const double pixels = radius * face.width() / 22.0;
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
        const QImage face = clockFace(48, c.hour, c.minute);
        // Only the minute hand reaches past the hour hand's tip; nearer the
        // centre both cross the circle, and the hour hand is the other one.
        EXPECT_LE(apart(inkDirection(face, 6.2), c.minuteDegrees), 6.0);
        if (apart(c.hourDegrees, c.minuteDegrees) > 60.0) {
            EXPECT_LE(apart(inkDirection(face, 3.5, c.minuteDegrees, 40.0), c.hourDegrees), 6.0);
        }
    }
}

TEST(ClockFace, TheDialIsLightInsideADarkRimOnATransparentGround)
{
    const QImage face = clockFace(22, 3, 0);
    EXPECT_EQ(face.pixelColor(0, 0).alpha(), 0);
    EXPECT_GT(face.pixelColor(8, 15).lightness(), 200) << "the dial, away from the hands";
    EXPECT_LT(face.pixelColor(11, 1).lightness(), 80) << "the rim at twelve o'clock";
    EXPECT_EQ(face.pixelColor(11, 1).alpha(), 255);
}

} // namespace
} // namespace horalet::testing
