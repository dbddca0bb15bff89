#pragma once

#include <string>

namespace horalet::platform::ui {

// A text as a description carries it. A translatable label is looked up in
// the application's translations when drawn (shown as written when there is
// none); a verbatim text is always shown exactly as given.
struct Label {
    // A literal in the code is a translatable label.
    Label(const char* literal)
        : text(literal)
    {
    }
    static Label translatable(std::string text) { return Label(std::move(text), false); }
    static Label verbatim(std::string text) { return Label(std::move(text), true); }

    std::string text;
    bool isVerbatim = false;

    friend bool operator==(const Label&, const Label&) = default;

private:
    Label(std::string content, bool verbatimText)
        : text(std::move(content))
        , isVerbatim(verbatimText)
    {
    }
};

} // namespace horalet::platform::ui
