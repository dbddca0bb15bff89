#pragma once

#include <string>
#include <string_view>

namespace horalet::platform::qt {

// Writes one flat JSON object of text and number members, in the order
// given. The bar's lines go out every second: building them through Qt's
// JSON document cost more than twice the clock text itself, this a small
// fraction of it. The texts are UTF-8 already (ICU's output, the store's
// decoded values) and pass through unchanged but for JSON's escapes.
class JsonObjectWriter {
public:
    JsonObjectWriter& text(std::string_view name, std::string_view value);
    JsonObjectWriter& number(std::string_view name, int value);
    JsonObjectWriter& boolean(std::string_view name, bool value);

    // The object so far, closed.
    std::string finished() const { return json_ + "}"; }

private:
    void key(std::string_view name);

    std::string json_ = "{";
};

} // namespace horalet::platform::qt
