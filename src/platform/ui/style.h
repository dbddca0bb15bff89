#pragma once

#include <limits>
#include <optional>

namespace horalet::platform::ui {

// A font as a hint to the renderer: a text style of the desktop (body,
// caption) or the system font at a size in points, with a weight, a design
// and optionally digits of equal width.
struct Font {
    enum class TextStyle { body, caption };
    enum class Weight { regular, semibold };
    enum class Design { standard, monospaced };

    static Font body() { return Font{TextStyle::body}; }
    static Font caption() { return Font{TextStyle::caption}; }
    static Font system(double points, Weight weight = Weight::regular) { return Font{std::nullopt, points, weight}; }

    // Every character, digits included, of one width.
    Font monospaced() const
    {
        Font font = *this;
        font.design = Design::monospaced;
        return font;
    }
    // Digits of one width, so a ticking number does not shift the text.
    Font monospacedDigit() const
    {
        Font font = *this;
        font.monospacedDigits = true;
        return font;
    }

    // None for the system font at `points`.
    std::optional<TextStyle> textStyle;
    double points = 0.0;
    Weight weight = Weight::regular;
    Design design = Design::standard;
    bool monospacedDigits = false;

    friend bool operator==(const Font&, const Font&) = default;
};

// Primary is the normal text colour; secondary is dimmed.
enum class Foreground { primary, secondary };

enum class HorizontalAlignment { leading, center, trailing };
enum class VerticalAlignment { top, center, bottom };

inline constexpr double kUnlimited = std::numeric_limits<double>::infinity();

// The frame a node is laid out in: up to `maxWidth` points wide (kUnlimited
// spans the row), its content placed by `alignment` inside it.
struct Frame {
    std::optional<double> maxWidth;
    HorizontalAlignment alignment = HorizontalAlignment::center;

    friend bool operator==(const Frame&, const Frame&) = default;
};

// Space around a node, in points.
struct Insets {
    double top = 0.0;
    double leading = 0.0;
    double bottom = 0.0;
    double trailing = 0.0;

    static Insets vertical(double points) { return Insets{points, 0.0, points, 0.0}; }

    friend bool operator==(const Insets&, const Insets&) = default;
};

// How a node looks beyond its kind. None of it is inherited: it applies to
// the node it is set on.
struct Style {
    std::optional<Font> font;
    Foreground foreground = Foreground::primary;
    Frame frame;
    Insets padding;
};

enum class ButtonStyle { automatic, borderedProminent };
enum class FormStyle { grouped };

} // namespace horalet::platform::ui
