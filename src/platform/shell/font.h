#pragma once

namespace horalet::platform::shell {

enum class FontWeight { regular, semibold };

// A font as a value: the system font at a size and weight, with all digits
// one width or not. Fonts compare by value.
struct Font {
    double pointSize = 0.0;
    FontWeight weight = FontWeight::regular;
    bool monospacedDigits = false;

    static Font systemFont(double size, FontWeight weight) { return Font{size, weight, false}; }
    static Font monospacedDigitSystemFont(double size, FontWeight weight) { return Font{size, weight, true}; }

    friend bool operator==(const Font&, const Font&) = default;
};

// The desktop's fonts.
class Fonts {
public:
    virtual ~Fonts() = default;
    // The point size of the panel's font at its standard size.
    virtual double menuBarFontSize() const = 0;
};

} // namespace horalet::platform::shell
