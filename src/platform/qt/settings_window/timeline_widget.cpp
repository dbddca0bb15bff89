#include "platform/qt/settings_window/timeline_widget.h"

#include <algorithm>
#include <cmath>

namespace horalet::platform::qt {

TimelineWidget::TimelineWidget(QWidget* parent)
    : QWidget(parent)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void TimelineWidget::follow(const ui::PeriodicSchedule& schedule, DrawEntry drawEntry)
{
    schedule_ = schedule;
    drawEntry_ = std::move(drawEntry);
    waitForNextEntry();
}

void TimelineWidget::tick()
{
    if (schedule_.clock == nullptr) {
        return;
    }
    if (const std::optional<Instant> entry = schedule_.entryAt(schedule_.clock->now()); entry && drawEntry_) {
        drawEntry_(*entry);
    }
    waitForNextEntry();
}

void TimelineWidget::showEvent(QShowEvent*)
{
    // Whatever was due while hidden is drawn at once.
    tick();
}

void TimelineWidget::hideEvent(QHideEvent*)
{
    timer_.stop();
}

void TimelineWidget::waitForNextEntry()
{
    if (!isVisible() || schedule_.clock == nullptr) {
        timer_.stop();
        return;
    }
    const Instant now = schedule_.clock->now();
    const std::optional<Instant> next = schedule_.nextEntryAfter(now);
    if (!next) {
        timer_.stop();
        return;
    }
    // Rounded up to land on or just after the entry; should the timer fire
    // early all the same, the entry before is drawn again and the wait repeats.
    const double milliseconds = std::ceil((next->secondsSinceEpoch - now.secondsSinceEpoch) * 1000.0);
    timer_.start(static_cast<int>(std::max(0.0, milliseconds)));
}

} // namespace horalet::platform::qt
