#include "clock/clock_format.h"
#include "settings/settings_view.h"

namespace horalet {

using namespace platform::ui;

namespace {

// Exactly the text the status item shows for the entry's instant, with a
// formatter built afresh from the current settings.
Node previewText(const ClockSources& sources, platform::Instant entry, const SettingsView::Preference<bool>& bold)
{
    const Font::Weight weight = bold.get() ? Font::Weight::semibold : Font::Weight::regular;
    return text(Label::verbatim(ClockFormat::text(sources, entry, ClockFormat::make(sources))))
        .font(Font::system(15.0, weight).monospacedDigit())
        .frame(Frame{kUnlimited, HorizontalAlignment::center})
        .padding(Insets::vertical(4.0));
}

} // namespace

Node SettingsView::previewSection() const
{
    // Each preset writes all of its settings, also those that already hold,
    // so one press is always five writes.
    auto compact = [weekday = weekday, date = date, seconds = seconds, ampm = ampm, useCustom = useCustom] {
        weekday.set(0);
        date.set(0);
        seconds.set(false);
        ampm.set(false);
        useCustom.set(false);
    };
    auto standard = [weekday = weekday, date = date, year = year, seconds = seconds, useCustom = useCustom] {
        weekday.set(1);
        date.set(1);
        year.set(false);
        seconds.set(false);
        useCustom.set(false);
    };
    auto full = [weekday = weekday, date = date, year = year, seconds = seconds, useCustom = useCustom] {
        weekday.set(2);
        date.set(1);
        year.set(true);
        seconds.set(true);
        useCustom.set(false);
    };

    // The schedule starts when the content is built, so its entries are not
    // aligned to whole seconds; it is independent of the menu-bar timer.
    const PeriodicSchedule everySecond{parts_.clock.now(), 1.0, &parts_.clock};
    return section("预览",
        timelineView(everySecond,
            [sources = clockSources(), bold = bold](
                platform::Instant entry) { return previewText(sources, entry, bold); }),
        hstack(text("快速样式"), spacer(), button("紧凑", compact), button("标准", standard), button("完整", full)));
}

} // namespace horalet
