#include "platform/qt/settings_window/timeline_widget.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/clock.h"
#include "platform/platform.h"

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
    if (const std::optional<Instant> entry = schedule_.entryAt(clock().now()); entry && drawEntry_) {
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
    if (!isVisible()) {
        timer_.stop();
        return;
    }
    const Instant now = clock().now();
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
